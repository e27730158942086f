#include "ScriptCommand.h"

#include "BarCodeClasses.h"
#include "PagewrightErrors.h"
#include "TemplateClasses.h"
#include "TppReport.h"
#include "TppReportTemplate.h"
#include "TraCodeModule.h"
#include "TraScriptFile.h"

#include <QFile>
#include <memory>

namespace {

constexpr const char* kUsage =
    "Usage: pagewright script FILE [--report TEMPLATE] [--script-timeout SECONDS]\n";

struct ScriptOptions {
    QString file;
    QString report;
    double timeoutSeconds = 0;
};

bool parse(const QStringList& arguments, ScriptOptions& options, QString& error) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--report" || argument == u"--script-timeout") {
            if (i + 1 >= arguments.size()) {
                error = argument + QStringLiteral(" needs a value");
                return false;
            }
            const QString value = arguments[++i];
            if (argument == u"--report") {
                options.report = value;
                continue;
            }
            bool ok = false;
            options.timeoutSeconds = value.toDouble(&ok);
            if (!ok || options.timeoutSeconds <= 0) {
                error = QStringLiteral("--script-timeout expects a number of seconds, not \"%1\"").arg(value);
                return false;
            }
        } else if (argument.startsWith(u"--") || !options.file.isEmpty()) {
            error = QStringLiteral("unexpected \"%1\"").arg(argument);
            return false;
        } else {
            options.file = argument;
        }
    }
    if (options.file.isEmpty()) {
        error = QStringLiteral("which FILE?");
        return false;
    }
    return true;
}

// The template's report on a form, as an application holds it, with its code
// module (a new one when the template has none).
struct ScriptReport {
    OwnedComponent form;
    TppReport* report = nullptr;
    TraCodeModule* module = nullptr;

    explicit ScriptReport(const QString& path) {
        form.SetName(QStringLiteral("Form1"));
        report = new TppReport(&form);
        report->SetName(QStringLiteral("Report1"));
        TppReportTemplate& reportTemplate = ReportTemplate(*report);
        reportTemplate.SetFileName(path);
        reportTemplate.LoadFromFile();
        module =
            static_cast<TraCodeModule*>(TppReportModule::Find(*report, TraCodeModule::staticClassInfo()));
        if (!module) {
            module = new TraCodeModule(&form);
            module->SetParent(report);
        }
    }
};

} // namespace

int runScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    ScriptOptions options;
    QString error;
    if (!parse(arguments, options, error)) {
        err << "pagewright script: " << error << "\n" << kUsage;
        return 2;
    }
    QFile file(options.file);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "pagewright script: cannot read " << options.file << ": " << file.errorString() << "\n";
        return 1;
    }
    // The settings are fixed, not the machine's, so a script prints the same
    // text everywhere.
    TraEnvironment environment;
    environment.settings = FormatSettings::invariant();
    environment.beep = [&err] { err << '\a' << Qt::flush; };
    environment.timeoutSeconds = options.timeoutSeconds;
    // Script text is 8-bit: its bytes go out as they are, whatever the encoding.
    auto write = [&out](const QByteArray& bytes) {
        out.flush();
        if (QIODevice* device = out.device())
            device->write(bytes);
        else
            out << QString::fromLatin1(bytes);
    };
    std::unique_ptr<ScriptReport> report;
    if (!options.report.isEmpty()) {
        registerBarCodeClasses();
        registerTemplateClasses();
        registerScriptClasses();
        try {
            report = std::make_unique<ScriptReport>(options.report);
        } catch (const EPagewrightError& failure) {
            err << "pagewright script: " << failure.message() << "\n";
            return 1;
        }
    }
    const int status = runScriptFile(file.readAll(), environment, write, report ? report->module : nullptr);
    if (QIODevice* device = out.device())
        if (auto* output = qobject_cast<QFile*>(device))
            output->flush();
    return status;
}
