#include "AmortizationSchedule.h"
#include "AdvisoryMessages.h"
#include "NumberFormat.h"

#include <gtest/gtest.h>

namespace {

const FormatSettings kSettings = FormatSettings::invariant();

LoanInputs workedExample() {
    LoanInputs in;
    in.startDate = QDateTime(QDate(2024, 3, 15), QTime(10, 30));
    in.onceDate = QDate(2024, 3, 15);
    return in;
}

// Every row as "DATE PAYMENT PRINCIPAL INTEREST TOTAL BALANCE" with three decimals.
std::vector<std::string> rowsOf(MemoryTable& table) {
    std::vector<std::string> rows;
    for (table.first(); !table.eof(); table.next()) {
        QString line = table.value(0).toString();
        for (int f = 1; f < 6; ++f)
            line += u' ' + formatFloat(QStringLiteral("0.000"), table.value(f).toDouble(), kSettings);
        rows.push_back(line.toStdString());
    }
    return rows;
}

ScheduleSummary computeOk(const LoanInputs& in, MemoryTable& table) {
    auto outcome = AmortizationSchedule::compute(in, table, kSettings);
    if (auto* refusal = std::get_if<InputRefusal>(&outcome))
        ADD_FAILURE() << "refused: " << refusal->message.toStdString();
    return std::get<ScheduleSummary>(outcome);
}

class ScheduleTest : public testing::Test {
protected:
    void SetUp() override { AmortizationSchedule::defineTable(table); }
    MemoryTable table;
};

TEST_F(ScheduleTest, WorkedExampleToTheLastDigit) {
    const ScheduleSummary summary = computeOk(workedExample(), table);
    EXPECT_EQ(table.recNo(), 0) << "the table is left on its first row";
    const std::vector<std::string> expected = {
        "04/2024 860.664 810.664 50.000 50.000 9189.336",  "05/2024 860.664 814.717 45.947 95.947 8374.619",
        "06/2024 860.664 818.791 41.873 137.820 7555.828", "07/2024 860.664 822.885 37.779 175.599 6732.943",
        "08/2024 860.664 826.999 33.665 209.264 5905.944", "09/2024 860.664 831.134 29.530 238.794 5074.810",
        "10/2024 860.664 835.290 25.374 264.168 4239.520", "11/2024 860.664 839.466 21.198 285.366 3400.054",
        "12/2024 860.664 843.664 17.000 302.366 2556.390", "01/2025 860.664 847.882 12.782 315.148 1708.508",
        "02/2025 860.664 852.121 8.543 323.691 856.387",   "03/2025 856.387 852.105 4.282 327.973 0.000",
    };
    EXPECT_EQ(rowsOf(table), expected);
    EXPECT_EQ(summary.loanAmount, "10,000.00");
    EXPECT_EQ(summary.loanTerm, "12 months to pay");
    EXPECT_EQ(summary.interestRate, "6 %");
    EXPECT_EQ(summary.monthlyPayment, "860.66");
    EXPECT_EQ(summary.totalInterest, "327.97");
    EXPECT_EQ(summary.totalPayment, "10,327.97");
}

TEST_F(ScheduleTest, StoredValuesAreRoundedDoubles) {
    computeOk(workedExample(), table);
    table.first();
    EXPECT_EQ(table.value(QStringLiteral("PAYMENT")).toDouble(), 860.664);
    EXPECT_EQ(table.value(QStringLiteral("PRINCIPAL_PAID")).toDouble(), 860.664 - 50.0);
}

TEST_F(ScheduleTest, ThirtyYearsInYearsOrMonthsGiveTheSameSchedule) {
    LoanInputs years = workedExample();
    years.loanAmount = QStringLiteral("100000");
    years.term = QStringLiteral("30");
    years.termTypeIndex = 1;
    const ScheduleSummary summary = computeOk(years, table);
    const auto byYears = rowsOf(table);
    ASSERT_EQ(byYears.size(), 360u);
    EXPECT_EQ(summary.loanTerm, "360 months to pay");
    EXPECT_EQ(summary.monthlyPayment, "599.55");
    EXPECT_TRUE(byYears.back().ends_with(" 0.000"));

    LoanInputs months = years;
    months.term = QStringLiteral("360");
    months.termTypeIndex = 0;
    computeOk(months, table);
    EXPECT_EQ(rowsOf(table), byYears);
}

TEST_F(ScheduleTest, ExtraPaymentsMonthlyYearlyAndOnce) {
    LoanInputs in = workedExample();
    in.extraMonthly = QStringLiteral("100");
    in.extraYearly = QStringLiteral("1000");
    in.yearlyMonthIndex = 5; // "Jun"
    in.extraOnce = QStringLiteral("500");
    in.onceDate = QDate(2024, 9, 1);
    computeOk(in, table);
    const auto rows = rowsOf(table);
    ASSERT_FALSE(rows.empty());
    for (const std::string& row : rows) {
        const std::string date = row.substr(0, 7);
        const std::string payment = row.substr(8, row.find(' ', 8) - 8);
        const char* expected = date == "06/2024" ? "1960.664" : date == "09/2024" ? "1460.664" : "960.664";
        if (&row != &rows.back()) {
            EXPECT_EQ(payment, expected) << date;
        }
    }
    EXPECT_EQ(rows.back().substr(0, 7), "01/2025");
    EXPECT_EQ(rows.back().substr(8, 7), "100.263");
}

TEST_F(ScheduleTest, ExtrasOutsideTheScheduleHaveNoEffect) {
    computeOk(workedExample(), table);
    const auto plain = rowsOf(table);
    LoanInputs in = workedExample();
    in.extraOnce = QStringLiteral("500");
    in.onceDate = QDate(2030, 1, 1);
    in.extraYearly = QStringLiteral("700");
    in.yearlyMonthIndex = 2; // March: the schedule ends in March 2025 on the payoff row...
    computeOk(in, table);
    // ...whose payment is the remaining balance either way.
    EXPECT_EQ(rowsOf(table), plain);
}

TEST_F(ScheduleTest, ExtraLargerThanTheBalancePaysExactlyTheBalance) {
    LoanInputs in = workedExample();
    in.extraOnce = QStringLiteral("20000");
    in.onceDate = QDate(2024, 6, 1);
    computeOk(in, table);
    const auto rows = rowsOf(table);
    ASSERT_EQ(rows.size(), 3u);
    // The payment is the balance before the row; its interest is not added on top.
    EXPECT_EQ(rows.back(), "06/2024 8374.619 8332.746 41.873 137.820 0.000");
}

TEST_F(ScheduleTest, BlanksAroundNumbersAreAccepted) {
    LoanInputs in = workedExample();
    in.loanAmount = QStringLiteral("  10000 ");
    in.term = QStringLiteral(" 12");
    EXPECT_EQ(computeOk(in, table).totalPayment, "10,327.97");
}

// Inputs that are refused leave the previous schedule untouched.
struct RefusalCase {
    const char* name;
    void (*change)(LoanInputs&);
    std::optional<LoanInput> input;
    const QString* message;
};

const RefusalCase kRefusals[] = {
    {"amount not a number", [](LoanInputs& in) { in.loanAmount = "abc"; }, LoanInput::LoanAmount,
     &advisory::notNumeric},
    {"fractional term", [](LoanInputs& in) { in.term = "12.5"; }, LoanInput::Term, &advisory::notNumeric},
    {"rate read before term",
     [](LoanInputs& in) {
         in.term = "x";
         in.interest = "y";
     },
     LoanInput::Interest, &advisory::notNumeric},
    {"one-time extra not a number", [](LoanInputs& in) { in.extraOnce = "1,5"; }, LoanInput::ExtraOnce,
     &advisory::notNumeric},
    {"zero term", [](LoanInputs& in) { in.term = "0"; }, std::nullopt, &advisory::termNotPositive},
    {"negative term", [](LoanInputs& in) { in.term = "-12"; }, std::nullopt, &advisory::termNotPositive},
    {"zero rate", [](LoanInputs& in) { in.interest = "0"; }, std::nullopt, &advisory::zeroRate},
    {"power overflows",
     [](LoanInputs& in) {
         in.term = "100000000";
         in.interest = "600";
     },
     std::nullopt, &advisory::paymentOverflow},
    {"years overflow the month count",
     [](LoanInputs& in) {
         in.term = "200000000";
         in.termTypeIndex = 1;
     },
     std::nullopt, &advisory::paymentOverflow},
    {"monthly extra cancels the payment", [](LoanInputs& in) { in.extraMonthly = "-860"; }, std::nullopt,
     &advisory::neverPaidOff},
    {"payment below interest after a yearly cut",
     [](LoanInputs& in) {
         in.extraMonthly = "-800";
         in.interest = "50";
     },
     std::nullopt, &advisory::neverPaidOff},
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, LeavesTheTableAsItWas) {
    const RefusalCase& c = GetParam();
    MemoryTable table;
    AmortizationSchedule::defineTable(table);
    computeOk(workedExample(), table);
    const auto before = rowsOf(table);
    LoanInputs in = workedExample();
    c.change(in);
    const auto outcome = AmortizationSchedule::compute(in, table, kSettings);
    const auto* refusal = std::get_if<InputRefusal>(&outcome);
    ASSERT_NE(refusal, nullptr) << c.name;
    EXPECT_EQ(refusal->message, *c.message) << c.name;
    EXPECT_EQ(refusal->input, c.input) << c.name;
    EXPECT_EQ(rowsOf(table), before) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Inputs, RefusalTest, testing::ValuesIn(kRefusals));

TEST(Round3, HalvesGoToTheEvenNeighbour) {
    // Each x / 0.001 below is n + 0.5 once the quotient is a double.
    EXPECT_EQ(round3(0.0025), 0.002);
    EXPECT_EQ(round3(0.0035), 0.004);
    EXPECT_EQ(round3(9.5365), 9.536) << "half-up would give 9.537";
    EXPECT_EQ(round3(8.8955), 8.896);
    // In 80 bits these quotients fall just below the half, because the double 0.001 is a little
    // above a thousandth; as doubles they are the half and go to the even neighbour.
    EXPECT_EQ(round3(0.1875L), 0.188);
    EXPECT_EQ(round3(9778.1875L), 9778.188);
}

TEST_F(ScheduleTest, FortyYearsAtTwelvePercentEndOnTheCent) {
    // Row 130's interest is the exact half 9778.1875; rounding it down made every later row drift.
    LoanInputs in = workedExample();
    in.loanAmount = QStringLiteral("999999.99");
    in.term = QStringLiteral("40");
    in.termTypeIndex = 1;
    in.interest = QStringLiteral("12");
    const ScheduleSummary summary = computeOk(in, table);
    const auto rows = rowsOf(table);
    ASSERT_EQ(rows.size(), 480u);
    EXPECT_EQ(rows[129], "01/2035 10084.999 306.811 9778.188 1288561.819 977511.939");
    EXPECT_EQ(rows[479], "03/2064 9989.780 9889.882 99.898 3840804.209 0.000");
    EXPECT_EQ(summary.totalInterest, "3,840,804.21");
}

TEST(IntPower, RepeatedSquaringAndReciprocal) {
    EXPECT_EQ(intPower(2, 10), 1024);
    EXPECT_EQ(intPower(2, -2), 0.25L);
    EXPECT_EQ(intPower(7, 0), 1);
    EXPECT_NEAR(double(intPower(1.005L, 12)), 1.0616778118644995, 1e-15);
}

} // namespace
