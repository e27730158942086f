#include "EngineFixture.h"
#include "TppDetailBand.h"
#include "TppDrawVar.h"
#include "TppFooterBand.h"
#include "TppHeaderBand.h"
#include "TppSystemVariable.h"

namespace {

// 14 records of 10000 between a header and a footer of 10000 fill three
// pages of six, six and two; the footer shows the system variable.
class SystemVariableTest : public EngineFixture {
protected:
    SystemVariableTest() {
        addBand<TppHeaderBand>(10000);
        addNumber(addBand<TppDetailBand>(10000));
        footer = addBand<TppFooterBand>(10000);
        variable = new TppSystemVariable(&form);
        variable->SetBand(footer);
        variable->SetBounds(0, 0, 40000, 5000);
        report->PrinterSetup().SetDocumentName(QStringLiteral("Quarterly"));
        fill(14);
    }

    // The variable's command on each page printed.
    QList<const TppDrawVar*> printVariable() {
        pages = print();
        QList<const TppDrawVar*> found;
        for (const auto& page : pages)
            for (int index = 0; index < page->DrawCommandCount(); ++index)
                if (const auto* var = dynamic_cast<const TppDrawVar*>(page->DrawCommand(index)))
                    found << var;
        return found;
    }

    TppFooterBand* footer = nullptr;
    TppSystemVariable* variable = nullptr;
    QList<std::shared_ptr<TppPage>> pages;
};

TEST_F(SystemVariableTest, EachKindPrintsItsValueOnEveryPage) {
    // The fixture's clock reads 15 March 2024, 09:30.
    struct Case {
        TppVarType kind;
        QString format;
        QStringList texts;
        TppDataType type;
    };
    const Case cases[] = {
        {vtDate, "", {"3/15/2024", "3/15/2024", "3/15/2024"}, dtDate},
        {vtDate, "yyyy-mm-dd", {"2024-03-15", "2024-03-15", "2024-03-15"}, dtDate},
        {vtTime, "hh:nn", {"09:30", "09:30", "09:30"}, dtTime},
        {vtPrintDateTime,
         "yyyy-mm-dd hh:nn",
         {"2024-03-15 09:30", "2024-03-15 09:30", "2024-03-15 09:30"},
         dtDateTime},
        {vtDocumentName, "", {"Quarterly", "Quarterly", "Quarterly"}, dtString},
        {vtPageNo, "", {"1", "2", "3"}, dtInteger},
        {vtPageNo, "000", {"001", "002", "003"}, dtInteger},
        {vtPageNoDesc, "", {"Page 1", "Page 2", "Page 3"}, dtString},
        // Choosing "n of m" counts the pages first, so every page knows its count.
        {vtPageCount, "", {"3", "3", "3"}, dtInteger},
        {vtPageSet, "", {"1 of 3", "2 of 3", "3 of 3"}, dtString},
        {vtPageSetDesc, "", {"Page 1 of 3", "Page 2 of 3", "Page 3 of 3"}, dtString},
    };
    for (const Case& c : cases) {
        report->SetPassSetting(c.kind == vtPageCount ? psTwoPass : psOnePass);
        variable->SetVarType(c.kind);
        variable->SetDisplayFormat(c.format);
        const auto vars = printVariable();
        QStringList texts;
        for (const TppDrawVar* var : vars) {
            texts << var->Text;
            EXPECT_EQ(var->VarType, c.kind);
            EXPECT_EQ(var->DataType(), c.type) << "kind " << int(c.kind);
        }
        EXPECT_EQ(texts, c.texts) << "kind " << int(c.kind) << " format \"" << c.format.toStdString() << "\"";
    }
}

TEST_F(SystemVariableTest, OutsidePrintingThePageKindsReadPageOneOfOne) {
    const std::pair<TppVarType, QString> cases[] = {
        {vtPageSetDesc, "Page 1 of 1"},
        {vtPageSet, "1 of 1"},
        {vtPageNoDesc, "Page 1"},
        {vtPageNo, "1"},
        {vtPageCount, "1"},
        {vtDate, "3/15/2024"},
    };
    for (const auto& [kind, text] : cases) {
        variable->SetVarType(kind);
        EXPECT_EQ(variable->Text(), text) << "kind " << int(kind);
    }
}

TEST_F(SystemVariableTest, OnFormatGetsTheUnformattedValueAndHasTheLastWord) {
    variable->SetVarType(vtPageNo);
    variable->SetDisplayFormat(QStringLiteral("000"));
    QStringList seen;
    variable->OnFormat.handler = [&seen](TppCommunicator*, const QString& format, TppDataType type,
                                         const QVariant& value, QString& text) {
        seen << QStringLiteral("%1|%2|%3|%4").arg(format).arg(int(type)).arg(value.toInt()).arg(text);
        text = QStringLiteral("#") + value.toString();
    };
    QStringList texts;
    for (const TppDrawVar* var : printVariable())
        texts << var->Text;
    EXPECT_EQ(texts, (QStringList{"#1", "#2", "#3"}));
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.first(), QStringLiteral("000|%1|1|1").arg(int(dtInteger)))
        << "no display format before OnFormat";
}

TEST_F(SystemVariableTest, ChoosingPageOfPagesAsksForTwoPassesButLoadingDoesNot) {
    variable->SetVarType(vtPageNo);
    EXPECT_EQ(report->PassSetting(), psOnePass);
    variable->SetVarType(vtPageSetDesc);
    EXPECT_EQ(report->PassSetting(), psTwoPass);

    report->SetPassSetting(psOnePass);
    variable->setState(OwnedComponent::Loading, true);
    variable->SetVarType(vtPageSet);
    variable->setState(OwnedComponent::Loading, false);
    EXPECT_EQ(report->PassSetting(), psOnePass) << "a stored layout keeps its own pass setting";
}

} // namespace
