#include "ReportHeader.h"

#include "AdvisoryMessages.h"
#include "NumberFormat.h"

std::variant<ReportHeader, InputRefusal> ReportHeader::read(const LoanInputs& inputs, Dataset& table,
                                                            const FormatSettings& settings) {
    const auto amount = readFloatInput(inputs.loanAmount, settings);
    if (!amount)
        return InputRefusal{LoanInput::LoanAmount, advisory::notNumeric};
    const auto rate = readFloatInput(inputs.interest, settings);
    if (!rate)
        return InputRefusal{LoanInput::Interest, advisory::notNumeric};
    const auto term = readIntInput(inputs.term);
    if (!term)
        return InputRefusal{LoanInput::Term, advisory::notNumeric};
    const long long months = inputs.termTypeIndex == 1 ? *term * 12LL : *term;

    const QString money = QStringLiteral("#,0.00");
    ReportHeader header;
    table.first();
    header.monthPay = formatFloat(money, table.value(QStringLiteral("PAYMENT")).toDouble(), settings);
    table.last();
    const double totalInterest = table.value(QStringLiteral("TOTAL_INTEREST")).toDouble();
    header.loanAmount = formatFloat(money, *amount, settings);
    header.loanTerm = formatFloat(QStringLiteral("#,0 months to pay"), months, settings);
    // The percent sign is literal text: 6 shows as 6.00%.
    header.interestRate = formatFloat(QStringLiteral("#,0.00%"), *rate, settings);
    header.totalInterest = formatFloat(money, totalInterest, settings);
    header.totalPay = formatFloat(money, totalInterest + *amount, settings);
    return header;
}
