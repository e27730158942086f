#include "RenderCommand.h"

#include "BarCodeClasses.h"
#include "DataSource.h"
#include "DataSourceOption.h"
#include "HeadlessPrint.h"
#include "PageList.h"
#include "PagewrightErrors.h"
#include "TemplateClasses.h"
#include "TemplatePipelineNames.h"
#include "TppArchiveDevice.h"
#include "TppDBPipeline.h"
#include "TppReport.h"
#include "TppReportTemplate.h"
#include "TppReportTextFileDevice.h"
#include "TppTextFileDevice.h"
#include "TraCodeModule.h"

#include <QFile>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr const char* kSynopsis = "pagewright render TEMPLATE [--data NAME=SOURCE ...] [--pass one|two] "
                                  "[--pages LIST] [--ignore-read-errors] [--dump | --png DIR [--dpi N]] "
                                  "[--text FILE] [--report-text FILE] [--archive FILE]\n"
                                  "                  [--allow-file-access] [--script-timeout SECONDS]";

constexpr const char* kDetails =
    "Loads TEMPLATE, generates its pages and writes them: --dump prints each page\n"
    "as text (\"page N of M\", then one line per draw command), --png DIR writes\n"
    "page-0001.png ...: the paper alone as the preview shows it at 100 %, or at\n"
    "N pixels an inch with --dpi N (a Letter page is 816 x 1056 at 96).\n"
    "  --data NAME=SOURCE  the rows of the template's pipeline NAME: its user name,\n"
    "                      which the template refers to as \"pp\" and NAME (as the\n"
    "                      designer names pipelines) or as NAME itself. SOURCE is a\n"
    "                      CSV file (first line the field names, each optionally\n"
    "                      name:dtType, e.g. AMOUNT:dtCurrency; \".\" decimals, ISO\n"
    "                      dates), sqlite:PATH?table=T or sqlite:PATH?query=SELECT ...\n"
    "  --pass two          count all pages first, so \"Page n of m\" is known;\n"
    "                      --pass one overrides a template that asks for two\n"
    "  --pages LIST        only these pages, e.g. 1,3,5-12\n"
    "  --text FILE         the texts the template saves (Save on band and text),\n"
    "                      one record per band, as its TextFileType says: comma,\n"
    "                      tab, fixed-length or custom\n"
    "  --report-text FILE  each page as 66 lines of 80 characters\n"
    "  --archive FILE      the pages themselves, for pagewright archive\n"
    "  --ignore-read-errors  a template property or object that cannot be read is\n"
    "                      skipped, as \"Ignore All\" does, and named on standard\n"
    "                      error; without it the first one ends the render\n"
    "  --allow-file-access  let the template's scripts use members that read or\n"
    "                      write files (SaveToFile, LoadFromFile); refused without it\n"
    "  --script-timeout SECONDS  a script program (an event handler ...) that runs\n"
    "                      longer fails the render with a script error; off by default\n"
    "Give --dump or --png DIR, a file option, or both.\n"
    "A template or data error prints the message and the status is 1, a usage\n"
    "mistake 2; a report without pages writes nothing and the status is 0.\n";

struct UsageError {
    QString message;
};

// The files a render writes besides (or instead of) the page output.
struct FileOutputs {
    QString text;       // --text: the template's TextFileType
    QString reportText; // --report-text: the 80 x 66 grid
    QString archive;    // --archive

    bool any() const { return !text.isEmpty() || !reportText.isEmpty() || !archive.isEmpty(); }

    // Takes the file options out of `arguments`.
    static FileOutputs take(QStringList& arguments) {
        FileOutputs outputs;
        const std::pair<const char*, QString FileOutputs::*> options[] = {
            {"--text", &FileOutputs::text},
            {"--report-text", &FileOutputs::reportText},
            {"--archive", &FileOutputs::archive},
        };
        for (qsizetype i = 0; i < arguments.size();) {
            const auto option = std::find_if(std::begin(options), std::end(options), [&](const auto& entry) {
                return arguments[i] == QLatin1String(entry.first);
            });
            if (option == std::end(options)) {
                ++i;
                continue;
            }
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(u"--"))
                throw UsageError{QStringLiteral("%1 needs a file").arg(arguments[i])};
            if (!(outputs.*option->second).isEmpty())
                throw UsageError{QStringLiteral("%1 is given twice").arg(arguments[i])};
            outputs.*option->second = arguments[i + 1];
            arguments.remove(i, 2);
        }
        return outputs;
    }

    // Hands the pages to each file device as a print job would.
    void write(TppReport& report, const PageList& pages) const {
        TppTextFileDevice textFile;
        TppReportTextFileDevice reportTextFile;
        reportTextFile.GridFromFont = false;
        TppArchiveDevice archiveFile;
        const std::pair<TppFileDevice*, QString> devices[] = {
            {&textFile, text}, {&reportTextFile, reportText}, {&archiveFile, archive}};
        for (const auto& [device, fileName] : devices) {
            if (fileName.isEmpty())
                continue;
            report.PrepareFileDevice(*device, fileName);
            device->BeginJob();
            for (const auto& page : pages)
                device->AcceptPage(*page);
            device->FinishJob();
        }
    }
};

struct RenderOptions {
    QString templatePath;
    std::vector<DataSourceOption> data;
    std::optional<TppPassSettingType> passes; // the template's own when not given
    TppPageRequest request;
    std::optional<PageOutput> output;
    FileOutputs files;
    bool ignoreReadErrors = false;
    bool allowFileAccess = false;
    double scriptTimeout = 0;
};

struct HelpWanted {};

QString valueOf(const QStringList& arguments, qsizetype& i) {
    if (i + 1 >= arguments.size())
        throw UsageError{QStringLiteral("%1 needs a value").arg(arguments[i])};
    return arguments[++i];
}

RenderOptions parseOptions(QStringList arguments) {
    if (arguments.contains(u"--help") || arguments.contains(u"-h"))
        throw HelpWanted{};
    RenderOptions options;
    options.files = FileOutputs::take(arguments);
    const bool pageOutputGiven = arguments.contains(u"--dump") || arguments.contains(u"--png");
    if (pageOutputGiven || !options.files.any()) {
        QString error;
        options.output = PageOutput::take(arguments, error);
        if (!options.output)
            throw UsageError{error};
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--data") {
            const QString text = valueOf(arguments, i);
            const auto option = DataSourceOption::parse(text);
            if (!option)
                throw UsageError{QStringLiteral("--data expects NAME=SOURCE, not \"%1\"").arg(text)};
            for (const DataSourceOption& earlier : options.data)
                if (earlier.pipelineName.compare(option->pipelineName, Qt::CaseInsensitive) == 0)
                    throw UsageError{
                        QStringLiteral("--data names the pipeline %1 twice").arg(option->pipelineName)};
            options.data.push_back(*option);
        } else if (argument == u"--pass") {
            const QString pass = valueOf(arguments, i);
            if (pass != u"two" && pass != u"one")
                throw UsageError{QStringLiteral("--pass is one or two")};
            options.passes = pass == u"two" ? psTwoPass : psOnePass;
        } else if (argument == u"--pages") {
            const QString list = valueOf(arguments, i);
            QStringList pages;
            if (!ParsePageList(list, pages, true) || pages.isEmpty())
                throw UsageError{
                    QStringLiteral("--pages: \"%1\" is not a list of pages such as 1,3,5-12").arg(list)};
            options.request.PageSetting = psPageList;
            options.request.PageList = pages;
        } else if (argument == u"--ignore-read-errors") {
            options.ignoreReadErrors = true;
        } else if (argument == u"--allow-file-access") {
            options.allowFileAccess = true;
        } else if (argument == u"--script-timeout") {
            const QString seconds = valueOf(arguments, i);
            bool ok = false;
            options.scriptTimeout = seconds.toDouble(&ok);
            if (!ok || options.scriptTimeout <= 0)
                throw UsageError{
                    QStringLiteral("--script-timeout expects a number of seconds, not \"%1\"").arg(seconds)};
        } else if (argument.startsWith(u"--") || !options.templatePath.isEmpty()) {
            throw UsageError{QStringLiteral("unexpected \"%1\"").arg(argument)};
        } else {
            options.templatePath = argument;
        }
    }
    if (options.templatePath.isEmpty())
        throw UsageError{QStringLiteral("which TEMPLATE?")};
    return options;
}

// The component name the template calls the pipeline with user name `name`
// by: the designer's "pp" and the user name, or, in a template written by
// hand, the user name itself. EDataError when it refers to pipelines but not
// to this one, which is a misspelt NAME more often than not.
QString pipelineComponentName(const QString& name, const QStringList& referred) {
    const QString designed = QStringLiteral("pp") + name;
    if (referred.isEmpty() || referred.contains(designed, Qt::CaseInsensitive))
        return designed;
    if (referred.contains(name, Qt::CaseInsensitive))
        return name;
    throw EDataError(QStringLiteral("The template has no pipeline %1; it refers to %2.")
                         .arg(name, referred.join(QStringLiteral(", "))));
}

// The report and what it reads live on one form, as in an application, so
// the template's references to pipelines resolve to the ones made here.
struct RenderForm {
    std::vector<std::unique_ptr<Dataset>> datasets; // outlive the form's pipelines
    OwnedComponent form;
    TppReport* report = nullptr;

    RenderForm(const std::vector<DataSourceOption>& data, const QStringList& referred) {
        form.SetName(QStringLiteral("Form1"));
        for (const DataSourceOption& option : data) {
            const QString componentName = pipelineComponentName(option.pipelineName, referred);
            datasets.push_back(option.open());
            auto* source = new DataSource(&form, datasets.back().get());
            auto* pipeline = new TppDBPipeline(&form);
            pipeline->SetName(componentName);
            pipeline->SetUserName(option.pipelineName);
            pipeline->SetDataSource(source);
        }
        report = new TppReport(&form);
        report->SetName(QStringLiteral("Report1"));
    }
};

// What a script's ShowMessage says, on a line of its own.
class StreamPrompter final : public Prompter {
public:
    explicit StreamPrompter(QTextStream& stream) : stream_(stream) {}
    void showMessage(const QString& text) override { stream_ << text << "\n"; }

private:
    QTextStream& stream_;
};

QStringList pipelineNamesInFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? pipelineNamesReferredTo(file.readAll()) : QStringList();
}

} // namespace

int runRenderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Clock& clock) {
    RenderOptions options;
    try {
        options = parseOptions(arguments);
    } catch (const HelpWanted&) {
        out << "Usage: " << kSynopsis << "\n" << kDetails;
        return 0;
    } catch (const UsageError& error) {
        err << "pagewright render: " << error.message << "\nUsage: " << kSynopsis << "\n" << kDetails;
        return 2;
    }
    registerBarCodeClasses();
    registerTemplateClasses();
    registerScriptClasses();
    try {
        RenderForm render(options.data, pipelineNamesInFile(options.templatePath));
        render.report->SetClock(&clock);
        TppReportTemplate& reportTemplate = ReportTemplate(*render.report);
        reportTemplate.SetFileName(options.templatePath);
        if (options.ignoreReadErrors)
            reportTemplate.OnReadError = [&err](const QString& message) {
                err << "pagewright render: skipped: " << message << "\n";
                return true;
            };
        reportTemplate.LoadFromFile();
        // ShowMessage of the template's scripts goes to standard error.
        StreamPrompter messages(err);
        if (auto* module = static_cast<TraCodeModule*>(
                TppReportModule::Find(*render.report, TraCodeModule::staticClassInfo()))) {
            TraEnvironment& environment = module->environment();
            environment.allowFileAccess = options.allowFileAccess;
            environment.timeoutSeconds = options.scriptTimeout;
            environment.prompter = &messages;
        }
        if (options.passes)
            render.report->SetPassSetting(*options.passes);
        const PageList pages = printToPages(*render.report, options.request);
        if (options.output)
            writePages(pages, *options.output, out);
        options.files.write(*render.report, pages);
    } catch (const EPagewrightError& error) {
        err << "pagewright render: " << error.message() << "\n";
        return 1;
    }
    return 0;
}

const PagewrightCommand renderCommand = {
    "render", kSynopsis, [](const QStringList& arguments, QTextStream& out, QTextStream& err) {
        // From the command line the report's dates and times are the machine's.
        const SystemClock clock;
        return runRenderCommand(arguments, out, err, clock);
    }};
