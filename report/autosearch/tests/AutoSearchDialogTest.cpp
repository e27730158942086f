#include "AutoSearchForms.h"
#include "ClassBuilder.h"
#include "EngineClasses.h"
#include "PreviewForms.h"
#include "RecordingPrompter.h"
#include "RegistryScope.h"
#include "TppAutoSearchDialog.h"
#include "TppAutoSearchField.h"
#include "TppAutoSearchGroups.h"
#include "TppAutoSearchPanel.h"
#include "TppDetailBand.h"
#include "TppPreview.h"
#include "TppPrintPreview.h"
#include "TppReport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A data object as query tools give criteria: a description names the tab.
class DataView : public TppCommunicator {
public:
    PW_CLASS_INFO
    using TppCommunicator::TppCommunicator;
    QString Description;
};

const ClassInfo& DataView::staticClassInfo() {
    static const ClassInfo info =
        describeClass<DataView>("DataView", &TppCommunicator::staticClassInfo(), [](auto& c) {
            c.property(
                "Description", [](const DataView& v) { return v.Description; },
                [](DataView& v, const QString& text) { v.Description = text; });
        });
    return info;
}

// The standard search dialog offscreen, over a report's criteria.
class AutoSearchDialogTest : public testing::Test {
protected:
    AutoSearchDialogTest() {
        registerEngineClasses();
        report = new TppReport(&form);
    }

    TppAutoSearchField* criterion(const char* field, TppDataType type, TppSearchOperatorType op,
                                  const QString& expression = {}, bool mandatory = false) {
        TppAutoSearchField* created =
            report->CreateAutoSearchCriteria("Orders", field, op, expression, mandatory);
        created->SetDataType(type);
        return created;
    }

    // The dialog laid out over the report's criteria.
    TppAutoSearchDialog& open() {
        groups = std::make_unique<TppAutoSearchGroups>(report->AutoSearchFields());
        dialog = std::make_unique<TppAutoSearchDialog>();
        dialog->Groups = groups.get();
        dialog->Init();
        dialog->show();
        return *dialog;
    }

    template <class Panel> Panel& panel(int index) {
        return dynamic_cast<Panel&>(*dialog->Panels().at(index));
    }

    static void type(QLineEdit* edit, const QString& text) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    OwnedComponent form;
    TppReport* report = nullptr;
    std::unique_ptr<TppAutoSearchGroups> groups;
    std::unique_ptr<TppAutoSearchDialog> dialog;
};

TEST_F(AutoSearchDialogTest, TypedValuesAreStoredOnOk) {
    TppAutoSearchField* amount = criterion("Amount", dtInteger, soGreaterThan);
    TppAutoSearchField* range = criterion("Quantity", dtInteger, soBetween);
    TppAutoSearchField* states = criterion("State", dtString, soInList, "NY");
    TppAutoSearchField* note = criterion("Note", dtString, soLike, "old");
    open();
    EXPECT_EQ(dialog->windowTitle(), "Search");
    EXPECT_EQ(dialog->Tabs(), nullptr) << "criteria without data objects stand in one area";
    EXPECT_EQ(dialog->MandatoryLegend(), nullptr) << "no criterion must be entered";
    EXPECT_GE(dialog->width(), 438);
    EXPECT_EQ(panel<TppSimpleSearchPanel>(0).ShowAllBox()->text(), "Show all values of the Amount field.");

    type(panel<TppSimpleSearchPanel>(0).Edit(), "1,234");
    EXPECT_FALSE(panel<TppSimpleSearchPanel>(0).ShowAllBox()->isChecked()) << "a value typed";
    type(panel<TppBetweenSearchPanel>(1).FromEdit(), "1");
    type(panel<TppBetweenSearchPanel>(1).ToEdit(), "10");
    auto& list = panel<TppInListSearchPanel>(2);
    for (const char* value : {"CA", "NY", "TX"}) {
        type(list.Edit(), value);
        QTest::mouseClick(list.AddButton(), Qt::LeftButton);
    }
    EXPECT_EQ(list.List()->count(), 3) << "NY was in the list already";
    EXPECT_EQ(list.List()->currentItem()->text(), "TX") << "the value added is selected";
    EXPECT_TRUE(list.Edit()->text().isEmpty());
    auto& simple = panel<TppSimpleSearchPanel>(3);
    simple.Edit()->selectAll();
    QTest::keyClick(simple.Edit(), Qt::Key_Backspace);
    EXPECT_TRUE(simple.ShowAllBox()->isChecked()) << "an emptied edit shows all values";

    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(amount->SearchExpression(), "1234") << "a thousands separator is no second value";
    EXPECT_EQ(amount->ValueCount(), 1);
    EXPECT_EQ(range->SearchExpression(), "1,10");
    EXPECT_EQ(range->Values(1), QVariant(10));
    EXPECT_EQ(states->SearchExpression(), "NY,CA,TX");
    EXPECT_TRUE(note->ShowAllValues());
}

TEST_F(AutoSearchDialogTest, AFailingValueKeepsTheDialogOpenAndMarksItsTab) {
    auto* customers = new DataView(&form);
    customers->Description = "Customers";
    auto* orders = new DataView(&form);
    orders->Description = "Orders";
    TppAutoSearchField* country = criterion("Country", dtString, soEqual, "US");
    country->SetDataObject(customers);
    TppAutoSearchField* total = criterion("Total", dtCurrency, soBetween);
    total->SetDataObject(orders);
    TppAutoSearchField* shipped = criterion("Shipped", dtDate, soLessThan, {}, true);
    shipped->SetDataObject(orders);
    open();
    ASSERT_NE(dialog->Tabs(), nullptr);
    EXPECT_EQ(dialog->Tabs()->count(), 2);
    EXPECT_EQ(dialog->Tabs()->tabText(1), "Orders");
    ASSERT_NE(dialog->MandatoryLegend(), nullptr);
    EXPECT_EQ(dialog->MandatoryLegend()->text(), "indicates that this search value must be entered.");
    EXPECT_TRUE(panel<TppSimpleSearchPanel>(2).ShowAllBox()->isHidden()) << "a mandatory criterion";

    type(panel<TppBetweenSearchPanel>(1).FromEdit(), "5");
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(panel<TppBetweenSearchPanel>(1).ErrorText(), "Search value must be entered.")
        << "a range with one end";
    EXPECT_EQ(panel<TppSimpleSearchPanel>(2).ErrorText(), "Search value must be entered.");
    EXPECT_EQ(dialog->Tabs()->currentIndex(), 1) << "the failing tab comes to the front";
    EXPECT_FALSE(dialog->Tabs()->tabIcon(1).isNull());
    EXPECT_TRUE(dialog->Tabs()->tabIcon(0).isNull());

    type(panel<TppBetweenSearchPanel>(1).ToEdit(), "7.50");
    type(panel<TppSimpleSearchPanel>(2).Edit(), "3/45/2024");
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(panel<TppSimpleSearchPanel>(2).ErrorText(), "3/45/2024 is not a valid date.");
    EXPECT_TRUE(panel<TppBetweenSearchPanel>(1).ErrorText().isEmpty());

    type(panel<TppSimpleSearchPanel>(2).Edit(), "3/15/2024");
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(total->SearchExpression(), "5,7.50");
    EXPECT_EQ(shipped->SearchExpression(), "3/15/2024");
}

// Answers the next modal dialog from inside its event loop: `answer` types
// into it and presses its buttons.
void whenModal(std::function<void(TppAutoSearchDialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = dynamic_cast<TppAutoSearchDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the search dialog is shown";
        answer(*dialog);
    });
}

TEST_F(AutoSearchDialogTest, ThePreviewAsksBeforePrintingAndItsSearchButtonAsksAgain) {
    RegistryScope registries;
    registries.keepForm(TppCustomAutoSearchDialog::abstractName());
    registries.keepForm(TppCustomPreviewer::abstractName());
    RecordingPrompter prompter;
    registerPreviewForms({&prompter, {}});
    registerAutoSearchDialog();
    (new TppDetailBand(&form))->SetReport(report);
    TppAutoSearchField* country = criterion("Country", dtString, soEqual, "US");
    report->SetShowAutoSearchDialog(true);
    report->SetModalPreview(false);
    QStringList values;
    report->OnGetAutoSearchValues.handler = [&](TppCommunicator*) { values << country->SearchExpression(); };
    int pages = 0;
    report->OnStartPage.handler = [&](TppCommunicator*) { ++pages; };

    bool scriptsSawTheDialog = false;
    whenModal([&](TppAutoSearchDialog& d) {
        scriptsSawTheDialog = TraWindowObjects::find("AutoSearchDialog", *report) == &d.ScriptForm();
        auto& p = dynamic_cast<TppSimpleSearchPanel&>(*d.Panels().at(0));
        p.Edit()->setText("UK");
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    });
    report->Print();
    auto* preview = dynamic_cast<TppPrintPreview*>(report->PreviewForm());
    ASSERT_NE(preview, nullptr) << "printing went on after OK";
    EXPECT_EQ(values, QStringList({"UK"}));
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(scriptsSawTheDialog) << "the report's scripts reach the open dialog";
    EXPECT_FALSE(TraWindowObjects::find("AutoSearchDialog", *report)) << "nil once it is gone";
    auto& toolbar = dynamic_cast<TppPreview&>(preview->Preview());
    ASSERT_TRUE(toolbar.AutoSearchButton()->isVisibleTo(preview));

    whenModal([](TppAutoSearchDialog& d) { QTest::mouseClick(d.CancelButton(), Qt::LeftButton); });
    QTest::mouseClick(toolbar.AutoSearchButton(), Qt::LeftButton);
    EXPECT_EQ(values, QStringList({"UK"})) << "cancelled: nothing asked of the application";
    EXPECT_EQ(pages, 1) << "nor made again";

    whenModal([](TppAutoSearchDialog& d) {
        dynamic_cast<TppSimpleSearchPanel&>(*d.Panels().at(0)).Edit()->setText("FR");
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(toolbar.AutoSearchButton(), Qt::LeftButton);
    EXPECT_EQ(values, QStringList({"UK", "FR"}));
    EXPECT_EQ(pages, 2) << "the page is made again with the new values";
    preview->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
