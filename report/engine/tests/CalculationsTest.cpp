#include "EngineFixture.h"
#include "PagewrightErrors.h"
#include "TppDBCalc.h"
#include "TppDetailBand.h"
#include "TppDrawVariable.h"
#include "TppHeaderBand.h"
#include "TppSummaryBand.h"
#include "TppVariable.h"

namespace {

// The fixture's report over a table whose records carry V, a value that
// may be null, beside N and G.
class CalculationsTest : public EngineFixture {
protected:
    CalculationsTest() {
        table.close();
        table.setFieldDefs({{"N", FieldType::Integer, 0, 0},
                            {"G", FieldType::String, 20, 0},
                            {"V", FieldType::Float, 0, 0}});
        table.open();
    }

    // One record per value (a null where the value is invalid), numbered
    // from 1, in the groups given.
    void fillValues(const QVariantList& values, const QStringList& groups = {}) {
        for (int n = 1; n <= values.size(); ++n) {
            table.append();
            table.setValue(0, n);
            table.setValue(1, groups.value(n - 1));
            table.setValue(2, values[n - 1]);
            table.post();
        }
        table.first();
    }

    TppDBCalc* addCalc(TppBand* band, TppDBCalcType type, const QString& field = QStringLiteral("V"),
                       int top = 0) {
        auto* calc = new TppDBCalc(&form);
        calc->SetBand(band);
        calc->SetDataPipeline(pipeline);
        calc->SetDataField(field);
        calc->SetDBCalcType(type);
        calc->SetAutoSize(false);
        calc->SetBounds(40000, top, 20000, 5000);
        return calc;
    }

    TppVariable* addVariable(TppBand* band, TppDataType type = dtInteger, int top = 0) {
        auto* variable = new TppVariable(&form);
        variable->SetBand(band);
        variable->SetDataType(type);
        variable->SetAutoSize(false);
        variable->SetBounds(60000, top, 20000, 5000);
        return variable;
    }

    // Adds the record's N to an integer variable on each computation.
    static void sumOfN(TppVariable& variable, TppDBPipeline* rows) {
        variable.OnCalc.handler = [rows](TppCommunicator*, QVariant& value) {
            value = value.toInt() + rows->GetFieldValue(QStringLiteral("N")).toInt();
        };
    }

    // The texts of the band kind on each page, page by page.
    static QStringList textsOf(const QList<std::shared_ptr<TppPage>>& pages, const QString& band) {
        QStringList result;
        for (const auto& page : pages)
            for (const QString& text : texts(*page))
                if (text.startsWith(band + u'@'))
                    result << text.section(u':', 1);
        return result;
    }
};

struct CalcCase {
    const char* name;
    TppDBCalcType type;
    QVariantList values;
    bool blankWhenZero;
    const char* text;
};

// A null counts in the divisor; the first record after the reset sets the
// minimum and maximum, whatever the value before; a blank zero prints nothing.
TEST_F(CalculationsTest, EachKindOfCalculationOverAReport) {
    const CalcCase cases[] = {
        {"minimum", dcMinimum, {5, 7, 3, 9}, false, "3"},
        {"maximum", dcMaximum, {5, 7, 3, 9}, false, "9"},
        {"maximum of negatives", dcMaximum, {-5, -7, -3}, false, "-3"},
        {"minimum of positives", dcMinimum, {4, 8}, false, "4"},
        {"sum", dcSum, {1.5, 2.25, 3}, false, "6.75"},
        {"count with nulls", dcCount, {1, QVariant(), 3}, false, "3"},
        {"average over a null", dcAverage, {2, QVariant(), 4}, false, "2"},
        {"sum to zero, blank", dcSum, {3, -3}, true, ""},
        {"sum to zero", dcSum, {3, -3}, false, "0"},
        {"average of nothing but nulls, blank", dcAverage, {QVariant(), QVariant()}, true, ""},
    };
    for (const CalcCase& c : cases) {
        SCOPED_TRACE(c.name);
        table.close();
        table.open();
        fillValues(c.values);
        auto* detail = addBand<TppDetailBand>(5000);
        auto* summary = addBand<TppSummaryBand>(5000);
        TppDBCalc* calc = addCalc(summary, c.type);
        calc->SetBlankWhenZero(c.blankWhenZero);
        report->Engine()->Reset();
        const auto pages = print();
        EXPECT_EQ(textsOf(pages, QStringLiteral("S")), QStringList{c.text});
        delete calc;
        delete summary;
        delete detail;
    }
}

// A calculation and a variable reset after their group's footer show the
// group's total there, and the report's total in the summary.
TEST_F(CalculationsTest, GroupAndGrandTotals) {
    fillValues({1, 2, 3, 4, 5}, {"A", "A", "A", "B", "B"});
    addBand<TppDetailBand>(5000);
    TppGroup* group = addGroup(5000);
    TppDBCalc* groupSum = addCalc(group->FooterBand(), dcSum, QStringLiteral("N"));
    groupSum->SetResetGroup(group);
    TppVariable* groupTotal = addVariable(group->FooterBand());
    groupTotal->SetResetType(veGroupEnd);
    groupTotal->SetResetComponent(group);
    sumOfN(*groupTotal, pipeline);
    auto* summary = addBand<TppSummaryBand>(5000);
    addCalc(summary, dcSum, QStringLiteral("N"));
    TppVariable* grandTotal = addVariable(summary);
    sumOfN(*grandTotal, pipeline);
    const auto pages = print();
    // The footer's own data text, the calculation, the variable.
    EXPECT_EQ(textsOf(pages, QStringLiteral("GF0")), (QStringList{"3", "6", "6", "5", "9", "9"}));
    EXPECT_EQ(textsOf(pages, QStringLiteral("S")), (QStringList{"15", "15"}));
}

// Variables hearing the same event compute in their band's calculation order.
TEST_F(CalculationsTest, CalcOrderOrdersTheComputations) {
    fill(2);
    auto* detail = addBand<TppDetailBand>(5000);
    TppVariable* first = addVariable(detail);
    TppVariable* second = addVariable(detail, dtInteger, 5000);
    QStringList heard;
    first->OnCalc.handler = [&](TppCommunicator*, QVariant&) { heard << "first"; };
    second->OnCalc.handler = [&](TppCommunicator*, QVariant&) { heard << "second"; };
    print();
    EXPECT_EQ(heard, (QStringList{"first", "second", "first", "second"}));
    EXPECT_EQ(first->CalcOrder(), 0);
    second->SetCalcOrder(0);
    EXPECT_EQ(first->CalcOrder(), 1);
    heard.clear();
    report->Engine()->Reset();
    print();
    EXPECT_EQ(heard, (QStringList{"second", "first", "second", "first"}));
}

// Values convert into the slot of the data type; what does not convert
// leaves the slot as it was, and an empty value changes nothing.
TEST_F(CalculationsTest, StoringAValueConvertsIntoTheSlotOfItsType) {
    TppVariable variable;
    struct Case {
        TppDataType type;
        QVariant value;
        QVariant expected;
    } const cases[] = {
        {dtInteger, 2.5, 2},
        {dtInteger, 3.5, 4},
        {dtDouble, QStringLiteral("1.25"), 1.25},
        {dtCurrency, 1.23456, 1.2346},
        {dtChar, QStringLiteral("xyz"), QStringLiteral("x")},
        {dtString, 12, QStringLiteral("12")},
        {dtBoolean, QStringLiteral("true"), true},
    };
    for (const Case& c : cases) {
        variable.SetDataType(c.type);
        variable.SetValue(c.value);
        EXPECT_EQ(variable.Value(), c.expected) << c.value.toString().toStdString();
    }
    variable.SetDataType(dtInteger);
    variable.SetValue(7);
    EXPECT_THROW(variable.SetValue(QStringLiteral("seven")), EConvertError);
    variable.SetValue(QVariant());
    EXPECT_EQ(variable.AsInteger(), 7);
    variable.SetDataType(dtBLOB);
    EXPECT_EQ(variable.DataType(), dtInteger);
    variable.SetAsDate(QDate(2024, 3, 15));
    EXPECT_EQ(variable.DataType(), dtDateTime);
    EXPECT_EQ(variable.AsInteger(), 7);
}

// A running text carried across pages: every page, made again alone or
// in the second pass, starts from the text the page before ended with.
TEST_F(CalculationsTest, APageMadeAgainShowsTheValuesOfTheWholeRun) {
    for (const TppPassSettingType passes : {psOnePass, psTwoPass}) {
        SCOPED_TRACE(passes == psOnePass ? "one pass" : "two passes");
        report->SetPassSetting(passes);
        table.close();
        table.open();
        fillValues(
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18},
            {"A", "A", "A", "A", "A", "A", "A", "A", "A", "A", "A", "A", "B", "B", "B", "B", "B", "B"});
        auto* detail = addBand<TppDetailBand>(10000);
        TppGroup* group = addGroup(5000);
        TppVariable* digits = addVariable(detail, dtString);
        digits->SetResetType(veGroupEnd);
        digits->SetResetComponent(group);
        digits->OnCalc.handler = [this](TppCommunicator*, QVariant& value) {
            value = value.toString() + pipeline->GetFieldValue(QStringLiteral("N")).toString().right(1);
        };
        TppDBCalc* running = addCalc(detail, dcSum, QStringLiteral("N"), 5000);
        running->SetResetGroup(group);
        TppDBCalc* total = addCalc(group->HeaderBand(), dcSum, QStringLiteral("N"));
        total->SetResetGroup(group);
        total->SetLookAhead(true);
        report->SetPassSetting(passes);
        report->Engine()->Reset();
        QList<QStringList> whole;
        for (const auto& page : print())
            whole << texts(*page);
        ASSERT_GE(whole.size(), 3);
        for (int page = 1; page <= whole.size(); ++page) {
            const auto again = print(psSinglePage, page);
            ASSERT_EQ(again.size(), 1);
            EXPECT_EQ(texts(*again.first()), whole[page - 1]) << "page " << page << " from the cache";
            report->Engine()->Reset();
            const auto alone = print(psSinglePage, page);
            ASSERT_EQ(alone.size(), 1);
            EXPECT_EQ(texts(*alone.first()), whole[page - 1]) << "page " << page << " alone";
        }
        delete total;
        delete running;
        delete digits;
        delete group;
        delete detail;
    }
}

// In the second pass a header shows the value its scope reached at its end:
// a group header the group's total, a page header the page's last value.
TEST_F(CalculationsTest, LookAheadShowsTotalsInHeaders) {
    report->SetPassSetting(psTwoPass);
    fillValues({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {"A", "A", "A", "A", "A", "A", "A", "A", "B", "B"});
    auto* header = addBand<TppHeaderBand>(5000);
    addBand<TppDetailBand>(10000);
    TppGroup* group = addGroup(5000);
    TppVariable* groupTotal = addVariable(group->HeaderBand());
    groupTotal->SetResetType(veGroupEnd);
    groupTotal->SetResetComponent(group);
    groupTotal->SetLookAhead(true);
    sumOfN(*groupTotal, pipeline);
    TppVariable* pageTotal = addVariable(header);
    pageTotal->SetResetType(vePageStart);
    pageTotal->SetLookAhead(true);
    sumOfN(*pageTotal, pipeline);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    // Group A (1 to 8) runs over both pages: its header, reprinted with
    // the group's last record, shows the group's total both times.
    EXPECT_EQ(textsOf(pages, QStringLiteral("GH0")), (QStringList{"1", "36", "8", "36", "9", "19"}));
    // Page 1 holds records 1 to 7, page 2 records 8 to 10.
    EXPECT_EQ(textsOf(pages, QStringLiteral("H")), (QStringList{"28", "27"}));
    EXPECT_EQ(groupTotal->GetLookAheadValue(QStringLiteral("no such key")), QStringLiteral("0"));
}

} // namespace
