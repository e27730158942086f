#include "ConvertCommand.h"

#include "ComponentStream.h"
#include "InOutArguments.h"
#include "PagewrightErrors.h"

#include <QFile>
#include <QSaveFile>

namespace {

constexpr const char* kSynopsis = "pagewright convert IN OUT --to text|binary";

constexpr const char* kDetails =
    "Reads IN, a template or any component stream in either form, and writes its\n"
    "objects to OUT in the form asked for: text (\"object ... end\" blocks) or binary\n"
    "(each object after \"TPF0\", then the end-of-list byte, as templates hold them).\n"
    "Nothing is created or instantiated: every value keeps its stored type. OUT is\n"
    "replaced only once it has been written completely.\n";

int usageError(QTextStream& err, const QString& problem) {
    err << "pagewright convert: " << problem << "\nUsage: " << kSynopsis << "\n" << kDetails;
    return 2;
}

int failure(QTextStream& err, const QString& problem) {
    err << "pagewright convert: " << problem << "\n";
    return 1;
}

} // namespace

int runConvertCommand(const QStringList& arguments, QTextStream&, QTextStream& err) {
    QString problem;
    const std::optional<InOutArguments> parsed = parseInOutArguments(arguments, problem);
    if (!parsed)
        return usageError(err, problem);
    if (!parsed->form)
        return usageError(err, QStringLiteral("say which form to write with --to text or --to binary"));
    const QStringList paths{parsed->in, parsed->out};

    QFile input(paths[0]);
    if (!input.open(QIODevice::ReadOnly))
        return failure(err, QStringLiteral("cannot read %1: %2").arg(paths[0], input.errorString()));
    const QByteArray data = input.readAll();
    QByteArray converted;
    try {
        const std::vector<StreamObject> objects = parseComponentStream(data);
        if (objects.empty())
            return failure(err, QStringLiteral("%1 holds no objects").arg(paths[0]));
        converted = writeComponentStream(objects, *parsed->form);
    } catch (const EPagewrightError& error) {
        return failure(err, QStringLiteral("%1: %2").arg(paths[0], error.message()));
    }

    QSaveFile output(paths[1]);
    if (!output.open(QIODevice::WriteOnly) || output.write(converted) != converted.size() || !output.commit())
        return failure(err, QStringLiteral("cannot write %1: %2").arg(paths[1], output.errorString()));
    return 0;
}

const PagewrightCommand convertCommand = {"convert", kSynopsis, runConvertCommand};
