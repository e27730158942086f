#include "ScheduleCommand.h"

#include "AmortizationSchedule.h"
#include "NumberFormat.h"

#include <optional>

namespace {

constexpr int kRefused = 2;

const QStringList kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sept", "Oct", "Nov", "Dec"};

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

struct UsageError {
    QString message;
};

std::optional<QDate> isoDate(const QString& text) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

LoanInputs parseOptions(const QStringList& arguments, const Clock& clock) {
    LoanInputs in;
    in.startDate = clock.now();
    in.onceDate = in.startDate.date();
    const QStringList valued = {"--amount",      "--term",        "--term-unit",  "--rate",
                                "--start",       "--extra-monthly", "--extra-yearly", "--yearly-month",
                                "--extra-once",  "--once-date"};
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

} // namespace

QString kestrelUsage() {
    return QStringLiteral(
        "Usage:\n"
        "  kestrel                 start the calculator window\n"
        "  kestrel schedule [options]\n"
        "                          compute the amortization schedule and print it as CSV\n"
        "  kestrel --help          show this text\n"
        "\n"
        "Options of schedule (defaults are the window's):\n"
        "  --amount X              loan amount (10000)\n"
        "  --term N                term, a whole number (12)\n"
        "  --term-unit month|year  unit of the term (month)\n"
        "  --rate X                yearly interest rate in percent (6)\n"
        "  --start YYYY-MM-DD      start date of the loan (today)\n"
        "  --extra-monthly X       additional payment every month (0)\n"
        "  --extra-yearly X        additional payment once a year (0)\n"
        "  --yearly-month M        month of the yearly payment: 1-12 or Jan ... Sept ... Dec (Jan)\n"
        "  --extra-once X          one-time additional payment (0)\n"
        "  --once-date YYYY-MM-DD  month and year of the one-time payment (today)\n"
        "\n"
        "Numbers are read as the edit boxes read them, with the locale's decimal separator.\n"
        "Output: a header line DATE,PAYMENT,PRINCIPAL_PAID,INTEREST_PAID,TOTAL_INTEREST,BALANCE\n"
        "and one line per month; amounts have three decimals and \".\" as the decimal point.\n"
        "A refused input prints its \"ADVISORY : \" message on standard error and exits with status 2.\n");
}

int runScheduleCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Clock& clock,
                       const FormatSettings& settings) {
    LoanInputs inputs;
    try {
        inputs = parseOptions(arguments, clock);
    } catch (const UsageError& error) {
        err << "kestrel schedule: " << error.message << "\n" << kestrelUsage();
        return kRefused;
    }
    MemoryTable table;
    AmortizationSchedule::defineTable(table);
    const auto outcome = AmortizationSchedule::compute(inputs, table, settings);
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        err << refusal->message << "\n";
        return kRefused;
    }
    const FieldDefs fields = table.fieldDefs();
    QStringList header;
    for (const FieldDef& field : fields)
        header << field.name;
    out << header.join(u',') << "\n";
    const FormatSettings plain = FormatSettings::invariant();
    for (table.first(); !table.eof(); table.next()) {
        QStringList cells;
        for (int f = 0; f < fields.size(); ++f)
            cells << (fields[f].type == FieldType::Float
                          ? formatFloat(QStringLiteral("0.000"), table.value(f).toDouble(), plain)
                          : table.value(f).toString());
        out << cells.join(u',') << "\n";
    }
    return 0;
}
