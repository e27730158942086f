#pragma once

#include "LoanInputs.h"
#include "MemoryTable.h"

#include <variant>

// The six values that "Show Report" writes into the report's header labels.
// They come from the inputs as they stand now and from the table's first and
// last rows; the table is not recomputed.
struct ReportHeader {
    QString loanAmount;    // pplblAutoLoanAmt
    QString loanTerm;      // pplblLoanTerm
    QString interestRate;  // pplblInterestRate
    QString monthPay;      // pplblMonthPay
    QString totalInterest; // pplblTotInterest
    QString totalPay;      // pplblTotPay

    // Reads amount, rate and term (stopping at the first that does not parse)
    // and the table's rows; moves the table to its last row.
    static std::variant<ReportHeader, InputRefusal> read(const LoanInputs& inputs, Dataset& table,
                                                         const FormatSettings& settings);
};
