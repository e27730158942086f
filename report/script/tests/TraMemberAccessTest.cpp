#include "ScriptedReport.h"
#include "TppMemo.h"
#include "TppRichText.h"
#include "TppRichTextDocument.h"
#include "TppVariable.h"
#include "TraWindowObjects.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

class TraMemberAccessTest : public testing::Test {
protected:
    TraMemberAccessTest() {
        memo = new TppMemo(&fixture.form);
        memo->SetBand(fixture.header);
        memo->SetUserName(QStringLiteral("Memo1"));
        memo->SetLines({QStringLiteral("one"), QStringLiteral("two")});
        richText = new TppRichText(&fixture.form);
        richText->SetBand(fixture.header);
        richText->SetUserName(QStringLiteral("RichText1"));
        TppRichTextDocument document;
        document.LoadPlainText(QStringLiteral("Hello World"));
        richText->SetRichText(document.ToRtf());
    }
    std::string run(const std::string& body, const std::string& vars = "L: TStringList") {
        return fixture.run("procedure Main;\nvar " + vars + ";\nbegin\n" + body + "\nend;");
    }
    static QString plainText(const TppCustomRichText& r) {
        return TppRichTextDocument(r.RichText()).PlainText();
    }

    ScriptedReport fixture;
    TppMemo* memo;
    TppRichText* richText;
};

TEST_F(TraMemberAccessTest, AMemosLinesAreAListThatReachesTheMemo) {
    EXPECT_EQ(run("  Memo1.Lines.Add('three');\n  Memo1.Lines[1] := 'TWO';\n"
                  "  Memo1.Lines.Strings[0] := Memo1.Lines[0] + '!';\n"
                  "  Label1.Caption := IntToStr(Memo1.Lines.Count) + Memo1.Lines.Text;"),
              "");
    EXPECT_EQ(memo->Lines(), QStringList({"one!", "TWO", "three"}));
    EXPECT_EQ(fixture.label->Caption(), "3one!\r\nTWO\r\nthree\r\n");
    // Changed behind the list's back, the memo is what the list reads next.
    memo->SetLines({QStringLiteral("fresh")});
    EXPECT_EQ(run("  L := TStringList.Create;\n  L.Add(Memo1.Lines[0]);\n  L.Add('copied');\n"
                  "  Memo1.Lines := L;\n  L.Free;"),
              "");
    EXPECT_EQ(memo->Lines(), QStringList({"fresh", "copied"}));
}

TEST_F(TraMemberAccessTest, IndexedWritesAreBoundsCheckedAndListsOfReportObjectsAreNotTheScriptsToFree) {
    const struct {
        const char* statement;
        const char* error; // empty: it runs
        QStringList lines;
    } cases[] = {
        {"Memo1.Lines[2] := 'x'", "Strings[2] is out of bounds: the list holds 2 items", {"one", "two"}},
        {"Memo1.Lines[-1] := 'x'", "Strings[-1] is out of bounds: the list holds 2 items", {"one", "two"}},
        {"Memo1.Lines.Objects[0] := Label1", "", {"one", "two"}},
        {"Memo1.Lines.Values['two'] := 'x'", "", {"one", "two", "two=x"}},
        {"Memo1.Lines.Free", "Free is allowed only on objects the script created", {"one", "two"}},
    };
    for (const auto& c : cases) {
        memo->SetLines({QStringLiteral("one"), QStringLiteral("two")});
        const std::string error = run(std::string("  ") + c.statement + ";");
        if (*c.error)
            EXPECT_NE(error.find(c.error), std::string::npos) << c.statement << ": " << error;
        else
            EXPECT_EQ(error, "") << c.statement;
        EXPECT_EQ(memo->Lines(), c.lines) << c.statement;
    }
}

TEST_F(TraMemberAccessTest, WritableIndexedMembersOfScriptLists) {
    EXPECT_EQ(run("  L := TStringList.Create;\n  L.Add('a=1');\n  L.Add('b');\n"
                  "  L[1] := 'c';\n  L.Values['a'] := '2';\n  L.Values['d'] := '4';\n"
                  "  Label1.Caption := L.Text;\n  L.Free;"),
              "");
    EXPECT_EQ(fixture.label->Caption(), "a=2\r\nc\r\nd=4\r\n");
    const std::string error = run("  L := TStringList.Create;\n  L.Sorted := True;\n  L.Add('x');\n"
                                  "  L[0] := 'y';");
    EXPECT_NE(error.find("Operation not allowed on sorted string list"), std::string::npos) << error;
    EXPECT_EQ(run("  Report.Bands[0] := nil;").rfind("compile:", 0), 0u) << "Bands is read-only";
}

TEST_F(TraMemberAccessTest, StreamsCarryRichTextAndTheMemosTextBetweenComponents) {
    auto* other = new TppRichText(&fixture.form);
    other->SetBand(fixture.header);
    other->SetUserName(QStringLiteral("RichText2"));
    EXPECT_EQ(run("  S := TMemoryStream.Create;\n  RichText1.SaveToRTFStream(S);\n"
                  "  S.Position := 0;\n  RichText2.LoadFromRTFStream(S);\n"
                  "  Label1.Caption := IntToStr(Memo1.MemoStream.Size) + ' ' +\n"
                  "    IntToStr(S.Size - RichText2.RichTextStream.Size);\n  S.Free;",
                  "S: TMemoryStream"),
              "");
    EXPECT_EQ(plainText(*other), "Hello World");
    EXPECT_EQ(fixture.label->Caption(), "10 0") << "\"one\\r\\ntwo\\r\\n\", and the same rich text";
    const std::string error = run("  RichText1.LoadFromRTFStream(nil);");
    EXPECT_NE(error.find("LoadFromRTFStream needs a stream"), std::string::npos) << error;
}

TEST_F(TraMemberAccessTest, RichTextIsSearchedAndEditedThroughItsSelection) {
    EXPECT_EQ(run("  RichText1.SelStart := RichText1.FindText('world', 0, 100, 0);\n"
                  "  RichText1.SelLength := 5;\n  Label1.Caption := RichText1.SelText + ' ' +\n"
                  "    IntToStr(RichText1.FindText('world', 0, 100, 2));\n"
                  "  RichText1.SelText := 'There';",
                  "I: Integer"),
              "");
    EXPECT_EQ(fixture.label->Caption(), "World -1") << "option 2 matches case";
    EXPECT_EQ(plainText(*richText), "Hello There");
    // The selection's formats: "There" bold and the paragraph centred; "Hello" stays as it was.
    EXPECT_EQ(run("  RichText1.SelAttributes.Bold := True;\n  RichText1.SelAttributes.Size := 20;\n"
                  "  RichText1.Paragraph.Alignment := taCenter;\n  Label1.Caption := '';\n"
                  "  if RichText1.SelAttributes.Bold then Label1.Caption := 'bold ';\n"
                  "  Label1.Caption := Label1.Caption + IntToStr(RichText1.SelAttributes.Size);\n"
                  "  RichText1.SelStart := 0;\n"
                  "  if not RichText1.SelAttributes.Bold then Label1.Caption := Label1.Caption + ', plain';\n"
                  "  if RichText1.Paragraph.Alignment = taCenter then Label1.Caption := Label1.Caption + ', "
                  "centred';"),
              "");
    EXPECT_EQ(fixture.label->Caption(), "bold 20, plain, centred");
    EXPECT_EQ(plainText(*richText), "Hello There") << "formats leave the text alone";
}

// Read outside a run, members of the run state answer as not started; the
// windows of a headless run are nil, and the search description is one text.
TEST_F(TraMemberAccessTest, RunStateAndWindowsAnswerWhenNothingPrints) {
    // Texts print as they are; conditions as "True" or "False".
    const struct {
        const char* text;
        const char* condition;
        const char* expected;
    } cases[] = {
        {"IntToStr(Report.BandType) + IntToStr(Report.GroupIndex)", nullptr, "-1-1"},
        {nullptr, "Report.PageLimitReached", "False"},
        {nullptr, "Report.AbsolutePage", "True"},
        {"IntToStr(Detail.BandsPerRecordCount) + ' ' + IntToStr(Detail.Rank)", nullptr, "0 1"},
        {nullptr, "Detail.DrawPage or Detail.LastBand", "False"},
        {"Report.ActiveReport.UserName", nullptr, "Report"},
        {nullptr,
         "(Report.PreviewForm = nil) and (Report.PrintDialog = nil) and (Label1.DesignControl = nil) and "
         "(Label1.SelectionObject = nil)",
         "True"},
        // Outside a job the printer object follows the report's setup.
        {"Report.Printer.ClassName", nullptr, "TppPrinter"},
        {nullptr, "Report.Printer.PrinterName = Report.Printer.PrinterName", "True"},
        {nullptr, "Report.Icon.Empty and (Report.Icon is TIcon)", "True"},
        {"Label1.DefaultPropName + IntToStr(Label1.DefaultPropEditType)", nullptr, "Caption1"},
        {"'[' + Report.GetAutoSearchDescriptionAsString + ']'", nullptr, "[]"},
        {"Label1.NextSibling.UserName", nullptr, "Memo1"},
        {nullptr, "Report.PrinterSetup.PageDef <> nil", "True"},
    };
    for (const auto& c : cases) {
        const std::string statement =
            c.text ? std::string("  Label1.Caption := ") + c.text + ";"
                   : std::string("  if ") + c.condition +
                         " then Label1.Caption := 'True' else Label1.Caption := 'False';";
        EXPECT_EQ(run(statement), "") << statement;
        EXPECT_EQ(fixture.label->Caption(), c.expected) << statement;
    }
}

TEST_F(TraMemberAccessTest, AWindowLayerHandsOnTheObjectThatStandsForItsWindow) {
    TraForm form;
    form.caption = [] { return QStringLiteral("Print Preview"); };
    Persistent* report = fixture.report;
    TraWindowObjects::setSource("PreviewForm", [&form, report](Persistent& owner) -> Persistent* {
        return &owner == report ? &form : nullptr;
    });
    EXPECT_EQ(run("  Label1.Caption := Report.PreviewForm.Caption + ' ' + Report.PreviewForm.ClassName;"),
              "");
    EXPECT_EQ(fixture.label->Caption(), "Print Preview TCustomForm");
    Persistent* onWorker = &form;
    std::thread([&] { onWorker = TraWindowObjects::find("PreviewForm", *report); }).join();
    EXPECT_EQ(onWorker, nullptr) << "windows are not reached from a worker thread";
    TraWindowObjects::setSource("PreviewForm", {});
    const std::string error = run("  Label1.Caption := Report.PreviewForm.Caption;");
    EXPECT_NE(error.find("the object is nil"), std::string::npos) << error;
}

// The format event of a variable, as older tools' templates handle it.
TEST_F(TraMemberAccessTest, AnOnFormatHandlerSeesTheValueAndChangesTheText) {
    auto* variable = new TppVariable(&fixture.form);
    variable->SetBand(fixture.header);
    variable->SetUserName(QStringLiteral("Variable1"));
    variable->SetDataType(dtInteger);
    variable->SetValue(42);
    TraEventHandler& handler = fixture.module->addEventHandler("Variable1", "OnFormat");
    EXPECT_EQ(handler.declarationLine(), "procedure Variable1OnFormat(aDisplayFormat: String; aDataType: "
                                         "TppDataType; aValue: Variant; var aText: String);\r\n");
    handler.replaceBody("  aText := '<' + aText + '> ' + IntToStr(aValue + 1);");
    fixture.report->BroadcastEvent(fixture.report, ciReportGenerationStart);
    EXPECT_EQ(variable->Text(), "<42> 43");
    fixture.report->BroadcastEvent(fixture.report, ciReportGenerationEnd);
}

} // namespace
