#include "IconFile.h"
#include "ScriptedReport.h"
#include "TemplateClasses.h"
#include "TppAutoSearchField.h"
#include "TraRTTI.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TraBridgeTest : public testing::Test {
protected:
    ScriptedReport fixture;
};

TEST_F(TraBridgeTest, ScriptsReadAndWriteReportObjectsByUserName) {
    // Caption is published; spLeft is described by hand; the band chains on.
    EXPECT_EQ(fixture.run("procedure Main;\nbegin\n  Label1.Caption := 'x' + Label1.Caption;\n"
                          "  Label1.mmLeft := 2540;\n  Detail.Visible := Label1.spLeft < 0;\nend;"),
              "");
    EXPECT_EQ(fixture.label->Caption(), "xHello");
    EXPECT_FALSE(fixture.detail->Visible());
    EXPECT_EQ(fixture.run("procedure Main;\nbegin\n  Report.Bands[1].Visible := True;\n"
                          "  Label1.Caption := TppLabel(Report.Bands[0].Objects[0]).Caption + '!';\nend;"),
              "");
    EXPECT_TRUE(fixture.detail->Visible());
    EXPECT_EQ(fixture.label->Caption(), "xHello!");
}

TEST_F(TraBridgeTest, WritesConvertOrLeaveThePropertyAlone) {
    const struct {
        const char* name;
        const char* statement;
        int mmLeft;
    } cases[] = {
        {"an Integer into an Integer", "Label1.mmLeft := 500", 500},
        {"an Extended is truncated into an Integer", "Label1.mmLeft := 700.9", 700},
        {"a Variant converts", "Label1.mmLeft := V", 42},
        {"a Date is a number of days", "Label1.mmLeft := EncodeDate(1900, 1, 1)", 2},
    };
    for (const auto& c : cases) {
        fixture.label->SetmmLeft(100);
        EXPECT_EQ(fixture.run(std::string("procedure Main;\nvar V: Variant;\nbegin\n  V := 42;\n  ") +
                              c.statement + ";\nend;"),
                  "")
            << c.name;
        EXPECT_EQ(fixture.label->mmLeft(), c.mmLeft) << c.name;
    }
}

TEST_F(TraBridgeTest, IndexOutsideTheListStopsTheScript) {
    const std::string error =
        fixture.run("procedure Main;\nbegin\n  Label1.Caption := Report.Bands[5].UserName;\nend;");
    EXPECT_NE(error.find("Bands[5] is out of bounds: the list holds 2 items"), std::string::npos) << error;
    EXPECT_EQ(fixture.label->Caption(), "Hello");
}

// What an OnGetAutoSearchValues handler does: read the criteria, their values and their words.
TEST_F(TraBridgeTest, ScriptsCreateAndReadSearchCriteria) {
    EXPECT_EQ(fixture.run("procedure Main;\nvar Lines: TStringList;\nbegin\n"
                          "  Report.CreateAutoSearchCriteria('Orders', 'Amount', soBetween, '1,10', False);\n"
                          "  Lines := TStringList.Create;\n"
                          "  Report.GetAutoSearchDescriptionLines(Lines);\n"
                          "  Label1.Caption := IntToStr(Report.AutoSearchFieldCount) + ' ' +\n"
                          "    IntToStr(Report.AutoSearchFields[0].ValueCount) + ' ' +\n"
                          "    IntToStr(Report.AutoSearchCriteriaByName('orders', 'amount').Values[1]) + ' ' "
                          "+ Lines.Strings[0];\n"
                          "  Lines.Free;\nend;"),
              "");
    EXPECT_EQ(fixture.label->Caption(), "1 2 10 Show all data where the Amount is between 1,10");
    const std::string error = fixture.run(
        "procedure Main;\nbegin\n  Label1.Caption := Report.AutoSearchFields[0].Values[2];\nend;");
    EXPECT_NE(error.find("Values[2] is out of bounds: the list holds 2 items"), std::string::npos) << error;
    // The same lines as one text, a line break between each two.
    fixture.report->CreateAutoSearchCriteria(QStringLiteral("Orders"), QStringLiteral("Name"), soEqual,
                                             QStringLiteral("Smith"), false);
    EXPECT_EQ(
        fixture.run(
            "procedure Main;\nbegin\n  Label1.Caption := Report.GetAutoSearchDescriptionAsString;\nend;"),
        "");
    QStringList lines;
    fixture.report->GetAutoSearchDescriptionLines(lines);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(fixture.label->Caption(), lines.join(QStringLiteral("\r\n")));
}

TEST_F(TraBridgeTest, IsAndAsFollowTheClassTree) {
    EXPECT_EQ(
        fixture.run("procedure Main;\nvar C: TppComponent;\nbegin\n  C := Report.Bands[0].Objects[0];\n"
                    "  if C is TppCustomText then begin TppLabel(C as TppLabel).Caption := 'text'; end;\n"
                    "  if C is TppBand then Label1.Caption := 'band';\n"
                    "  if (Detail as TppLabel) = nil then Label1.Caption := Label1.Caption + ' nil';\n"
                    "  TppLabel(C).Caption := TppLabel(C).Caption + '!';\nend;"),
        "");
    EXPECT_EQ(fixture.label->Caption(), "text nil!");
}

TEST_F(TraBridgeTest, MembersAreCheckedOnTheDeclaredClass) {
    // A band has no Font; the label's class is known from its object.
    EXPECT_EQ(fixture.run("procedure Main;\nbegin\n  Detail.Font.Bold := True;\nend;"),
              "compile: Undeclared identifier: 'Font'.");
    EXPECT_EQ(fixture.run("procedure Main;\nbegin\n  Label1.Nothing := 1;\nend;"),
              "compile: Undeclared identifier: 'Nothing'.");
    EXPECT_EQ(fixture.run("procedure Main;\nvar L: TppLabel;\nbegin\n  L := nil;\n  L.Caption := 'x';\nend;")
                      .find("Cannot use Caption: the object is nil") != std::string::npos,
              true);
}

TEST_F(TraBridgeTest, ScriptsFreeOnlyTheObjectsTheyCreated) {
    // A list of the script's own: sorted on the way in, then freed.
    EXPECT_EQ(fixture.run("procedure Main;\nvar L: TStringList; I: Integer;\nbegin\n"
                          "  L := TStringList.Create;\n  L.Add('b');\n  L.Add('c');\n  L.Sorted := True;\n"
                          "  L.Add('a');\n  if L.Find('c', I) then\n"
                          "    Label1.Caption := L.Text + IntToStr(I) + L.Strings[0];\n  L.Free;\nend;"),
              "");
    EXPECT_EQ(fixture.label->Caption(), "a\r\nb\r\nc\r\n2a");
    const struct {
        const char* name;
        const char* body;
        const char* error;
    } refused[] = {
        {"a report object", "  Label1.Free;", "Free is allowed only on objects the script created"},
        {"a band reached through the report", "  Report.Bands[0].Free;",
         "Free is allowed only on objects the script created"},
        {"a list used after it was freed", "  L := TStringList.Create;\n  L.Free;\n  L.Add('x');",
         "Cannot use Add: the object was freed"},
        {"a list freed twice", "  L := TStringList.Create;\n  L.Free;\n  L.Free;",
         "Cannot use Free: the object was freed"},
    };
    for (const auto& c : refused) {
        const std::string error =
            fixture.run(std::string("procedure Main;\nvar L: TStringList;\nbegin\n") + c.body + "\nend;");
        EXPECT_NE(error.find(c.error), std::string::npos) << c.name << ": " << error;
    }
    // The label and the band are still there.
    EXPECT_EQ(fixture.label->Band(), fixture.header);
    EXPECT_EQ(fixture.run("procedure Main;\nbegin\n  Label1.Caption := Report.Bands[0].UserName;\nend;"), "");
    EXPECT_EQ(fixture.label->Caption(), "Header");
}

TEST_F(TraBridgeTest, FileMembersRunOnlyWhenTheRunAllowsThem) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lines.txt"));
    const std::string save = "procedure Main;\nvar L: TStringList;\nbegin\n  L := TStringList.Create;\n"
                             "  L.Add('first');\n  L.Add('second');\n  L.SaveToFile('" +
                             path.toStdString() + "');\nend;";
    fixture.module->environment().allowFileAccess = false;
    EXPECT_NE(fixture.run(save).find("SaveToFile reads or writes files"), std::string::npos);
    EXPECT_FALSE(QFile::exists(path));
    fixture.module->environment().allowFileAccess = true;
    EXPECT_EQ(fixture.run(save), "");
    EXPECT_EQ(fixture.run("procedure Main;\nvar L: TStringList;\nbegin\n  L := TStringList.Create;\n"
                          "  L.LoadFromFile('" +
                          path.toStdString() + "');\n  Label1.Caption := L.Strings[1];\nend;"),
              "");
    EXPECT_EQ(fixture.label->Caption(), "second");
    EXPECT_NE(fixture
                  .run("procedure Main;\nvar L: TStringList;\nbegin\n  L := TStringList.Create;\n"
                       "  L.LoadFromFile('" +
                       folder.filePath(QStringLiteral("none.txt")).toStdString() + "');\nend;")
                  .find("Cannot open file"),
              std::string::npos);
}

// An icon keeps the file's own bytes; a file that holds no picture is refused.
TEST_F(TraBridgeTest, ScriptsLoadAndSaveTheReportsIcon) {
    const QTemporaryDir folder;
    const QString icon = folder.filePath(QStringLiteral("report.ico"));
    const QString copy = folder.filePath(QStringLiteral("copy.ico"));
    const QString text = folder.filePath(QStringLiteral("notes.txt"));
    const QByteArray bytes = iconFileBytes();
    QFile file(icon);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("no picture");
    notes.close();
    fixture.module->environment().allowFileAccess = true;
    EXPECT_EQ(fixture.run("procedure Main;\nbegin\n  Report.Icon.LoadFromFile('" + icon.toStdString() +
                          "');\n  Report.Icon.SaveToFile('" + copy.toStdString() + "');\nend;"),
              "");
    EXPECT_EQ(fixture.report->Icon().Data(), bytes);
    QFile saved(copy);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), bytes);
    EXPECT_NE(
        fixture.run("procedure Main;\nbegin\n  Report.Icon.LoadFromFile('" + text.toStdString() + "');\nend;")
            .find("Cannot read the picture file"),
        std::string::npos);
    EXPECT_EQ(fixture.report->Icon().Data(), bytes) << "a refused file changes nothing";
}

// Loading would free the report's objects, the module running the script among them.
TEST(TraReportTemplateTest, ScriptsCannotLoadTheTemplateOfTheirOwnReport) {
    registerTemplateClasses();
    ScriptedReport fixture;
    const std::string error =
        fixture.run("procedure Main;\nbegin\n  Report.Template.LoadFromFile('other.rtm');\nend;");
    EXPECT_NE(error.find("cannot be loaded while the report prints or by its scripts"), std::string::npos)
        << error;
    EXPECT_EQ(fixture.label->Caption(), "Hello");
}

TEST_F(TraBridgeTest, PublishedDescriptionsWinAndAncestorsDescribeTheRest) {
    registerScriptBridge();
    TraPropRec rec;
    // "Visible" is both published and described by hand on a label: the published one is used.
    ASSERT_TRUE(TraClassManager::getPropRec(TppLabel::staticClassInfo(), "visible", rec));
    EXPECT_TRUE(rec.isPublished);
    ASSERT_TRUE(TraClassManager::getPropRec(TppLabel::staticClassInfo(), "spLeft", rec));
    EXPECT_FALSE(rec.isPublished);
    EXPECT_TRUE(rec.isReadOnly);
    // Events come from the descriptions with their kinds and parameters.
    ASSERT_TRUE(TraClassManager::getPropRec(TppDetailBand::staticClassInfo(), "BeforePrint", rec));
    EXPECT_EQ(rec.eventID, 24);
    ASSERT_TRUE(TraClassManager::getPropRec(TppLabel::staticClassInfo(), "OnGetText", rec));
    EXPECT_EQ(rec.eventID, 53);
    ASSERT_EQ(rec.params.size(), 1u);
    EXPECT_TRUE(rec.params[0].isVar);
    const TraRTTIClassRegistry& registry = TraRTTIClassRegistry::instance();
    EXPECT_EQ(registry.findRTTIClass(TppLabel::staticClassInfo())->describedName(), "TppLabel");
    // A class without a description of its own takes its nearest described ancestor's.
    EXPECT_EQ(registry.findRTTIClass(OwnedComponent::staticClassInfo())->describedName(), "TComponent");
    EXPECT_EQ(registry.findRTTIClass(TppHeaderBand::staticClassInfo())->describedName(), "TppPageBand");
}

} // namespace
