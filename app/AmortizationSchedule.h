#pragma once

#include "LoanInputs.h"
#include "MemoryTable.h"

#include <QString>
#include <variant>

// The six summary texts of the "Loan Summary" tab.
struct ScheduleSummary {
    QString loanAmount;
    QString loanTerm;
    QString interestRate;
    QString monthlyPayment;
    QString totalInterest;
    QString totalPayment;
};

// The loan calculator: reads the inputs as typed, works out the level monthly
// payment and writes one schedule row per month until the balance is paid.
// Working values are 80-bit; the table stores doubles rounded by round3, which works in doubles.
class AmortizationSchedule {
public:
    // DATE, PAYMENT, PRINCIPAL_PAID, INTEREST_PAID, TOTAL_INTEREST, BALANCE.
    static FieldDefs fieldDefs();
    // Closes the table if open, defines the schedule's fields and opens it empty.
    static void defineTable(MemoryTable& table);

    // Fills the table and answers the summary, leaving the table on its first
    // row; or refuses the inputs and leaves the table as it was.
    static std::variant<ScheduleSummary, InputRefusal> compute(const LoanInputs& inputs, MemoryTable& table,
                                                               const FormatSettings& settings);
};

// Rounds to three decimals, halves to the even neighbour, as the table stores values.
double round3(long double x);

// base^exponent by repeated squaring; a negative exponent gives the reciprocal.
long double intPower(long double base, int exponent);
