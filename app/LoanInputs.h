#pragma once

#include "FormatSettings.h"

#include <QDateTime>
#include <QString>
#include <optional>

// The calculator's inputs as the user typed them; the defaults are the window's.
struct LoanInputs {
    QString loanAmount = QStringLiteral("10000");
    QString term = QStringLiteral("12");
    int termTypeIndex = 0; // 0 "per Month", 1 "per Year"
    QString interest = QStringLiteral("6");
    QDateTime startDate;
    QString extraMonthly = QStringLiteral("0");
    QString extraYearly = QStringLiteral("0");
    int yearlyMonthIndex = 0; // 0 "Jan" ... 11 "Dec"
    QString extraOnce = QStringLiteral("0");
    QDate onceDate;
};

// Which edit box a refused value came from, so the window can reset and focus it.
enum class LoanInput { LoanAmount, Interest, Term, ExtraMonthly, ExtraYearly, ExtraOnce };

// The edit boxes' readers: blanks around the number are allowed.
std::optional<long double> readFloatInput(const QString& text, const FormatSettings& settings);
std::optional<qint32> readIntInput(const QString& text);

// An input that could not be used, with the message for the user. `input` is
// set when the value itself did not parse.
struct InputRefusal {
    std::optional<LoanInput> input;
    QString message;
};
