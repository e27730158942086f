#include "ConvertCommand.h"

#include "ComponentStream.h"
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
    QStringList paths;
    std::optional<StreamForm> form;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--to") {
            if (++i == arguments.size())
                return usageError(err, QStringLiteral("--to needs text or binary"));
            if (arguments[i] == u"text")
                form = StreamForm::Text;
            else if (arguments[i] == u"binary")
                form = StreamForm::Binary;
            else
                return usageError(err,
                                  QStringLiteral("--to takes text or binary, not \"%1\"").arg(arguments[i]));
        } else if (argument.startsWith(u"--")) {
            return usageError(err, QStringLiteral("unknown option \"%1\"").arg(argument));
        } else {
            paths << argument;
        }
    }
    if (paths.size() != 2)
        return usageError(err, QStringLiteral("expected IN and OUT"));
    if (!form)
        return usageError(err, QStringLiteral("say which form to write with --to text or --to binary"));

    QFile input(paths[0]);
    if (!input.open(QIODevice::ReadOnly))
        return failure(err, QStringLiteral("cannot read %1: %2").arg(paths[0], input.errorString()));
    const QByteArray data = input.readAll();
    QByteArray converted;
    try {
        const std::vector<StreamObject> objects = parseComponentStream(data);
        if (objects.empty())
            return failure(err, QStringLiteral("%1 holds no objects").arg(paths[0]));
        converted = writeComponentStream(objects, *form);
    } catch (const EPagewrightError& error) {
        return failure(err, QStringLiteral("%1: %2").arg(paths[0], error.message()));
    }

    QSaveFile output(paths[1]);
    if (!output.open(QIODevice::WriteOnly) || output.write(converted) != converted.size() || !output.commit())
        return failure(err, QStringLiteral("cannot write %1: %2").arg(paths[1], output.errorString()));
    return 0;
}

const PagewrightCommand convertCommand = {"convert", kSynopsis, runConvertCommand};
