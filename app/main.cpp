#include "MessageBoxPrompter.h"
#include "ScheduleCommand.h"
#include "TfrmMain.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <cstdio>

namespace {

// Stands in for the report engine until the preview and the designer are built in.
class ReportsNotBuiltYet final : public ReportActions {
public:
    explicit ReportsNotBuiltYet(Prompter& prompter) : prompter_(prompter) {}
    void loadTemplate(const QString&) override {}
    void preview(const ReportHeader&) override { tell(); }
    void design(const QString&) override { tell(); }

private:
    void tell() { prompter_.showMessage(QStringLiteral("Reports are not available in this version of Kestrel.")); }
    Prompter& prompter_;
};

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    SystemClock clock;
    MessageBoxPrompter prompter;
    ReportsNotBuiltYet reports(prompter);
    MainWindowServices services;
    services.prompter = &prompter;
    services.clock = &clock;
    services.appDir = QCoreApplication::applicationDirPath();
    services.settings = FormatSettings::fromLocale(QLocale::system());
    services.openTarget = [](const QString& target) { QDesktopServices::openUrl(QUrl::fromUserInput(target)); };
    services.reports = &reports;
    TfrmMain window(services);
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
    if (!command.isEmpty()) {
        std::fprintf(stderr, "kestrel: unknown command \"%s\"\n\n%s", argv[1], kestrelUsage().toLocal8Bit().constData());
        return 2;
    }
    return runWindow(argc, argv);
}
