#include "DesignerFixture.h"
#include "FakeTextMeasurer.h"
#include "ScheduleData.h"
#include "ScriptedDialogs.h"

#include "ClassBuilder.h"
#include "PropertyPanel.h"
#include "TppAutoLayoutManager.h"
#include "TppDBText.h"
#include "TppDataTreeWindow.h"
#include "TppDesigner.h"
#include "TppDesignerWindow.h"
#include "TppDisplayFormat.h"
#include "TppReportTemplate.h"
#include "TppWizardRegistry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A wizard that asks its caller for everything a wizard may ask, in turn,
// and remembers the answers.
class ProbeWizard : public TppCustomReportWizard {
public:
    PW_CLASS_INFO
    using TppCustomReportWizard::TppCustomReportWizard;
    bool ShowsDialog() const override { return false; }
    bool Execute() override {
        names = dataNames();
        fields = fieldsOf(names.value(0));
        DataName = names.value(0);
        built = createReport();
        return true;
    }
    static inline QStringList names;
    static inline QList<TppWizardField> fields;
    static inline TppCustomReport* built = nullptr;
};

const ClassInfo& ProbeWizard::staticClassInfo() {
    static const ClassInfo info =
        describeClass<ProbeWizard>("TProbeWizard", &TppCustomReportWizard::staticClassInfo(), [](auto&) {});
    return info;
}

class DesignerDataEventsTest : public ::testing::Test, public DesignerFixture {
protected:
    DesignerDataEventsTest() {
        pipeline = data.pipeline(form);
        ReportTemplate(*report).SetFileName(folder.filePath("report.rtm"));
        ReportTemplate(*report).SaveToFile();
        designer.SetReport(report);
        designer.SetDialogs(&dialogs);
        designer.SetSettingsFolder(folder.path());
    }
    ~DesignerDataEventsTest() override {
        TppWizardRegistry::instance().Unregister(ProbeWizard::staticClassInfo().name());
        TppWizardRegistry::instance().DefaultWizard = defaultWizard;
    }

    TppDesignerWindow& show() {
        designer.Show();
        return *designer.Form();
    }
    void runProbeWizard() {
        TppWizardRegistry& registry = TppWizardRegistry::instance();
        registry.Register(ProbeWizard::staticClassInfo());
        registry.DefaultWizard = ProbeWizard::staticClassInfo().name();
        ProbeWizard::names.clear();
        ProbeWizard::fields.clear();
        ProbeWizard::built = nullptr;
        dialogs.answer = DesignerDialogs::Answer::No;
        show().action("actNewReport")->trigger();
    }
    TppDBText* addField(const char* name, const char* field) {
        auto* text = new TppDBText(&form);
        text->SetName(name);
        text->SetBand(detail);
        text->SetDataPipeline(pipeline);
        text->SetDataField(field);
        return text;
    }
    void select(TppDesignerWindow& window, TppComponent* component) {
        window.controller().selection().selectOnly(component);
        emit window.controller().selectionChanged();
    }

    QTemporaryDir folder;
    ScheduleData data;
    TppDBPipeline* pipeline = nullptr;
    ScriptedDialogs dialogs;
    TppDesigner designer;
    const QString defaultWizard = TppWizardRegistry::instance().DefaultWizard;
};

TEST_F(DesignerDataEventsTest, WithoutHandlersTheWizardsGetTheReportsOwnDataAndReport) {
    runProbeWizard();
    EXPECT_EQ(ProbeWizard::names, QStringList{"Customers"});
    ASSERT_EQ(ProbeWizard::fields.size(), 4);
    EXPECT_EQ(ProbeWizard::fields.first().fieldName, "Country");
    EXPECT_EQ(ProbeWizard::built, report);
    EXPECT_EQ(report->DataPipeline(), pipeline);
}

TEST_F(DesignerDataEventsTest, TheDesignersDataEventsTakeThePlaceOfTheReportsOwnInTheWizards) {
    QStringList asked;
    designer.OnGetDataNames = [&] {
        asked << "names";
        return QStringList{"Loans"};
    };
    designer.OnGetFields = [&](const QString& dataName) {
        asked << "fields " + dataName;
        TppWizardField field;
        field.fieldName = "Principal";
        field.dataType = dtCurrency;
        return QList<TppWizardField>{field};
    };
    designer.OnCreateReport = [&](const QString& dataName) -> TppCustomReport* {
        asked << "create " + dataName;
        ReportTemplate(*report).New();
        return report;
    };
    runProbeWizard();
    EXPECT_EQ(asked, (QStringList{"names", "fields Loans", "create Loans"}));
    EXPECT_EQ(ProbeWizard::names, QStringList{"Loans"});
    ASSERT_EQ(ProbeWizard::fields.size(), 1);
    EXPECT_EQ(ProbeWizard::fields.first().fieldName, "Principal");
    EXPECT_EQ(ProbeWizard::built, report);
    EXPECT_EQ(report->DataPipeline(), nullptr) << "the application's report, not the default's";
}

TEST_F(DesignerDataEventsTest, AssigningAFieldToADataAwareComponentFiresOnAssignField) {
    QStringList assigned;
    designer.OnAssignField = [&](TppComponent* component, TppDataPipeline* to, const QString& field) {
        assigned << QStringLiteral("%1 %2.%3").arg(component->Name(), to ? to->Name() : "-", field);
    };
    TppDesignerWindow& window = show();
    TppDBText* amount = addField("ppDBText9", "Country");
    select(window, amount);

    struct Case {
        const char* name;
        std::function<void()> act;
        QStringList expected;
    };
    FakeTextMeasurer measurer;
    const Case cases[] = {
        {"a data field typed in the panel",
         [&] { window.propertyPanel().editProperty("DataField", "Amount"); },
         {"ppDBText9 plCustomers.Amount"}},
        {"the pipeline chosen in the panel",
         [&] { window.propertyPanel().editProperty("DataPipeline", ""); },
         {"ppDBText9 -.Amount"}},
        {"fields dropped from the data tree: the data-aware ones, not their labels",
         [&] {
             window.dataTree().layoutManager().dropFields(
                 window.controller(), {10, 8}, {{"plCustomers", "Country"}, {"plCustomers", "Notes"}},
                 measurer);
         },
         {"ppDBText1 plCustomers.Country", "ppDBMemo1 plCustomers.Notes"}},
        {"a label's caption",
         [&] {
             select(window, first);
             window.propertyPanel().editProperty("Caption", "Total");
         },
         {}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        assigned.clear();
        row.act();
        EXPECT_EQ(assigned, row.expected);
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
}

TEST_F(DesignerDataEventsTest,
       TheDisplayFormatIsPickedFromTheFormatsOfTheFieldsTypeWhichTheApplicationMayChange) {
    TppDataType seen = dtBoolean;
    designer.OnGetDisplayFormats = [&](TppComponent*, TppDataType dataType, QStringList& formats) {
        seen = dataType;
        formats.prepend("#,0.00 EUR");
    };
    TppDesignerWindow& window = show();
    TppDBText* amount = addField("ppDBText9", "Amount");
    select(window, amount);
    PropertyPanel& panel = window.propertyPanel();
    const int row = panel.rowOf("DisplayFormat");
    ASSERT_GE(row, 0);
    auto* choice = qobject_cast<QComboBox*>(panel.cellWidget(row, 1));
    ASSERT_TRUE(choice);
    EXPECT_TRUE(choice->isEditable()) << "a picture of one's own can be typed";
    EXPECT_EQ(seen, pipeline->GetFieldDataType("Amount"));

    QStringList engine;
    GetDisplayFormats(seen, &engine);
    ASSERT_FALSE(engine.isEmpty());
    ASSERT_EQ(choice->count(), engine.size() + 1);
    EXPECT_EQ(choice->itemText(0), "#,0.00 EUR");
    EXPECT_EQ(choice->itemText(1), engine.first().section(TppDisplayFormat::kSampleSeparator, 1))
        << "the engine's pictures, without their samples";

    emit choice->textActivated("#,0.00 EUR");
    EXPECT_EQ(amount->DisplayFormat(), "#,0.00 EUR");
    window.controller().undoStack().undo();
    EXPECT_EQ(amount->DisplayFormat(), "");
}

} // namespace
