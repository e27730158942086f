#include "AutoSearchForms.h"
#include "BarCodeClasses.h"
#include "DesignerClasses.h"
#include "EngineClasses.h"
#include "ExportCommand.h"
#include "HeadlessPlatform.h"
#include "LanguageModules.h"
#include "MessageBoxPrompter.h"
#include "PageFetcher.h"
#include "PagewrightErrors.h"
#include "PreviewForms.h"
#include "PrintDialogForms.h"
#include "QtPrinterCatalog.h"
#include "ReportCommand.h"
#include "ScheduleCommand.h"
#include "TemplateClasses.h"
#include "TfrmMain.h"
#include "TppArchiveReport.h"
#include "TppPrinterList.h"
#include "TppPrinterSetup.h"
#include "TppWizardRegistry.h"
#include "Units.h"
#include "WindowReportActions.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>

namespace {

// The window's pixels per inch of the paper: the screen's physical density in the window's
// (device-independent) pixels, so that a page at 100 % is as large as on paper. A screen that
// reports no believable size keeps the density the desktop is set to.
int windowPixelsPerInch(const QScreen& screen, Axis axis) {
    const qreal physical =
        axis == Axis::Horizontal ? screen.physicalDotsPerInchX() : screen.physicalDotsPerInchY();
    const qreal logical =
        axis == Axis::Horizontal ? screen.logicalDotsPerInchX() : screen.logicalDotsPerInchY();
    const qreal perWindowPixel = physical / std::max<qreal>(screen.devicePixelRatio(), 1);
    return qRound(perWindowPixel >= 50 && perWindowPixel <= 400 ? perWindowPixel : logical);
}

// The preview at 100 % follows the screen the window opens on, not the 96 pixels an inch of a
// screen nobody has described.
FixedResolution windowScreenResolution() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? FixedResolution(windowPixelsPerInch(*primary, Axis::Horizontal),
                                     windowPixelsPerInch(*primary, Axis::Vertical))
                   : FixedResolution(screenResolution().pixelsPerInch(Axis::Horizontal));
}

// The preview window on the pages of an archive, turned as a report's are.
int runArchivePreview(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    const QStringList arguments = QCoreApplication::arguments().mid(2);
    if (arguments.size() != 1 || arguments[0].startsWith(u"--")) {
        std::fprintf(stderr, "kestrel preview: which ARCHIVE?\n\n%s",
                     kestrelUsage().toLocal8Bit().constData());
        return 2;
    }
    const FixedResolution screen = windowScreenResolution();
    registerEngineClasses();
    registerBarCodeClasses();
    registerTemplateClasses();
    MessageBoxPrompter prompter;
    registerPreviewForms({&prompter, {}, &screen});
    registerPrintDialogs(&prompter);
    OwnedComponent form;
    auto* report = new TppArchiveReport(&form);
    try {
        report->LoadFromFile(arguments[0]);
        report->Print();
    } catch (const EPagewrightError& error) {
        std::fprintf(stderr, "kestrel preview: %s\n", error.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    // Only the window opens the designer.
    const LanguageModuleRegistration designerTexts(kDesignerLanguageModule);
    const FixedResolution screen = windowScreenResolution();
    SystemClock clock;
    MessageBoxPrompter prompter;
    const FormatSettings settings = FormatSettings::fromLocale(QLocale::system());
    registerPreviewForms({&prompter, {}, &screen});
    registerPrintDialogs(&prompter);
    registerAutoSearchDialog();
    registerReportWizards();
    registerDesignerClasses();
    WindowReportActions reports(prompter, settings, clock);
    MainWindowServices services;
    services.prompter = &prompter;
    services.clock = &clock;
    services.appDir = QCoreApplication::applicationDirPath();
    services.settings = settings;
    services.openTarget = [](const QUrl& target) { return QDesktopServices::openUrl(target); };
    services.reports = &reports;
    services.documentsDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (services.documentsDir.isEmpty())
        services.documentsDir = QDir::homePath();
    NetworkPageFetcher adsPage;
    services.adsPage = &adsPage;
    TfrmMain window(services);
    reports.setSchedule(&window.scheduleTable());
    prompter.setParent(&window);
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    // Every command sees the printers the printing system has.
    TppPrinterList::instance().setCatalog(std::make_shared<QtPrinterCatalog>());
    // The print subsystem serves every command (the report's pages, the preview, the printer).
    const LanguageModuleRegistration printTexts(kPrintLanguageModule);
    // New reports print on the paper of the user's part of the world: Letter where numbers are
    // written with a decimal point, A4 elsewhere.
    TppPrinterSetup::SetLocaleDecimalSeparator(
        FormatSettings::fromLocale(QLocale::system()).decimalSeparator);
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == u"--help" || command == u"-h") {
        std::fputs(kestrelUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (command == u"schedule") {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        SystemClock clock;
        return runScheduleCommand(QCoreApplication::arguments().mid(2), out, err, clock,
                                  FormatSettings::fromLocale(QLocale::system()));
    }
    if (command == u"export") {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        SystemClock clock;
        return runExportCommand(QCoreApplication::arguments().mid(2), out, err, clock,
                                FormatSettings::fromLocale(QLocale::system()));
    }
    if (command == u"report") {
        // Pages are drawn off screen; no window opens.
        prepareHeadlessPlatform();
        QGuiApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        SystemClock clock;
        return runReportCommand(QCoreApplication::arguments().mid(2), out, err, clock,
                                FormatSettings::fromLocale(QLocale::system()),
                                QCoreApplication::applicationDirPath());
    }
    if (command == u"preview")
        return runArchivePreview(argc, argv);
    if (!command.isEmpty()) {
        std::fprintf(stderr, "kestrel: unknown command \"%s\"\n\n%s", argv[1],
                     kestrelUsage().toLocal8Bit().constData());
        return 2;
    }
    return runWindow(argc, argv);
}
