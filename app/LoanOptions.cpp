#include "LoanOptions.h"

#include "AmortizationSchedule.h"

#include <optional>

namespace {

const QStringList kMonthNames = {"Jan", "Feb", "Mar",  "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sept", "Oct", "Nov", "Dec"};

// 1-12 or a name of the drop-down list ("Jan" ... "Sept" ... "Dec"); answers the list index.
std::optional<int> monthIndex(const QString& text) {
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number <= 12 ? std::optional<int>(number - 1) : std::nullopt;
    for (int i = 0; i < kMonthNames.size(); ++i)
        if (kMonthNames[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

std::optional<QDate> isoDate(const QString& text) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

} // namespace

std::optional<QString> takeOptionValue(QStringList& arguments, const QString& option) {
    const qsizetype at = arguments.indexOf(option);
    if (at < 0)
        return std::nullopt;
    if (at + 1 >= arguments.size())
        throw UsageError{QStringLiteral("%1 needs a value").arg(option)};
    const QString value = arguments[at + 1];
    arguments.remove(at, 2);
    return value;
}

LoanInputs parseLoanOptions(const QStringList& arguments, const Clock& clock) {
    LoanInputs in;
    in.startDate = clock.now();
    in.onceDate = in.startDate.date();
    const QStringList valued = {"--amount",     "--term",          "--term-unit",    "--rate",
                                "--start",      "--extra-monthly", "--extra-yearly", "--yearly-month",
                                "--extra-once", "--once-date"};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (!valued.contains(option))
            throw UsageError{QStringLiteral("unknown option \"%1\"").arg(option)};
        if (i + 1 >= arguments.size())
            throw UsageError{QStringLiteral("%1 needs a value").arg(option)};
        const QString value = arguments[++i];
        if (option == u"--amount") {
            in.loanAmount = value;
        } else if (option == u"--term") {
            in.term = value;
        } else if (option == u"--term-unit") {
            if (value != u"month" && value != u"year")
                throw UsageError{QStringLiteral("--term-unit is month or year")};
            in.termTypeIndex = value == u"year" ? 1 : 0;
        } else if (option == u"--rate") {
            in.interest = value;
        } else if (option == u"--start" || option == u"--once-date") {
            const auto date = isoDate(value);
            if (!date)
                throw UsageError{QStringLiteral("%1 expects a date as YYYY-MM-DD").arg(option)};
            if (option == u"--start")
                in.startDate = QDateTime(*date, in.startDate.time());
            else
                in.onceDate = *date;
        } else if (option == u"--extra-monthly") {
            in.extraMonthly = value;
        } else if (option == u"--extra-yearly") {
            in.extraYearly = value;
        } else if (option == u"--yearly-month") {
            const auto month = monthIndex(value);
            if (!month)
                throw UsageError{QStringLiteral("--yearly-month is 1-12 or Jan, Feb, ... Sept, ... Dec")};
            in.yearlyMonthIndex = *month;
        } else if (option == u"--extra-once") {
            in.extraOnce = value;
        }
    }
    return in;
}

bool computeCommandSchedule(const LoanInputs& inputs, MemoryTable& table, const FormatSettings& settings,
                            QTextStream& err) {
    AmortizationSchedule::defineTable(table);
    const auto outcome = AmortizationSchedule::compute(inputs, table, settings);
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        err << refusal->message << "\n";
        return false;
    }
    return true;
}
