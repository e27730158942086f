#include "RenderCommand.h"

#include "BarCodeClasses.h"
#include "DataSource.h"
#include "DataSourceOption.h"
#include "HeadlessPrint.h"
#include "PageList.h"
#include "PagewrightErrors.h"
#include "TemplateClasses.h"
#include "TppDBPipeline.h"
#include "TppReport.h"
#include "TppReportTemplate.h"

#include <vector>

namespace {

constexpr const char* kSynopsis =
    "pagewright render TEMPLATE [--data NAME=SOURCE ...] [--pass two] [--pages LIST] (--dump | --png DIR)";

constexpr const char* kDetails =
    "Loads TEMPLATE, generates its pages and writes them: --dump prints each page\n"
    "as text (\"page N of M\", then one line per draw command), --png DIR writes\n"
    "page-0001.png ... at 100 %.\n"
    "  --data NAME=SOURCE  the rows of the template's pipeline NAME (its user name):\n"
    "                      a CSV file (first line the field names, each optionally\n"
    "                      name:dtType), sqlite:PATH?table=T or sqlite:PATH?query=SELECT ...\n"
    "  --pass two          count all pages first, so \"Page n of m\" is known\n"
    "  --pages LIST        only these pages, e.g. 1,3,5-12\n"
    "A template or data error prints the message and the status is 1; a report\n"
    "without pages writes nothing.\n";

struct RenderOptions {
    QString templatePath;
    std::vector<DataSourceOption> data;
    bool twoPass = false;
    TppPageRequest request;
    PageOutput output;
};

struct UsageError {
    QString message;
};

QString valueOf(const QStringList& arguments, qsizetype& i) {
    if (i + 1 >= arguments.size())
        throw UsageError{QStringLiteral("%1 needs a value").arg(arguments[i])};
    return arguments[++i];
}

RenderOptions parseOptions(QStringList arguments) {
    RenderOptions options;
    QString error;
    const auto output = PageOutput::take(arguments, error);
    if (!output)
        throw UsageError{error};
    options.output = *output;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--data") {
            const QString text = valueOf(arguments, i);
            const auto option = DataSourceOption::parse(text);
            if (!option)
                throw UsageError{QStringLiteral("--data expects NAME=SOURCE, not \"%1\"").arg(text)};
            options.data.push_back(*option);
        } else if (argument == u"--pass") {
            const QString pass = valueOf(arguments, i);
            if (pass != u"two" && pass != u"one")
                throw UsageError{QStringLiteral("--pass is one or two")};
            options.twoPass = pass == u"two";
        } else if (argument == u"--pages") {
            const QString list = valueOf(arguments, i);
            QStringList pages;
            if (!ParsePageList(list, pages, true) || pages.isEmpty())
                throw UsageError{QStringLiteral("--pages: \"%1\" is not a list of pages such as 1,3,5-12").arg(list)};
            options.request.PageSetting = psPageList;
            options.request.PageList = pages;
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

// The report and what it reads live on one form, as in an application, so
// the template's references to pipelines resolve to the ones made here.
struct RenderForm {
    std::vector<std::unique_ptr<Dataset>> datasets; // outlive the form's pipelines
    OwnedComponent form;
    TppReport* report = nullptr;

    explicit RenderForm(const std::vector<DataSourceOption>& data) {
        form.SetName(QStringLiteral("Form1"));
        for (const DataSourceOption& option : data) {
            datasets.push_back(option.open());
            auto* source = new DataSource(&form, datasets.back().get());
            auto* pipeline = new TppDBPipeline(&form);
            // Pipelines a designer makes are named "pp" and their user name.
            pipeline->SetName(QStringLiteral("pp") + option.pipelineName);
            pipeline->SetUserName(option.pipelineName);
            pipeline->SetDataSource(source);
        }
        report = new TppReport(&form);
        report->SetName(QStringLiteral("Report1"));
    }
};

} // namespace

int runRenderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    RenderOptions options;
    try {
        options = parseOptions(arguments);
    } catch (const UsageError& error) {
        err << "pagewright render: " << error.message << "\nUsage: " << kSynopsis << "\n" << kDetails;
        return 2;
    }
    registerBarCodeClasses();
    registerTemplateClasses();
    try {
        RenderForm render(options.data);
        TppReportTemplate& reportTemplate = ReportTemplate(*render.report);
        reportTemplate.SetFileName(options.templatePath);
        reportTemplate.LoadFromFile();
        if (options.twoPass)
            render.report->SetPassSetting(psTwoPass);
        writePages(printToPages(*render.report, options.request), options.output, out);
    } catch (const EPagewrightError& error) {
        err << "pagewright render: " << error.message() << "\n";
        return 1;
    }
    return 0;
}

const PagewrightCommand renderCommand = {"render", kSynopsis, runRenderCommand};
