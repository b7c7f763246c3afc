#include "qt/QtPlatform.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextFrame>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <iostream>

#include "qt/DeferredIcons.h"
#include "qt/HelpWindow.h"
#include "qt/QtText.h"

namespace quintara {

namespace {

// Hands the activation back to the window that was active before a dialog, as window managers do; without
// one (a bare X server, the offscreen platform) nothing else would.
class ReactivateAfterwards {
public:
    ReactivateAfterwards() : m_window(QApplication::activeWindow()) {}
    ReactivateAfterwards(const ReactivateAfterwards&) = delete;
    ReactivateAfterwards& operator=(const ReactivateAfterwards&) = delete;
    ~ReactivateAfterwards() {
        if (m_window != nullptr && m_window->isVisible()) {
            m_window->activateWindow();
        }
    }
    QWidget* Window() const { return m_window; }

private:
    QPointer<QWidget> m_window;
};

// Keys in index order: "RecentFile2" before "RecentFile10".
bool KeyBefore(const QString& left, const QString& right) {
    static const QRegularExpression trailingNumber(QStringLiteral("^(.*?)(\\d+)$"));
    const auto l = trailingNumber.match(left);
    const auto r = trailingNumber.match(right);
    if (l.hasMatch() && r.hasMatch() && l.captured(1) == r.captured(1)) {
        return l.captured(2).toULongLong() < r.captured(2).toULongLong();
    }
    return left < right;
}

// The settings store, or none when its file is something other than a plain file: Qt would wait for
// ever on a pipe and cannot keep settings in a folder or a device, so the program starts without its
// recent files and says why on its error output.
std::unique_ptr<QSettings> OpenSettings(const QString& settingsFile) {
    const QString path = settingsFile.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                   QStringLiteral("/Quintara/Quintara.conf")
                             : settingsFile;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        std::cerr << "quintara: the settings file " << path.toStdString()
                  << " is not a plain file; it is ignored, and the recent files are not kept\n";
        return nullptr;
    }
    return settingsFile.isEmpty()
               ? std::make_unique<QSettings>(QStringLiteral("Quintara"), QStringLiteral("Quintara"))
               : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
}

}  // namespace

QStringList ToQtNameFilters(std::string_view filter) {
    const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
    static const QRegularExpression trailingGroup(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        QString description = parts[i];
        description.remove(trailingGroup);
        description = description.trimmed();
        filters.append((description.isEmpty() ? QString() : description + QLatin1Char(' ')) +
                       QLatin1Char('(') + patterns.trimmed() + QLatin1Char(')'));
    }
    return filters;
}

QtPlatform::QtPlatform(std::string applicationDirectory, const QString& settingsFile)
    : m_applicationDirectory(std::move(applicationDirectory)), m_settings(OpenSettings(settingsFile)) {
    DeferOverflowIcons();
}

QtPlatform::~QtPlatform() {
    SetBusyPointer(false);
}

void QtPlatform::MsgBox(std::string_view text, std::string_view title, ui::MsgBoxIcon icon) {
    m_renderer.RefreshAll();
    const ReactivateAfterwards owner;
    QMessageBox box(icon == ui::MsgBoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    ToQt(title), ToQtLines(text), QMessageBox::Ok, owner.Window());
    box.exec();
}

bool QtPlatform::AskYesNo(std::string_view text, std::string_view title) {
    m_renderer.RefreshAll();
    const ReactivateAfterwards owner;
    QMessageBox box(QMessageBox::Question, ToQt(title), ToQtLines(text), QMessageBox::Yes | QMessageBox::No,
                    owner.Window());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::string QtPlatform::InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText) {
    m_renderer.RefreshAll();
    const ReactivateAfterwards owner;
    QInputDialog dialog(owner.Window());
    dialog.setWindowTitle(ToQt(title));
    dialog.setLabelText(ToQtLines(prompt));
    dialog.setTextValue(ToQt(defaultText));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue().toStdString() : std::string();
}

std::string QtPlatform::FileDialog(DialogKind kind, std::string_view filter, std::string_view proposedName) {
    const bool save = kind != DialogKind::Open;
    m_renderer.RefreshAll();
    const ReactivateAfterwards owner;
    QFileDialog dialog(owner.Window());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = ToQtNameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    if (kind == DialogKind::Save) {
        // A name typed without an extension gets the one of the chosen filter, as desktop programs do.
        static const QRegularExpression simplePattern(QStringLiteral("\\(\\*\\.(\\w+)[ )]"));
        const auto updateSuffix = [&dialog](const QString& chosenFilter) {
            const auto match = simplePattern.match(chosenFilter);
            dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : QString());
        };
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, updateSuffix);
        updateSuffix(dialog.selectedNameFilter());
    }
    // Each kind of file (told by its filter) opens where the user last took or put one.
    const QString folderKey = QStringLiteral("Last Folders/") + ToQt(filter);
    const QString lastFolder = m_settings->value(folderKey).toString();
    if (!lastFolder.isEmpty() && QDir(lastFolder).exists()) {
        dialog.setDirectory(lastFolder);
    }
    if (!proposedName.empty()) {
        dialog.selectFile(ToQt(proposedName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    m_settings->setValue(folderKey, QFileInfo(chosen).absolutePath());
    return chosen.toStdString();
}

std::string QtPlatform::FileOpenDialog(std::string_view filter, std::string_view proposedName) {
    return FileDialog(DialogKind::Open, filter, proposedName);
}

std::string QtPlatform::FileSaveDialog(std::string_view filter, std::string_view proposedName) {
    return FileDialog(DialogKind::Save, filter, proposedName);
}

std::string QtPlatform::FileSaveDialogAsTyped(std::string_view filter, std::string_view proposedName) {
    return FileDialog(DialogKind::SaveAsTyped, filter, proposedName);
}

QPrinter& QtPlatform::Printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

void QtPlatform::PrintToFile(const QString& pdfPath) {
    QPrinter& printer = Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    m_answerPrinterDialog = true;
}

bool QtPlatform::PrinterDialog() {
    if (m_answerPrinterDialog) {
        return true;
    }
    m_renderer.RefreshAll();
    const ReactivateAfterwards owner;
    // The dialog sets the printer up in place: printer, output file and format, paper, all kept for printing.
    QPrintDialog dialog(&Printer(), owner.Window());
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::PrintText(std::string_view text, const ui::PrintSettings& settings) {
    QPrinter& printer = Printer();
    printer.setCopyCount(settings.copies);
    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer)) {
        return false;
    }
    // Fixed pitch, so that the columns of the program's listings stay in line on paper.
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(settings.fontSize);
    font.setBold(settings.fontBold);
    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(ToQtLines(text) + QLatin1Char('\n'));
    // Laid out for the printer's page, 0.75 cm clear at the sides (so that a listing's six numbers stay on
    // one line of A4) and 1.5 cm at top and bottom; the layout takes frame margins in screen pixels and
    // scales them to the printer itself.
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    layout->setPaintDevice(&printer);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal screenDpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setLeftMargin(0.75 / 2.54 * screenDpi);
    frame.setRightMargin(0.75 / 2.54 * screenDpi);
    frame.setTopMargin(1.5 / 2.54 * screenDpi);
    frame.setBottomMargin(1.5 / 2.54 * screenDpi);
    document.rootFrame()->setFrameFormat(frame);
    const QSizeF page(printer.width(), printer.height());
    document.setPageSize(page);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        const QRectF shown(QPointF(0, i * page.height()), page);
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        context.clip = shown;
        layout->draw(&painter, context);
        painter.restore();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

bool QtPlatform::PrintFormImage(ui::Form& form) {
    // The grab brings the window up to date and lays it out.
    if (m_renderer.Grab(form).isNull()) {
        return false;
    }
    QWidget& window = m_renderer.Window(form);
    QPrinter& printer = Printer();
    // A wide window goes across a landscape page; the text prints that follow keep the page they had.
    const QPageLayout::Orientation before = printer.pageLayout().orientation();
    printer.setPageOrientation(window.width() > window.height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    QPainter painter;
    bool printed = printer.isValid() && painter.begin(&printer);
    if (printed) {
        // Drawn, not copied as pixels: text and bars stay sharp at the printer's resolution, and the
        // window's labels come out at a readable size once it spans the page.
        const QRect page = painter.viewport();
        const qreal scale = std::min(static_cast<qreal>(page.width()) / std::max(window.width(), 1),
                                     static_cast<qreal>(page.height()) / std::max(window.height(), 1));
        painter.scale(scale, scale);
        window.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        printed = painter.end() && printer.printerState() != QPrinter::Error;
    }
    printer.setPageOrientation(before);
    return printed;
}

ui::SettingsSection QtPlatform::ReadSettings(std::string_view section) {
    if (!m_settings) {
        return {};
    }
    m_settings->beginGroup(ToQt(section));
    QStringList keys = m_settings->childKeys();
    std::sort(keys.begin(), keys.end(), KeyBefore);
    ui::SettingsSection pairs;
    for (const QString& key : keys) {
        pairs.emplace_back(key.toStdString(), m_settings->value(key).toString().toStdString());
    }
    m_settings->endGroup();
    return pairs;
}

void QtPlatform::WriteSettings(std::string_view section, const ui::SettingsSection& values) {
    if (!m_settings) {
        return;
    }
    m_settings->beginGroup(ToQt(section));
    for (const auto& [key, value] : values) {
        m_settings->setValue(ToQt(key), ToQt(value));
    }
    m_settings->endGroup();
    m_settings->sync();
}

bool QtPlatform::ShellOpen(std::string_view target) {
    const QString address = ToQt(target);
    const bool isAddress =
        address.contains(QStringLiteral("://")) || address.startsWith(QStringLiteral("mailto:"));
    return QDesktopServices::openUrl(isAddress ? QUrl(address) : QUrl::fromLocalFile(address));
}

ui::Downloaded QtPlatform::Download(std::string_view address, std::string_view title, std::size_t mostBytes) {
    m_renderer.RefreshAll();
    const ReactivateAfterwards owner;
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(ToQt(address)));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quintara"));
    // A server that stops sending is given up after this long without a byte.
    request.setTransferTimeout(m_downloadTimeoutMs);
    QNetworkReply* reply = network.get(request);
    reply->setReadBufferSize(0);

    QProgressDialog progress(QObject::tr("Downloading %1").arg(ToQt(address)), QObject::tr("Cancel"), 0, 0,
                             owner.Window());
    progress.setWindowTitle(ToQt(title));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);

    enum class Ended { No, Cancelled, TooLarge, TimedOut };
    Ended ended = Ended::No;
    const auto end = [&](Ended why) {
        if (ended == Ended::No) {
            ended = why;
            reply->abort();
        }
    };
    QObject::connect(&progress, &QProgressDialog::canceled, reply, [&] { end(Ended::Cancelled); });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &progress, [&](qint64 received, qint64 total) {
        if (received > static_cast<qint64>(mostBytes)) {
            end(Ended::TooLarge);
        } else if (total > 0) {
            progress.setMaximum(100);
            progress.setValue(static_cast<int>(received * 100 / total));
        }
    });
    // The whole transfer has a limit too, as a trickle of bytes would never trip the one above.
    QTimer whole;
    whole.setSingleShot(true);
    QObject::connect(&whole, &QTimer::timeout, reply, [&] { end(Ended::TimedOut); });
    whole.start(m_downloadTimeoutMs * 4);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    progress.show();
    if (!reply->isFinished()) {
        loop.exec();
    }
    progress.hide();

    ui::Downloaded downloaded;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    reply->deleteLater();
    if (ended == Ended::Cancelled) {
        downloaded.failure = "the download was cancelled";
    } else if (ended == Ended::TooLarge) {
        downloaded.failure = "the answer is larger than " +
                             std::to_string(mostBytes / (std::size_t{1024} * 1024)) +
                             " MB, which no results file is";
    } else if (ended == Ended::TimedOut || error == QNetworkReply::OperationCanceledError) {
        downloaded.failure = "the server did not answer in time";
    } else if (status >= 400) {
        downloaded.failure = "the server answered HTTP " + std::to_string(status);
    } else if (error != QNetworkReply::NoError) {
        downloaded.failure = errorText.toStdString();
    } else {
        downloaded.ok = true;
        downloaded.body = reply->readAll().toStdString();
    }
    return downloaded;
}

bool QtPlatform::ShowHelp(std::string_view htmlFile) {
    if (!m_help) {
        m_help = std::make_unique<HelpWindow>();
    }
    if (!m_help->Open(ToQt(htmlFile))) {
        return false;
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    return true;
}

void QtPlatform::ProcessEvents(int /*times*/) {
    // One real turn does what many empty ones would: the windows are brought up to date and every
    // waiting event is handled.
    m_renderer.RefreshAll();
    QCoreApplication::processEvents();
}

void QtPlatform::SetBusyPointer(bool busy) {
    if (busy == m_busy) {
        return;
    }
    m_busy = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtPlatform::Beep() {
    QApplication::beep();
}

int QtPlatform::ScreenWidth() const {
    return m_renderer.ToTwips(QGuiApplication::primaryScreen()->geometry().width());
}

int QtPlatform::ScreenHeight() const {
    return m_renderer.ToTwips(QGuiApplication::primaryScreen()->geometry().height());
}

}  // namespace quintara
