#include "RenderCommand.h"

#include "BarCodeClasses.h"
#include "CupsPrinterCatalog.h"
#include "DataSource.h"
#include "DataSourceOption.h"
#include "HeadlessPrint.h"
#include "MasterLinkOption.h"
#include "PageList.h"
#include "PageStream.h"
#include "PagewrightErrors.h"
#include "PrinterOutput.h"
#include "SearchOption.h"
#include "TemplateClasses.h"
#include "TemplatePipelineNames.h"
#include "TppArchiveDevice.h"
#include "TppAutoSearchField.h"
#include "TppDBPipeline.h"
#include "TppPdfFileDevice.h"
#include "TppPrinterList.h"
#include "TppReport.h"
#include "TppReportTemplate.h"
#include "TppReportTextFileDevice.h"
#include "TppSpreadsheetFileDevice.h"
#include "TppTextFileDevice.h"
#include "TraCodeModule.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr const char* kSynopsis =
    "pagewright render TEMPLATE [--data NAME=SOURCE ...] [--link DETAIL.FIELD=MASTER.FIELD ...] "
    "[--search NAME=VALUE ...] [--pass one|two] [--pages LIST] [--ignore-read-errors] [--dump | --png DIR "
    "[--dpi N]] "
    "[--text FILE] [--report-text FILE] [--archive FILE] [--pdf FILE] [--xlsx FILE] "
    "[--print [PRINTER] [--copies N] [--collate]] [--allow-file-access] [--script-timeout SECONDS]";

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
    "  --link DETAIL.FIELD=MASTER.FIELD  makes the --data pipeline DETAIL the detail\n"
    "                      of MASTER: it walks its records whose FIELD equals the\n"
    "                      master's, so its source must be sorted on FIELD; repeat\n"
    "                      --link for more fields of the same pair\n"
    "  --search NAME=VALUE  the value of the template's search criterion NAME (its\n"
    "                      name, or its field's name or alias), several values\n"
    "                      separated by commas, as its SearchExpression holds them;\n"
    "                      repeat for more criteria. Each criterion with a value,\n"
    "                      given here or stored in the template, keeps only the\n"
    "                      matching rows of its pipeline's --data: for sqlite: a\n"
    "                      WHERE clause around the table or query, its values bound\n"
    "                      as parameters (never part of the SQL text); for a CSV\n"
    "                      file the rows are filtered in memory. A criterion that\n"
    "                      shows all values keeps every row\n"
    "  --pass two          count all pages first, so \"Page n of m\" is known;\n"
    "                      --pass one overrides a template that asks for two\n"
    "  --pages LIST        only these pages, e.g. 1,3,5-12\n"
    "  --text FILE         the texts the template saves (Save on band and text),\n"
    "                      one record per band, as its TextFileType says: comma,\n"
    "                      tab, fixed-length or custom\n"
    "  --report-text FILE  each page as 66 lines of 80 characters\n"
    "  --archive FILE      the pages themselves, for pagewright archive\n"
    "  --pdf FILE          the pages as PDF, each on its own paper, fonts embedded,\n"
    "                      texts selectable, the document name as title\n"
    "  --xlsx FILE         the records of --text as a workbook: a row per record, a\n"
    "                      column per saved text; numbers and dates as typed cells\n"
    "  --print [PRINTER]   prints on the CUPS queue PRINTER (the default queue\n"
    "                      when none is named) as one job named after the\n"
    "                      report's DocumentName; a queue that is not there is\n"
    "                      refused, never replaced by another\n"
    "  --copies N          with --print: N copies (1 to 999), each page N times\n"
    "                      in a row, or with --collate the whole set N times\n"
    "  --ignore-read-errors  a template property or object that cannot be read is\n"
    "                      skipped, as \"Ignore All\" does, and named on standard\n"
    "                      error; without it the first one ends the render\n"
    "  --allow-file-access  let the template's scripts use members that read or\n"
    "                      write files (SaveToFile, LoadFromFile); refused without it\n"
    "  --script-timeout SECONDS  a script program (an event handler ...) that runs\n"
    "                      longer fails the render with a script error; off by default\n"
    "Give --dump or --png DIR, a file option, --print, or several. Pages are\n"
    "written as they are made; in one pass the dump and the archive wait for the\n"
    "page count.\n"
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
    QString pdf;        // --pdf
    QString xlsx;       // --xlsx

    bool any() const {
        return !text.isEmpty() || !reportText.isEmpty() || !archive.isEmpty() || !pdf.isEmpty() ||
               !xlsx.isEmpty();
    }

    // Takes the file options out of `arguments`.
    static FileOutputs take(QStringList& arguments) {
        FileOutputs outputs;
        const std::pair<const char*, QString FileOutputs::*> options[] = {
            {"--text", &FileOutputs::text},       {"--report-text", &FileOutputs::reportText},
            {"--archive", &FileOutputs::archive}, {"--pdf", &FileOutputs::pdf},
            {"--xlsx", &FileOutputs::xlsx},
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
};

// The devices of the file options, each given the pages of the job as it
// makes them.
struct FileDevices {
    TppTextFileDevice textFile;
    TppReportTextFileDevice reportTextFile;
    TppArchiveDevice archiveFile;
    TppPdfFileDevice pdfFile;
    TppSpreadsheetFileDevice spreadsheetFile;
    std::vector<std::unique_ptr<PageSink>> sinks;

    FileDevices(TppReport& report, const FileOutputs& files) {
        reportTextFile.GridFromFont = false;
        const std::pair<TppFileDevice*, QString> devices[] = {{&textFile, files.text},
                                                              {&reportTextFile, files.reportText},
                                                              {&archiveFile, files.archive},
                                                              {&pdfFile, files.pdf},
                                                              {&spreadsheetFile, files.xlsx}};
        for (const auto& [device, fileName] : devices) {
            if (fileName.isEmpty())
                continue;
            report.PrepareFileDevice(*device, fileName);
            sinks.push_back(deviceSink(*device));
        }
    }
};

// --print [PRINTER] [--copies N] [--collate]: the pages on a CUPS queue.
std::optional<PrinterOutput> takePrinterOutput(QStringList& arguments) {
    std::optional<PrinterOutput> output;
    const qsizetype at = arguments.indexOf(QStringLiteral("--print"));
    if (at >= 0) {
        output = PrinterOutput{};
        const bool named = at + 1 < arguments.size() && !arguments[at + 1].startsWith(u'-');
        if (named)
            output->printerName = arguments[at + 1];
        arguments.remove(at, named ? 2 : 1);
        if (arguments.contains(QStringLiteral("--print")))
            throw UsageError{QStringLiteral("--print is given twice")};
    }
    if (const qsizetype copies = arguments.indexOf(QStringLiteral("--copies")); copies >= 0) {
        bool ok = false;
        const int count = arguments.value(copies + 1).toInt(&ok);
        if (!output)
            throw UsageError{QStringLiteral("--copies goes with --print")};
        if (!ok || count < 1 || count > 999)
            throw UsageError{QStringLiteral("--copies needs a number from 1 to 999")};
        output->copies = count;
        arguments.remove(copies, 2);
    }
    if (const qsizetype collate = arguments.indexOf(QStringLiteral("--collate")); collate >= 0) {
        if (!output)
            throw UsageError{QStringLiteral("--collate goes with --print")};
        output->collate = true;
        arguments.remove(collate);
    }
    return output;
}

// The printer list shows the CUPS queues while the command prints, and the
// catalogue it had before afterwards: pages of reports that do not print
// keep the paper they have without a printer.
class CupsPrintersInstalled {
public:
    CupsPrintersInstalled()
        : previous_(std::const_pointer_cast<PrinterCatalog>(TppPrinterList::instance().catalog())) {
        TppPrinterList::instance().setCatalog(std::make_shared<CupsPrinterCatalog>());
    }
    ~CupsPrintersInstalled() { TppPrinterList::instance().setCatalog(previous_); }
    CupsPrintersInstalled(const CupsPrintersInstalled&) = delete;
    CupsPrintersInstalled& operator=(const CupsPrintersInstalled&) = delete;

private:
    std::shared_ptr<PrinterCatalog> previous_;
};

struct RenderOptions {
    QString templatePath;
    std::vector<DataSourceOption> data;
    std::vector<MasterLinkOption> links;
    std::vector<SearchOption> searches;
    std::optional<TppPassSettingType> passes; // the template's own when not given
    TppPageRequest request;
    std::optional<PageOutput> output;
    FileOutputs files;
    std::optional<PrinterOutput> printer;
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
    options.printer = takePrinterOutput(arguments);
    const bool pageOutputGiven = arguments.contains(u"--dump") || arguments.contains(u"--png");
    if (pageOutputGiven || (!options.files.any() && !options.printer)) {
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
        } else if (argument == u"--link") {
            const QString text = valueOf(arguments, i);
            const auto link = MasterLinkOption::parse(text);
            if (!link)
                throw UsageError{
                    QStringLiteral("--link expects DETAIL.FIELD=MASTER.FIELD, not \"%1\"").arg(text)};
            options.links.push_back(*link);
        } else if (argument == u"--search") {
            const QString text = valueOf(arguments, i);
            const auto search = SearchOption::parse(text);
            if (!search)
                throw UsageError{QStringLiteral("--search expects NAME=VALUE, not \"%1\"").arg(text)};
            options.searches.push_back(*search);
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
    QStringList pipelines;
    for (const DataSourceOption& option : options.data)
        pipelines << option.pipelineName;
    if (const QString problem = masterLinksProblem(options.links, pipelines); !problem.isEmpty())
        throw UsageError{problem};
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
    // The source of each --data option's pipeline, in the options' order.
    std::vector<std::pair<TppDBPipeline*, DataSource*>> sources;

    RenderForm(const std::vector<DataSourceOption>& data, const std::vector<MasterLinkOption>& links,
               const QStringList& referred) {
        form.SetName(QStringLiteral("Form1"));
        QHash<QString, TppDBPipeline*> pipelines; // by user name, folded
        for (const DataSourceOption& option : data) {
            const QString componentName = pipelineComponentName(option.pipelineName, referred);
            datasets.push_back(option.open());
            auto* source = new DataSource(&form, datasets.back().get());
            auto* pipeline = new TppDBPipeline(&form);
            pipeline->SetName(componentName);
            pipeline->SetUserName(option.pipelineName);
            pipeline->SetDataSource(source);
            sources.emplace_back(pipeline, source);
            pipelines.insert(option.pipelineName.toCaseFolded(), pipeline);
        }
        applyMasterLinks(links,
                         [&pipelines](const QString& name) { return pipelines.value(name.toCaseFolded()); });
        report = new TppReport(&form);
        report->SetName(QStringLiteral("Report1"));
    }

    // Each pipeline keeps the rows its report's search criteria let through:
    // the criteria name their pipeline by its component or its user name.
    void applySearchCriteria(const std::vector<DataSourceOption>& data) {
        for (std::size_t i = 0; i < data.size(); ++i) {
            const auto [pipeline, source] = sources[i];
            std::vector<SearchCondition> conditions;
            for (const TppAutoSearchField* field : report->AutoSearchFields()) {
                const QString& name = field->DataPipelineName();
                if (name.compare(pipeline->Name(), Qt::CaseInsensitive) != 0 &&
                    name.compare(pipeline->UserName(), Qt::CaseInsensitive) != 0)
                    continue;
                if (std::optional<SearchCondition> condition = SearchCondition::of(*field))
                    conditions.push_back(*condition);
            }
            if (conditions.empty())
                continue;
            datasets.push_back(data[i].open(conditions));
            source->setDataset(datasets.back().get());
        }
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
        std::optional<CupsPrintersInstalled> cups;
        if (options.printer)
            cups.emplace();
        RenderForm render(options.data, options.links, pipelineNamesInFile(options.templatePath));
        render.report->SetClock(&clock);
        TppReportTemplate& reportTemplate = ReportTemplate(*render.report);
        reportTemplate.SetFileName(options.templatePath);
        if (options.ignoreReadErrors)
            reportTemplate.OnReadError = [&err](const QString& message) {
                err << "pagewright render: skipped: " << message << "\n";
                return true;
            };
        reportTemplate.LoadFromFile();
        if (const QString problem = applySearchOptions(*render.report, options.searches);
            !problem.isEmpty()) {
            err << "pagewright render: " << problem << "\nUsage: " << kSynopsis << "\n" << kDetails;
            return 2;
        }
        render.applySearchCriteria(options.data);
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
        std::unique_ptr<PageSink> pageOutput = options.output ? options.output->sink(out) : nullptr;
        FileDevices files(*render.report, options.files);
        std::vector<PageSink*> sinks;
        if (pageOutput)
            sinks.push_back(pageOutput.get());
        for (const auto& sink : files.sinks)
            sinks.push_back(sink.get());
        if (!sinks.empty())
            streamPages(*render.report, options.request, sinks);
        if (options.printer)
            printOnPrinter(*render.report, options.request, *options.printer);
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
