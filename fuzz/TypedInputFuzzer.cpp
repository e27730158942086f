// Feeds arbitrary text to what reads what users type: page lists ("1,3,5-12")
// of the print dialog and the command line, numbers, dates and times in the
// invariant and in a German locale, the calculator's inputs, which are
// computed into a schedule, and the search criteria of `pagewright render
// --search NAME=VALUE`, checked as the criterion's type and, when they pass,
// turned into the condition the rows are filtered by. The first byte
// chooses the reader. Crashes, sanitizer reports and hangs are findings;
// refusals are not.

#include "AmortizationSchedule.h"
#include "AutoSearchValues.h"
#include "DateTimeParse.h"
#include "FuzzSupport.h"
#include "LoanInputs.h"
#include "NumberParse.h"
#include "PageList.h"
#include "PagewrightErrors.h"
#include "SearchConditions.h"
#include "SearchOption.h"
#include "TppAutoSearchField.h"

#include <QLocale>

namespace {

const FormatSettings& german() {
    static const FormatSettings settings =
        FormatSettings::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    return settings;
}

// The fields of the window, separated by "|": amount, term, interest, the
// three extras; the months and the term unit come from the first bytes.
void computeLoan(FuzzSettings& settings, const FormatSettings& format) {
    LoanInputs inputs;
    inputs.termTypeIndex = settings.choice(2);
    inputs.yearlyMonthIndex = settings.choice(12);
    const int onceMonth = settings.choice(13);
    const QStringList fields = QString::fromUtf8(settings.rest()).split(u'|');
    QString* const targets[] = {&inputs.loanAmount,   &inputs.term,        &inputs.interest,
                                &inputs.extraMonthly, &inputs.extraYearly, &inputs.extraOnce};
    for (qsizetype i = 0; i < fields.size() && i < qsizetype(std::size(targets)); ++i)
        *targets[i] = fields[i];
    inputs.startDate = QDateTime(QDate(2024, 3, 15), QTime(9, 0));
    if (onceMonth > 0)
        inputs.onceDate = QDate(2025, onceMonth, 1);
    MemoryTable table;
    AmortizationSchedule::defineTable(table);
    (void)AmortizationSchedule::compute(inputs, table, format);
}

// "NAME=VALUE" for a criterion of the type and comparison the first bytes
// choose, as the command line takes it and the row filter applies it.
void searchCriterion(FuzzSettings& settings, const FormatSettings& format) {
    const auto type = TppDataType(settings.choice(dtLargeInt + 1));
    const auto op = TppSearchOperatorType(settings.choice(soNotBlank + 1));
    const std::optional<SearchOption> option = SearchOption::parse(QString::fromUtf8(settings.rest()));
    if (!option)
        return;
    for (const QString& part : splitSearchExpression(option->value))
        if (!searchValueProblem(part, type, format, 2024).isEmpty())
            return;
    TppAutoSearchField field;
    field.SetFieldName(option->criterionName);
    field.SetDataType(type);
    field.SetSearchOperator(op);
    field.SetWildCard(QStringLiteral("%"));
    field.SetSearchExpression(option->value);
    field.SetShowAllValues(false);
    try {
        const std::optional<SearchCondition> condition = SearchCondition::of(field);
        if (!condition)
            return;
        QList<std::pair<QString, QVariant>> parameters;
        (void)condition->sql([](const QString& name) { return u'"' + name + u'"'; }, parameters);
        for (const QVariant& value : {QVariant(), QVariant(option->value), QVariant(42), QVariant(2.5)})
            (void)condition->matches(value);
    } catch (const EPagewrightError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSettings settings(bytesOf(data, size));
    const int reader = settings.choice(9);
    const FormatSettings& format = settings.flag() ? german() : FormatSettings::invariant();
    if (reader == 7) {
        computeLoan(settings, format);
        return 0;
    }
    if (reader == 8) {
        searchCriterion(settings, format);
        return 0;
    }
    const QString text = QString::fromUtf8(settings.rest());
    switch (reader) {
    case 0:
    case 1: {
        QStringList list;
        if (ParsePageList(text, list, reader == 1) && list.size() > kMaxPageListEntries)
            abort();
        break;
    }
    case 2:
        (void)parseFloat(text, format);
        (void)readFloatInput(text, format);
        break;
    case 3:
        (void)parseInt32(text);
        (void)readIntInput(text);
        break;
    case 4:
        (void)parseDate(text, format, 2024);
        break;
    case 5:
        (void)parseTime(text, format);
        break;
    case 6:
        (void)parseDateTime(text, format, 2024);
        break;
    }
    return 0;
}
