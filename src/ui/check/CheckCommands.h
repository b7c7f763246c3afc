#pragma once

#include "check/CheckLines.h"
#include "ui/App.h"
#include "ui/main/MainWindow.h"

namespace quintara::ui {

// Checking a draw against the lines on show: the Check Numbers command, the check itself and the main
// window's winning-lines state it leaves.
class CheckCommands {
public:
    CheckCommands(App& app, MainWindow& main) : m_app(app), m_main(main), m_state(app.state) {}
    CheckCommands(const CheckCommands&) = delete;
    CheckCommands& operator=(const CheckCommands&) = delete;

    void BindTo(MainWindow& main);

    void mnuCheckNumbers_Click();
    // Checks the numbers typed into the check window's boxes (in box order) against every line, leaves the
    // main window on the winning lines and shows the report.
    void CheckNumbers(const CheckBoxes& boxes);

private:
    App& m_app;
    MainWindow& m_main;
    AppState& m_state;

    void ShowWinningLines(const CheckResult& result);
};

}  // namespace quintara::ui
