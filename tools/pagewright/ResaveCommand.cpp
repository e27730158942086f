#include "ResaveCommand.h"

#include "BarCodeClasses.h"
#include "InOutArguments.h"
#include "PagewrightErrors.h"
#include "TemplateClasses.h"
#include "TemplatePipelineNames.h"
#include "TppDBPipeline.h"
#include "TppReport.h"
#include "TppReportTemplate.h"
#include "TraCodeModule.h"

#include <QFile>
#include <QSaveFile>
#include <optional>

namespace {

constexpr const char* kSynopsis = "pagewright resave IN OUT [--to text|binary]";

constexpr const char* kDetails =
    "Loads IN, a report template in either form, into a report and saves that\n"
    "report to OUT as the designer's Save does: every setting in the form this\n"
    "program writes (colours and character sets by name, font sizes in points,\n"
    "lists as lists), names of older templates read and written anew. OUT takes\n"
    "the form asked for with --to, else the one IN has. Unlike convert, the\n"
    "objects are interpreted: a property that cannot be read, or a reference to\n"
    "something other than a pipeline that the template does not hold, stops the\n"
    "resave (status 1) rather than being lost. OUT is replaced only once it has\n"
    "been written completely.\n";

int usageError(QTextStream& err, const QString& problem) {
    err << "pagewright resave: " << problem << "\nUsage: " << kSynopsis << "\n" << kDetails;
    return 2;
}

int failure(QTextStream& err, const QString& problem) {
    err << "pagewright resave: " << problem << "\n";
    return 1;
}

} // namespace

int runResaveCommand(const QStringList& arguments, QTextStream&, QTextStream& err) {
    QString problem;
    const std::optional<InOutArguments> parsed = parseInOutArguments(arguments, problem);
    if (!parsed)
        return usageError(err, problem);
    const QStringList paths{parsed->in, parsed->out};

    registerBarCodeClasses();
    registerTemplateClasses();
    registerScriptClasses();
    QFile input(paths[0]);
    if (!input.open(QIODevice::ReadOnly))
        return failure(err, QStringLiteral("cannot read %1: %2").arg(paths[0], input.errorString()));
    const QByteArray bytes = input.readAll();

    // The pipelines the template names live on the application's form; they
    // stand here under the same names so that the references to them are
    // written back as they were.
    OwnedComponent form;
    form.SetName(QStringLiteral("Form1"));
    for (const QString& name : pipelineNamesReferredTo(bytes)) {
        auto* pipeline = new TppDBPipeline(&form);
        pipeline->SetName(name);
    }
    auto* report = new TppReport(&form);
    report->SetName(QStringLiteral("Report1"));
    TppReportTemplate& reportTemplate = ReportTemplate(*report);
    try {
        reportTemplate.LoadFromBytes(bytes);
    } catch (const EPagewrightError& error) {
        return failure(err, QStringLiteral("%1: %2").arg(paths[0], error.message()));
    }
    if (!reportTemplate.UnresolvedReferences().isEmpty())
        return failure(err,
                       QStringLiteral("%1 refers to what it does not hold, which a resave would lose: %2")
                           .arg(paths[0], reportTemplate.UnresolvedReferences().join(QStringLiteral(", "))));

    if (parsed->form)
        reportTemplate.SetFormat(*parsed->form == StreamForm::Text ? ftASCII : ftBinary);
    reportTemplate.SetOffset(0);
    // Through a stream rather than SaveToFile: the template's file name is
    // part of what is saved, and a resave should not plant OUT's path in it.
    QSaveFile output(paths[1]);
    try {
        if (!output.open(QIODevice::WriteOnly))
            return failure(err, QStringLiteral("cannot write %1: %2").arg(paths[1], output.errorString()));
        reportTemplate.SaveToStream(output);
    } catch (const EPagewrightError& error) {
        return failure(err, error.message());
    }
    if (!output.commit())
        return failure(err, QStringLiteral("cannot write %1: %2").arg(paths[1], output.errorString()));
    return 0;
}

const PagewrightCommand resaveCommand = {"resave", kSynopsis, runResaveCommand};
