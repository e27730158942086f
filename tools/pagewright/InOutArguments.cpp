#include "InOutArguments.h"

std::optional<InOutArguments> parseInOutArguments(const QStringList& arguments, QString& problem) {
    InOutArguments parsed;
    QStringList paths;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--to") {
            if (++i == arguments.size()) {
                problem = QStringLiteral("--to needs text or binary");
                return std::nullopt;
            }
            if (arguments[i] == u"text") {
                parsed.form = StreamForm::Text;
            } else if (arguments[i] == u"binary") {
                parsed.form = StreamForm::Binary;
            } else {
                problem = QStringLiteral("--to takes text or binary, not \"%1\"").arg(arguments[i]);
                return std::nullopt;
            }
        } else if (argument.startsWith(u"--")) {
            problem = QStringLiteral("unknown option \"%1\"").arg(argument);
            return std::nullopt;
        } else {
            paths << argument;
        }
    }
    if (paths.size() != 2) {
        problem = QStringLiteral("expected IN and OUT");
        return std::nullopt;
    }
    parsed.in = paths[0];
    parsed.out = paths[1];
    return parsed;
}
