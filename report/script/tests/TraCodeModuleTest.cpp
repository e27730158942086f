#include "RecordingDevice.h"
#include "RegistryScope.h"
#include "ScriptedReport.h"
#include "TppOutline.h"
#include "TppOutlineNode.h"
#include "TraCodeModuleTemplate.h"
#include "TraProgramStream.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TraCodeModuleTest : public testing::Test {
protected:
    TraCodeModule& module() { return *fixture.module; }
    ScriptedReport fixture;
};

TEST_F(TraCodeModuleTest, TheStoredFormOfOtherToolsReadsAndWritesBack) {
    // A version number before the programs, and a handler stored under its older class name.
    TraStoredProgram handler;
    handler.className = "TraEventHandler";
    handler.programName = "Label1OnGetText";
    handler.programType = "ttProcedure";
    handler.source = "procedure Label1OnGetText(var Text: String);\r\nbegin\r\n  Text := 'Hi';\r\nend;";
    handler.componentName = "Label1";
    handler.eventName = "OnGetText";
    handler.eventID = 53;
    TraStoredProgram globals;
    globals.className = "TraVarProgram";
    globals.childType = 17;
    globals.source = "procedure GlobalVarSection;\r\nvar\r\n  N: Integer;\r\nbegin\r\nend;";
    QByteArray stream = QByteArray("\x02\x05", 2) + writeProgramStream({globals, handler});
    stream.replace(QByteArray("\x0fTraEventHandler"), QByteArray("\x15TraOnCalcEventHandler"));

    module().setProgramStream(stream);
    module().bindAll();
    ASSERT_EQ(module().eventHandlers().size(), 1u);
    const TraEventHandler& read = *module().eventHandlers().front();
    EXPECT_EQ(read.componentName(), "Label1");
    EXPECT_EQ(read.object(), fixture.label);
    EXPECT_EQ(read.eventID(), 53);
    EXPECT_EQ(module().globalVariables().source(), globals.source);

    const std::vector<TraStoredProgram> again = readProgramStream(module().programStream());
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0].className, "TraVarProgram");
    EXPECT_EQ(again[1].className, "TraEventHandler");
    EXPECT_EQ(again[1].source, handler.source);
    EXPECT_EQ(again[1].eventName, "OnGetText");
}

TEST_F(TraCodeModuleTest, ADamagedStoredFormIsRefusedAndKeepsThePrograms) {
    module().addRoutine("procedure Keep;\r\nbegin\r\nend;");
    TraStoredProgram program;
    program.className = "TraProgram";
    program.childType = 21;
    program.programName = "P";
    program.programType = "ttProcedure";
    program.source = "procedure P;\r\nbegin\r\nend;";
    const QByteArray whole = writeProgramStream({program});
    EXPECT_THROW(module().setProgramStream(whole.left(whole.size() - 9)), ETemplateLoadError);
    EXPECT_EQ(module().routines().size(), 1u);
}

TEST_F(TraCodeModuleTest, BindingFindsTheObjectAndDropsWhatCannotBind) {
    fixture.label->SetUserName(QStringLiteral("Label"));
    const QByteArray body = "begin\r\nend;";
    module().addEventHandler("Label1", "OnPrint", "procedure Label1OnPrint;\r\n" + body);
    module().addEventHandler("Gone", "OnPrint", "procedure GoneOnPrint;\r\n" + body);
    module().addEventHandler("Detail", "OnGetText", "procedure DetailOnGetText;\r\n" + body);
    module().bindAll();
    ASSERT_EQ(module().eventHandlers().size(), 1u);
    const TraEventHandler& bound = *module().eventHandlers().front();
    // "Label1" was stored for a label named "Label": the handler takes its name.
    EXPECT_EQ(bound.componentName(), "Label");
    EXPECT_EQ(bound.programName(), "LabelOnPrint");
    EXPECT_TRUE(bound.source().startsWith("procedure LabelOnPrint;\r\n"));
    EXPECT_EQ(
        module().warnings(),
        QStringList({"Unable to load OnPrint code for Gone, no object with this name found.",
                     "Unable to load OnGetText code for Detail, \r\nOnGetText is not a valid event for a "
                     "TppDetailBand."}));

    // Renaming the object renames the handler and its declaration.
    fixture.label->SetUserName(QStringLiteral("Total"));
    EXPECT_EQ(bound.programName(), "TotalOnPrint");
    EXPECT_TRUE(bound.source().startsWith("procedure TotalOnPrint;\r\n"));
}

TEST_F(TraCodeModuleTest, AnOnGetTextHandlerChangesTheTextAndSeesTheGlobals) {
    module().globalVariables().setSource(
        "procedure GlobalVarSection;\r\nvar\r\n  Count: Integer;\r\nbegin\r\nend;");
    module().startProgram().setSource("procedure OnModuleStart;\r\nbegin\r\n  Count := 10;\r\nend;");
    TraEventHandler& handler = module().addEventHandler("Label1", "OnGetText");
    EXPECT_EQ(handler.source(),
              "procedure Label1OnGetText(var Text: String);\r\nbegin\r\n\r\n  Text := \r\n\r\nend;");
    handler.replaceBody("  Count := Count + 1;\r\n  Text := Text + ' ' + IntToStr(Count);");
    fixture.report->BroadcastEvent(fixture.report, ciReportGenerationStart);
    EXPECT_TRUE(module().isRunning());
    EXPECT_EQ(fixture.label->Text(), "Hello 11");
    EXPECT_EQ(fixture.label->Text(), "Hello 12");
    fixture.report->BroadcastEvent(fixture.report, ciReportGenerationEnd);
    EXPECT_FALSE(module().isRunning());
}

// The job's own events come after the run has ended: their handlers still
// run, once each, and see what the run left.
TEST_F(TraCodeModuleTest, HandlersOfThePrintJobRunWhenTheJobIsComplete) {
    RegistryScope registries;
    registries.registerDevice("Printer", RecordingDevice::staticClassInfo());
    fixture.report->SetDeviceType("Printer");
    fixture.report->SetShowPrintDialog(false);
    fixture.report->SetShowCancelDialog(false);
    module().globalVariables().setSource(
        "procedure GlobalVarSection;\r\nvar\r\n  Pages: Integer;\r\nbegin\r\nend;");
    module().addEventHandler("Report", "OnStartPage").replaceBody("  Pages := Pages + 1;");
    module()
        .addEventHandler("Report", "OnPrintingComplete")
        .replaceBody("  Label1.Caption := Label1.Caption + ' ' + IntToStr(Pages) + ' printed';");
    RecordingDevice::journal.clear();
    fixture.report->Print();
    EXPECT_EQ(RecordingDevice::journal, QStringList({"begin", "page 1", "finish"}));
    EXPECT_EQ(fixture.label->Caption(), "Hello 1 printed");
    EXPECT_TRUE(module().warnings().isEmpty()) << module().warnings().join("; ").toStdString();
}

// A module saved alone carries its programs to another report, whose
// objects its handlers bind to. A handler for an object that report lacks is
// put to the read-error hook, which leaves it out or refuses the import.
TEST_F(TraCodeModuleTest, ACodeFileCarriesTheProgramsToAnotherReport) {
    const QTemporaryDir folder;
    module().SetName("raCodeModule1");
    module().globalVariables().setSource(
        "procedure GlobalVarSection;\r\nvar\r\n  Count: Integer;\r\nbegin\r\nend;");
    module()
        .addEventHandler("Label1", "OnGetText")
        .replaceBody("  Count := Count + 1;\r\n  Text := 'imported ' + IntToStr(Count);");
    auto* only = new TppLabel(&fixture.form);
    only->SetBand(fixture.header);
    only->SetUserName(QStringLiteral("OnlyHere"));
    module().addEventHandler("OnlyHere", "OnPrint").replaceBody("  Count := 0;");
    TraCodeModuleTemplate& saved = module().Template();
    EXPECT_EQ(saved.FileFilter(), "Report Code file (*.ctm)|*.ctm");
    saved.SetFileName(folder.filePath("code.ctm"));
    saved.SetFormat(ftASCII);
    saved.SaveToFile();

    ScriptedReport other;
    TraCodeModuleTemplate& loading = other.module->Template();
    loading.SetFileName(saved.FileName());
    QStringList asked;
    loading.OnReadError = [&](const QString& message) {
        asked << message;
        return false;
    };
    EXPECT_THROW(
        {
            try {
                loading.LoadFromFile();
            } catch (const ETemplateLoadError& error) {
                EXPECT_EQ(error.message(), "Unable to import code module.");
                throw;
            }
        },
        ETemplateLoadError);
    EXPECT_TRUE(other.module->eventHandlers().empty()) << "a refused import changes nothing";

    loading.OnReadError = [&](const QString& message) {
        asked << message;
        return true;
    };
    loading.LoadFromFile();
    EXPECT_EQ(asked,
              QStringList(2, "Unable to import OnPrint code for OnlyHere, no object with this name found."));
    ASSERT_EQ(other.module->eventHandlers().size(), 1U);
    EXPECT_TRUE(other.module->globalVariables().isCompiled());
    other.report->BroadcastEvent(other.report, ciReportGenerationStart);
    EXPECT_EQ(other.label->Text(), "imported 1");
    other.report->BroadcastEvent(other.report, ciReportGenerationEnd);
    EXPECT_TRUE(other.report->Modified());
}

TEST_F(TraCodeModuleTest, AnOutlineHandlerRenamesEntriesAndRefusesPages) {
    TraEventHandler& handler = module().addEventHandler("Report", "OnOutlineNodeCreate");
    EXPECT_EQ(handler.source().left(handler.source().indexOf("\r\n")),
              "procedure ReportOnOutlineNodeCreate(aNode: TppOutlineNode; var aAccept: Boolean);");
    handler.replaceBody("  if aNode.NodeType = ntPage then\r\n    aAccept := False\r\n"
                        "  else\r\n    aNode.Caption := 'Year ' + aNode.Caption;");
    // The report's own handler hears the event after the script, with the script's answer.
    QStringList heard;
    fixture.report->OnOutlineNodeCreate.handler = [&heard](TppCommunicator*, TppOutlineNode* node,
                                                           bool& accept) {
        heard << node->Caption + (accept ? QStringLiteral(" accepted") : QStringLiteral(" refused"));
    };
    fixture.report->BroadcastEvent(fixture.report, ciReportGenerationStart);
    TppOutline& outline = fixture.report->InitializeOutline();
    TppOutlineNode group;
    group.Caption = QStringLiteral("2024");
    group.NodeType = ntGroup;
    TppOutlineNode page;
    page.Caption = QStringLiteral("Page 1");
    page.NodeType = ntPage;
    EXPECT_TRUE(outline.AcceptNode(*fixture.report, group));
    EXPECT_FALSE(outline.AcceptNode(*fixture.report, page));
    EXPECT_EQ(group.Caption, "Year 2024");
    EXPECT_EQ(heard, QStringList({"Year 2024 accepted", "Page 1 refused"}));
    fixture.report->BroadcastEvent(fixture.report, ciReportGenerationEnd);
}

TEST_F(TraCodeModuleTest, FailuresNameTheProgramAndStopTheRun) {
    TraEventHandler& handler = module().addEventHandler("Label1", "OnGetText");
    handler.replaceBody("  Text := Report.Bands[7].UserName;");
    module().addRoutine("procedure Broken;\r\nbegin\r\n  Missing;\r\nend;");
    try {
        fixture.report->BroadcastEvent(fixture.report, ciReportGenerationStart);
        FAIL() << "a routine that does not compile stops the start";
    } catch (const ECodeError& error) {
        EXPECT_EQ(error.message(), "Could not compile program: Broken");
    }
    EXPECT_FALSE(module().isRunning());
    module().routines().front()->setSource("procedure Broken;\r\nbegin\r\nend;");
    fixture.report->BroadcastEvent(fixture.report, ciReportGenerationStart);
    try {
        (void)fixture.label->Text();
        FAIL() << "a failing handler raises";
    } catch (const ECodeError& error) {
        EXPECT_TRUE(error.message().startsWith("Could not run program: Label1OnGetText\n"))
            << error.message().toStdString();
    }
}

TEST_F(TraCodeModuleTest, ARunawayHandlerEndsByTimeoutOrByTheStopFlag) {
    TraEventHandler& handler = module().addEventHandler("Label1", "OnGetText");
    handler.replaceBody("  while True do\r\n  begin\r\n  end;");
    module().environment().timeoutSeconds = 0.05;
    fixture.report->BroadcastEvent(fixture.report, ciReportGenerationStart);
    try {
        (void)fixture.label->Text();
        FAIL() << "the loop runs past its time";
    } catch (const ECodeError& error) {
        EXPECT_NE(error.message().indexOf("ran longer than 0.05 seconds"), -1)
            << error.message().toStdString();
    }
    // The report's message pump sees a cancel: the handler stops where it is, without an error.
    module().environment().timeoutSeconds = 0;
    int pumps = 0;
    fixture.report->MessageInterval = 0;
    fixture.report->MessagePump = [&] {
        if (++pumps == 3)
            fixture.report->stopped = true;
    };
    EXPECT_EQ(fixture.label->Text(), "Hello");
    EXPECT_EQ(pumps, 3);
}

// Recursion that branches runs no loop, yet must end by the same limits; the
// turn limit counts loop turns and calls alike.
TEST_F(TraCodeModuleTest, RunawayRecursionEndsByTimeoutOrByTheTurnLimit) {
    module().addRoutine("procedure Twice(N: Integer);\r\nbegin\r\n  if N > 0 then\r\n"
                        "  begin\r\n    Twice(N - 1);\r\n    Twice(N - 1);\r\n  end;\r\nend;");
    TraEventHandler& handler = module().addEventHandler("Label1", "OnGetText");
    handler.replaceBody("  Twice(60);");
    struct Limit {
        double timeoutSeconds;
        qint64 maxTurns;
        const char* message;
    };
    for (const Limit& limit : {Limit{0.05, 0, "ran longer than 0.05 seconds"},
                               Limit{0, 1000, "ran longer than 1000 loop turns and calls"}}) {
        module().environment().timeoutSeconds = limit.timeoutSeconds;
        module().environment().maxTurns = limit.maxTurns;
        fixture.report->BroadcastEvent(fixture.report, ciReportGenerationStart);
        try {
            (void)fixture.label->Text();
            ADD_FAILURE() << "the recursion runs past " << limit.message;
        } catch (const ECodeError& error) {
            EXPECT_NE(error.message().indexOf(limit.message), -1) << error.message().toStdString();
        }
    }
}

} // namespace
