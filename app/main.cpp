#include "ExportCommand.h"
#include "HeadlessPlatform.h"
#include "MessageBoxPrompter.h"
#include "PageFetcher.h"
#include "PreviewForms.h"
#include "ReportCommand.h"
#include "ScheduleCommand.h"
#include "TfrmMain.h"
#include "WindowReportActions.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>

namespace {

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    SystemClock clock;
    MessageBoxPrompter prompter;
    const FormatSettings settings = FormatSettings::fromLocale(QLocale::system());
    registerPreviewForms({&prompter, {}});
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
                                FormatSettings::fromLocale(QLocale::system()), QCoreApplication::applicationDirPath());
    }
    if (!command.isEmpty()) {
        std::fprintf(stderr, "kestrel: unknown command \"%s\"\n\n%s", argv[1], kestrelUsage().toLocal8Bit().constData());
        return 2;
    }
    return runWindow(argc, argv);
}
