#include "AmortizationSchedule.h"

#include "AdvisoryMessages.h"
#include "DateTimeFormat.h"
#include "NumberFormat.h"

#include <cmath>
#include <vector>

namespace {

enum Column { Date, Payment, PrincipalPaid, InterestPaid, TotalInterest, Balance };

struct Row {
    QString date;
    double payment;
    double principalPaid;
    double interestPaid;
    double totalInterest;
    double balance;
};

struct Loan {
    long double amount = 0;
    long double rate = 0;
    qint32 term = 0;
    long double extraMonthly = 0;
    long double extraYearly = 0;
    long double extraOnce = 0;
};

// Reads the inputs in the window's order, stopping at the first that does not parse.
std::variant<Loan, InputRefusal> readLoan(const LoanInputs& in, const FormatSettings& settings) {
    Loan loan;
    const struct {
        LoanInput input;
        const QString& text;
        long double& target;
    } decimals[] = {{LoanInput::LoanAmount, in.loanAmount, loan.amount},
                    {LoanInput::Interest, in.interest, loan.rate}};
    for (const auto& d : decimals) {
        const auto value = readFloatInput(d.text, settings);
        if (!value)
            return InputRefusal{d.input, advisory::notNumeric};
        d.target = *value;
    }
    const auto term = readIntInput(in.term);
    if (!term)
        return InputRefusal{LoanInput::Term, advisory::notNumeric};
    loan.term = *term;
    const struct {
        LoanInput input;
        const QString& text;
        long double& target;
    } extras[] = {{LoanInput::ExtraMonthly, in.extraMonthly, loan.extraMonthly},
                  {LoanInput::ExtraYearly, in.extraYearly, loan.extraYearly},
                  {LoanInput::ExtraOnce, in.extraOnce, loan.extraOnce}};
    for (const auto& e : extras) {
        const auto value = readFloatInput(e.text, settings);
        if (!value)
            return InputRefusal{e.input, advisory::notNumeric};
        e.target = *value;
    }
    return loan;
}

// A schedule runs for the term plus whatever negative extras add; far beyond
// any real loan, a run is taken as one that never ends.
constexpr int kMaxRows = 120000;

std::variant<std::vector<Row>, InputRefusal> buildRows(const LoanInputs& in, const Loan& loan, int months,
                                                       long double monthlyRate, long double levelPayment,
                                                       const FormatSettings& settings) {
    std::vector<Row> rows;
    rows.reserve(std::min(months, kMaxRows));
    QDate date = in.startDate.date().addMonths(1);
    long double balance = loan.amount;
    long double totalInterest = 0;
    // Past the one-time payment, every twelve months repeat the same payments;
    // if the balance has not fallen over such a year it never will.
    long double balanceYearAgo = 0;
    const QDate afterOnce =
        in.onceDate.isValid() ? QDate(in.onceDate.year(), in.onceDate.month(), 1).addMonths(1) : QDate();
    int periodicRows = 0;

    while (balance > 0) {
        if (rows.size() >= kMaxRows)
            return InputRefusal{std::nullopt, advisory::neverPaidOff};
        if (!afterOnce.isValid() || QDate(date.year(), date.month(), 1) >= afterOnce) {
            if (periodicRows % 12 == 0) {
                if (periodicRows > 0 && balance >= balanceYearAgo && monthlyRate >= 0)
                    return InputRefusal{std::nullopt, advisory::neverPaidOff};
                balanceYearAgo = balance;
            }
            ++periodicRows;
        }

        long double payment = levelPayment + loan.extraMonthly;
        if (date.month() == in.yearlyMonthIndex + 1)
            payment += loan.extraYearly;
        if (in.onceDate.isValid() && date.month() == in.onceDate.month() && date.year() == in.onceDate.year())
            payment += loan.extraOnce;

        Row row;
        const bool paysOff = payment > balance;
        row.payment = paysOff ? round3(balance) : round3(payment);
        row.date = formatDateTime(QStringLiteral("MM/YYYY"), QDateTime(date, QTime()), settings);
        row.interestPaid = round3(balance * monthlyRate);
        totalInterest = totalInterest + row.interestPaid;
        row.totalInterest = double(totalInterest);
        row.principalPaid = row.payment - row.interestPaid;
        balance = paysOff ? 0 : balance - row.principalPaid;
        row.balance = round3(balance);
        rows.push_back(row);
        date = date.addMonths(1);
    }
    return rows;
}

void writeRows(const std::vector<Row>& rows, MemoryTable& table) {
    table.disableControls();
    table.emptyTable();
    for (const Row& row : rows) {
        table.append();
        table.setValue(Date, row.date);
        table.setValue(Payment, row.payment);
        table.setValue(PrincipalPaid, row.principalPaid);
        table.setValue(InterestPaid, row.interestPaid);
        table.setValue(TotalInterest, row.totalInterest);
        table.setValue(Balance, row.balance);
        table.post();
    }
    table.first();
    table.enableControls();
}

} // namespace

double round3(long double x) {
    // Every step is a double on purpose: an 80-bit quotient keeps the error of the double 0.001 and
    // turns exact halves such as 9778.1875 into values just below the half, which then round down.
    const double f = 1e-3;
    const double asDouble = double(x);
    const double quotient = asDouble / f;
    // rint rounds halves to the even neighbour in the default rounding mode.
    return std::rint(quotient) * f;
}

long double intPower(long double base, int exponent) {
    long double result = 1;
    unsigned long long e = exponent < 0 ? -static_cast<long long>(exponent) : exponent;
    if (e != 0) {
        long double square = base;
        for (;;) {
            const bool bit = e & 1;
            e >>= 1;
            if (bit) {
                result *= square;
                if (e == 0)
                    break;
            }
            square *= square;
        }
    }
    return exponent < 0 ? 1 / result : result;
}

FieldDefs AmortizationSchedule::fieldDefs() {
    return {{QStringLiteral("DATE"), FieldType::String, 10},
            {QStringLiteral("PAYMENT"), FieldType::Float},
            {QStringLiteral("PRINCIPAL_PAID"), FieldType::Float},
            {QStringLiteral("INTEREST_PAID"), FieldType::Float},
            {QStringLiteral("TOTAL_INTEREST"), FieldType::Float},
            {QStringLiteral("BALANCE"), FieldType::Float}};
}

void AmortizationSchedule::defineTable(MemoryTable& table) {
    table.close();
    table.setFieldDefs(fieldDefs());
    table.open();
}

std::variant<ScheduleSummary, InputRefusal>
AmortizationSchedule::compute(const LoanInputs& inputs, MemoryTable& table, const FormatSettings& settings) {
    const auto read = readLoan(inputs, settings);
    if (const auto* refusal = std::get_if<InputRefusal>(&read))
        return *refusal;
    const Loan& loan = std::get<Loan>(read);

    const bool perYear = inputs.termTypeIndex == 1;
    if (loan.term <= 0 || (perYear && loan.term > std::numeric_limits<qint32>::max() / 12))
        return InputRefusal{std::nullopt,
                            loan.term <= 0 ? advisory::termNotPositive : advisory::paymentOverflow};
    const long double years = perYear ? loan.term : loan.term / 12.0L;
    const int months = perYear ? loan.term * 12 : loan.term;
    if (loan.rate == 0)
        return InputRefusal{std::nullopt, advisory::zeroRate};

    // The rate over the whole term first, then per month, as the bank's sheet does.
    const long double termRate = loan.rate * years / 100;
    const long double monthlyRate = termRate / months;
    const long double growth = intPower(1 + monthlyRate, months);
    const long double levelPayment = loan.amount * (monthlyRate * growth) / (growth - 1);
    if (!std::isfinite(growth) || !std::isfinite(levelPayment))
        return InputRefusal{std::nullopt, advisory::paymentOverflow};

    auto built = buildRows(inputs, loan, months, monthlyRate, levelPayment, settings);
    if (const auto* refusal = std::get_if<InputRefusal>(&built))
        return *refusal;
    const auto& rows = std::get<std::vector<Row>>(built);
    writeRows(rows, table);

    const QString money = QStringLiteral("#,0.00");
    const double lastTotalInterest = rows.empty() ? 0 : rows.back().totalInterest;
    ScheduleSummary summary;
    summary.totalInterest = formatFloat(money, lastTotalInterest, settings);
    summary.totalPayment = formatFloat(money, lastTotalInterest + loan.amount, settings);
    summary.loanAmount = formatFloat(money, loan.amount, settings);
    summary.loanTerm = formatFloat(QStringLiteral("#,0 months to pay"), months, settings);
    summary.interestRate = inputs.interest + QStringLiteral(" %");
    summary.monthlyPayment = formatFloat(money, rows.empty() ? 0 : rows.front().payment, settings);
    return summary;
}
