#include "ui/history/UpdateCommands.h"

#include "core/History.h"
#include "core/Product.h"
#include "core/TextRules.h"
#include "history/HistoryCsv.h"
#include "history/HistoryUpdate.h"
#include "history/ResultsDownload.h"
#include "ui/history/frmUpdateLottoHistory.h"
#include "ui/start/HelpCommands.h"

namespace quintara::ui {

namespace {

constexpr std::string_view kCsvFilter = "CSV files (*.csv)|*.csv";
constexpr std::string_view kImportTitle = "Import History";
constexpr std::string_view kDownloadTitle = "Download Latest Results";

std::string Draws(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " draw" : " draws");
}

// The Update menu's item of each game.
struct UpdateItem {
    std::string_view element;
    Game game;
};
constexpr auto kUpdateItems = std::to_array<UpdateItem>({
    {"mnuUpdateLottoHistory", Game::Lotto},
    {"mnuUpdateLottoExtraHistory", Game::LottoExtra},
    {"mnuUpdateThunderballHistory", Game::Thunderball},
    {"mnuUpdateDailyPlayHistory", Game::DailyPlay},
    {"mnuUpdateLotto59History", Game::Lotto59},
    {"mnuUpdateThunderball39History", Game::Thunderball39},
});

}  // namespace

void UpdateCommands::BindTo(MainWindow& main) {
    for (const UpdateItem& item : kUpdateItems) {
        main.Bind(item.element, MainWindow::Event::Click,
                  [this, game = item.game] { OpenUpdateWindow(game); });
    }
    static constexpr auto kReactions = std::to_array<Reaction<UpdateCommands>>({
        {"mnuUpdateImportHistory", &UpdateCommands::mnuUpdateImportHistory_Click},
        {"mnuUpdateDownloadResults", &UpdateCommands::mnuUpdateDownloadResults_Click},
        {"mnuUpdateGetHistoryFiles", &UpdateCommands::mnuUpdateGetHistoryFiles_Click},
    });
    BindReactions(main, *this, kReactions);
}

void UpdateCommands::OpenUpdateWindow(Game game) {
    FormManager::ReactionScope keepAlive(&m_app.forms);
    if (auto* open = m_app.forms.Find<frmUpdateLottoHistory>();
        open != nullptr && open->BoundGame() != game) {
        open->Unload();
    }
    m_main.LoadDraw(game);
    m_app.forms.Get<frmUpdateLottoHistory>(m_app, m_main, game).Show();
}

void UpdateCommands::ShowChangedHistory(Game game) {
    m_main.LoadDraw(game);
    if (auto* window = m_app.forms.Find<frmUpdateLottoHistory>();
        window != nullptr && window->BoundGame() == game) {
        window->OfferNextDraw();
    }
}

void UpdateCommands::mnuUpdateDownloadResults_Click() {
    const Game game = m_app.state.CurrentGameId();
    const std::string address = ResultsAddress(game, m_app.desktop.ReadSettings(kResultsSection));
    if (address.empty()) {
        m_app.desktop.MsgBox("No results of " + GameName(game) +
                                 " are published for downloading: it is no "
                                 "longer drawn." +
                                 std::string(kCrLf) + HowToGetDraws(game),
                             kDownloadTitle, MsgBoxIcon::Exclamation);
        return;
    }
    const Downloaded downloaded = m_app.desktop.Download(address, kDownloadTitle, kMostResultsBytes);
    if (!downloaded.ok) {
        m_app.desktop.MsgBox(ResultsFailureText(game, address, downloaded.failure), kDownloadTitle,
                             MsgBoxIcon::Exclamation);
        return;
    }
    BusyPointer busy(m_app.desktop);
    const auto report = MergeDownloadedResults(game, downloaded.body, m_app.appDir);
    if (!report) {
        busy.Restore();
        m_app.desktop.MsgBox(ResultsFailureText(game, address, report.error().text), kDownloadTitle,
                             MsgBoxIcon::Exclamation);
        return;
    }
    if (report->added > 0) {
        ShowChangedHistory(game);
    }
    std::string text = ResultsMergeText(game, *report);
    if (report->backup) {
        text += std::string(kCrLf) + "The previous history is kept as " + report->backup->string() + ".";
    }
    if (!report->saveWarning.empty()) {
        text += std::string(kCrLf) + report->saveWarning;
    }
    busy.Restore();
    m_app.desktop.MsgBox(text, kDownloadTitle);
}

void UpdateCommands::mnuUpdateGetHistoryFiles_Click() {
    const std::string_view page = Info(m_app.state.CurrentGameId()).resultsPage;
    if (page.empty()) {
        ShowManual(m_app, kHistoriesSection);
    } else {
        m_app.desktop.ShellOpen(page);
    }
}

void UpdateCommands::mnuUpdateImportHistory_Click() {
    const std::string path = m_app.desktop.FileOpenDialog(kCsvFilter, "");
    if (!path.empty()) {
        ImportHistoryFile(path);
    }
}

void UpdateCommands::ImportHistoryFile(const std::filesystem::path& csvPath) {
    const Game game = m_app.state.CurrentGameId();
    const std::string name = GameName(game);
    const auto historyPath = HistoryPath(m_app.appDir, game);
    const auto held = HistoryDrawCount(game, m_app.appDir);
    if (held && *held > 0) {
        const std::string question =
            "The " + name + " history holds " + Draws(static_cast<std::size_t>(*held)) +
            ". Replace it with the draws of " + csvPath.string() + "?" + std::string(kCrLf) +
            "The present history will be kept as " + BackupPathFor(historyPath).string() + ".";
        if (!m_app.desktop.AskYesNo(question, kImportTitle)) {
            return;
        }
    }
    BusyPointer busy(m_app.desktop);
    const auto report = ImportHistoryCsvFile(game, csvPath, m_app.appDir, ImportMode::Replace);
    if (!report) {
        busy.Restore();
        m_app.desktop.MsgBox(
            "The " + name + " history was not changed." + std::string(kCrLf) + report.error().text,
            kImportTitle, MsgBoxIcon::Exclamation);
        return;
    }
    ShowChangedHistory(game);
    std::string text = "Imported " + std::to_string(report->added) + " " + name +
                       (report->added == 1 ? " draw" : " draws") + " into " + historyPath.string() + ".";
    if (report->backup) {
        text += std::string(kCrLf) + "The previous history is kept as " + report->backup->string() + ".";
    }
    for (const auto& warning : report->warnings) {
        text += std::string(kCrLf) + warning;
    }
    if (!report->saveWarning.empty()) {
        text += std::string(kCrLf) + report->saveWarning;
    }
    busy.Restore();
    m_app.desktop.MsgBox(text, kImportTitle);
}

}  // namespace quintara::ui
