#pragma once

#include <QString>

// Texts of the calculator's message boxes. Users and scripts that drive the
// command line read them, so they stay exactly as they are.
namespace advisory {
inline const QString notNumeric = QStringLiteral("ADVISORY : Not a valid numeric value.");
inline const QString termNotNumeric = QStringLiteral("ADVISORY : Unable to convert term to numeric.");
inline const QString noRecords = QStringLiteral("ADVISORY : No records to process");
inline const QString noReportFile = QStringLiteral("ADVISORY : Unable to find amortization report file.");
// Inputs that leave the payment undefined or would never pay the loan off.
inline const QString termNotPositive = QStringLiteral("ADVISORY : The loan term must be greater than zero.");
inline const QString zeroRate =
    QStringLiteral("ADVISORY : The interest rate must not be zero: the monthly payment is undefined.");
inline const QString paymentOverflow =
    QStringLiteral("ADVISORY : The interest rate and term are too large to compute a monthly payment.");
inline const QString neverPaidOff =
    QStringLiteral("ADVISORY : The payments do not cover the interest, so the loan would never be paid off.");
} // namespace advisory
