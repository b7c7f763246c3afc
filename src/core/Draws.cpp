#include "core/Draws.h"

#include "core/Windows1252.h"

namespace quintara {

namespace {

template <class Rec>
DrawView CommonView(const Rec& draw) {
    DrawView view;
    view.date = draw.DrawDate;
    view.balls.assign(draw.Balls.begin(), draw.Balls.end());
    view.machine = DecodeWindows1252(draw.Machine.Trimmed());
    return view;
}

}  // namespace

DrawView ViewOf(const LottoDrawRec& draw) {
    DrawView view = CommonView(draw);
    view.extra = draw.BonusBall;
    view.ballSet = std::to_string(draw.BallSet);
    return view;
}

DrawView ViewOf(const LottoExtraDrawRec& draw) {
    DrawView view = CommonView(draw);
    view.ballSet = DecodeWindows1252(draw.BallSet.Trimmed());
    return view;
}

DrawView ViewOf(const ThunderballDrawRec& draw) {
    DrawView view = CommonView(draw);
    view.extra = draw.Thunderball;
    view.ballSet = DecodeWindows1252(draw.BallSet.Trimmed());
    return view;
}

DrawView ViewOf(const DailyPlayDrawRec& draw) {
    DrawView view = CommonView(draw);
    view.ballSet = DecodeWindows1252(draw.BallSet.Trimmed());
    return view;
}

}  // namespace quintara
