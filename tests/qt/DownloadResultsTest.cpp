#include <gtest/gtest.h>

#include "MessageBoxAnswerer.h"
#include "history/ResultsDownload.h"
#include "qt/QtPlatform.h"
#include "support/LocalHttpServer.h"
#include "support/TempDir.h"
#include "ui/main/frmQuintara.h"

namespace quintara::ui {
namespace {

// Download Latest Results against a local server: the new draw shows, and a server that fails, a closed
// port or Cancel leave the history as it was and say which address and why.
TEST(DownloadResultsTest, TheGameOnShowGetsItsNewDrawsOrKeepsItsHistory) {
    test::TempDir dir;
    test::LocalHttpServer server;
    QtPlatform desktop(test::CopiedAppFolder(dir), QString::fromStdString((dir / "settings.ini").string()));
    App app(desktop, dir.Path());
    auto& main = app.forms.Get<frmQuintara>(app);
    main.Show();
    test::MessageBoxAnswerer answerer;
    main.mnuDrawThunderball39.Click();
    const Game game = Game::Thunderball39;
    const std::string file(Info(game).historyFile);
    const std::string body =
        "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set,Machine,DrawNumber\n"
        "03-Oct-2026,3,9,17,22,38,11,T5,Excalibur 3,3600\n";
    server.Serve("/results.csv", test::LocalHttpServer::Answer::With(200, body));
    server.Serve("/hangs", test::LocalHttpServer::Answer::Silent());
    const struct {
        std::string address;
        std::string reason;
        bool cancel;
    } failed[] = {
        {server.Address("/gone"), "the server answered HTTP 404", false},
        {test::LocalHttpServer::ClosedAddress("/results.csv"), "", false},
        {server.Address("/hangs"), "the download was cancelled", true},
    };
    const std::string before = dir.Read(file);
    for (const auto& f : failed) {
        desktop.WriteSettings(kResultsSection, {{GameName(game), f.address}});
        answerer.cancel = f.cancel;
        main.mnuUpdateDownloadResults.Click();
        ASSERT_FALSE(answerer.messages.empty());
        EXPECT_TRUE(answerer.messages.back().starts_with(ResultsFailureText(game, f.address, f.reason)))
            << answerer.messages.back();
        EXPECT_TRUE(dir.Read(file) == before);
    }

    test::TempDir engine;
    engine.Write(file, before);
    const auto merged = MergeDownloadedResults(game, body, engine.Path());
    ASSERT_TRUE(merged.has_value());
    desktop.WriteSettings(kResultsSection, {{GameName(game), server.Address("/results.csv")}});
    answerer.cancel = false;
    main.mnuUpdateDownloadResults.Click();
    EXPECT_TRUE(answerer.messages.back().starts_with(ResultsMergeText(game, *merged)))
        << answerer.messages.back();
    EXPECT_TRUE(dir.Read(file) == engine.Read(file));
    EXPECT_EQ(main.txtDrawDate.text, "03/10/2026");
}

}  // namespace
}  // namespace quintara::ui
