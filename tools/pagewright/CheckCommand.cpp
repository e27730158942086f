#include "CheckCommand.h"

#include "EngineClasses.h"
#include "PagewrightErrors.h"
#include "ReportModelClasses.h"
#include "TemplateClasses.h"
#include "TppBand.h"
#include "TppReport.h"
#include "TppReportTemplate.h"
#include "TraCodeModule.h"

namespace {

constexpr const char* kSynopsis = "pagewright check FILE";

constexpr const char* kDetails =
    "Loads FILE, a report template in either form, as a report does, and prints\n"
    "\"ok\" with the number of bands, groups and components it holds, and the\n"
    "names it refers to that live outside the template (the application's\n"
    "pipelines). Every object or property that cannot be read is named with the\n"
    "reason and where it stands in the file, the rest read on as \"Ignore All\"\n"
    "would; with any such error, or a template that does not load at all, the\n"
    "status is 1.\n";

QString plural(qsizetype count, const char* noun) {
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(noun)).arg(count == 1 ? "" : "s");
}

} // namespace

int runCheckCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 1 || arguments[0].startsWith(u"--")) {
        err << "pagewright check: expected one FILE\nUsage: " << kSynopsis << "\n" << kDetails;
        return 2;
    }
    registerReportModelClasses();
    registerEngineClasses();
    registerTemplateClasses();
    registerScriptClasses();

    // The report lives on a form, as in the application, so that the
    // template's references resolve the way they would there.
    OwnedComponent form;
    form.SetName(QStringLiteral("Form1"));
    auto* report = new TppReport(&form);
    report->SetName(QStringLiteral("Report1"));
    TppReportTemplate& reportTemplate = ReportTemplate(*report);
    reportTemplate.SetFileName(arguments[0]);
    QStringList readErrors;
    reportTemplate.OnReadError = [&readErrors](const QString& message) {
        readErrors << message;
        return true;
    };
    try {
        reportTemplate.LoadFromFile();
    } catch (const EPagewrightError& error) {
        readErrors << error.message();
    }
    if (!readErrors.isEmpty()) {
        for (const QString& message : std::as_const(readErrors))
            err << "pagewright check: " << arguments[0] << ": " << message << "\n";
        return 1;
    }

    qsizetype components = 0;
    for (const TppBand* band : report->Bands())
        components += band->ObjectCount();
    out << "ok: " << plural(report->BandCount(), "band") << ", " << plural(report->GroupCount(), "group")
        << ", " << plural(components, "component") << "\n";
    for (const QString& reference : reportTemplate.UnresolvedReferences())
        out << "outside the template: " << reference << "\n";
    return 0;
}

const PagewrightCommand checkCommand = {"check", kSynopsis, runCheckCommand};
