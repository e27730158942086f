#include "AutoSearchDescriptions.h"
#include "AutoSearchValues.h"
#include "ClassBuilder.h"
#include "PagewrightErrors.h"
#include "RegistryScope.h"
#include "TppAutoSearchField.h"
#include "TppAutoSearchGroups.h"
#include "TppCustomAutoSearchDialog.h"
#include "TppCustomPreviewer.h"
#include "TppEventKind.h"
#include "TppReport.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

// Search criteria work without a window: their values, their words, and the
// order in which the report runs its search dialog around Print.

class AutoSearchTest : public testing::Test {
protected:
    AutoSearchTest() {
        report = new TppReport(&form);
        report->SetName(QStringLiteral("Report1"));
    }

    TppAutoSearchField* criterion(TppDataType type, TppSearchOperatorType op, const QString& expression,
                                  const QString& field = QStringLiteral("Country")) {
        TppAutoSearchField* created =
            report->CreateAutoSearchCriteria("Customers", field, op, expression, false);
        created->SetDataType(type);
        return created;
    }

    OwnedComponent form;
    TppReport* report = nullptr;
};

TEST_F(AutoSearchTest, EveryOperatorReadsInWordsByItsDataType) {
    const struct {
        TppSearchOperatorType op;
        const char* times;   // dtDate, dtTime, dtDateTime
        const char* amounts; // every other type
    } cases[] = {
        {soEqual, "is", "is equal to"},
        {soNotEqual, "is not", "is not equal to"},
        {soLessThan, "is before", "is less than"},
        {soLessThanOrEqualTo, "is on or before", "is less than or equal to"},
        {soGreaterThan, "is after", "is greater than"},
        {soGreaterThanOrEqualTo, "is on or after", "is greater than or equal to"},
        {soLike, "begins with", "begins with"},
        {soNotLike, "does not begin with", "does not begin with"},
        {soBetween, "is between", "is between"},
        {soNotBetween, "is not between", "is not between"},
        {soInList, "matches one of the values in this list", "matches one of the values in this list"},
        {soNotInList, "does not match any of the values in this list",
         "does not match any of the values in this list"},
        {soBlank, "is blank", "is blank"},
        {soNotBlank, "is not blank", "is not blank"},
    };
    for (const auto& row : cases) {
        for (const TppDataType type : {dtDate, dtTime, dtDateTime})
            EXPECT_EQ(searchOperatorWords(row.op, type), row.times) << "operator " << row.op;
        for (const TppDataType type : {dtInteger, dtString, dtCurrency, dtBoolean})
            EXPECT_EQ(searchOperatorWords(row.op, type), row.amounts) << "operator " << row.op;
    }
}

TEST_F(AutoSearchTest, ExpressionsSplitAtEveryCommaWithoutQuoting) {
    const struct {
        const char* expression;
        QStringList parts;
    } cases[] = {
        {"a,b", {"a", "b"}}, {"a,", {"a"}},           {"", {}},
        {",b", {"", "b"}},   {"'x,y'", {"'x", "y'"}}, // quotes do not protect a comma
    };
    for (const auto& row : cases)
        EXPECT_EQ(splitSearchExpression(row.expression), row.parts) << row.expression;
}

TEST_F(AutoSearchTest, ValuesAreReadByTheDataType) {
    TppAutoSearchField* range = criterion(dtInteger, soBetween, "1,10");
    EXPECT_EQ(range->ValueCount(), 2);
    EXPECT_EQ(range->Values(1), QVariant(10));
    EXPECT_EQ(range->Value(), QVariant(1));

    TppAutoSearchField* name = criterion(dtString, soLike, "Smi");
    name->SetWildCard("%");
    EXPECT_EQ(name->Value(), QVariant("Smi%")) << "the wildcard is appended";
    name->SetSearchExpression("Sm%ith");
    EXPECT_EQ(name->Value(), QVariant("Sm%ith")) << "a value holding the wildcard stays";

    TppAutoSearchField* date = criterion(dtDate, soLessThan, "3/15/2024");
    EXPECT_EQ(date->Value().toDateTime().date(), QDate(2024, 3, 15));
    EXPECT_EQ(criterion(dtDouble, soEqual, "2.5")->Value(), QVariant(2.5));
    EXPECT_EQ(criterion(dtBoolean, soEqual, "T")->Value(), QVariant(QString()))
        << "other types give no value";
    EXPECT_EQ(criterion(dtInteger, soEqual, "")->Value(), QVariant(QString())) << "no part, no value";
    EXPECT_THROW(criterion(dtInteger, soEqual, "ten")->Value(), EDataError);
}

TEST_F(AutoSearchTest, MandatoryAndShowAllValuesExcludeEachOther) {
    TppAutoSearchField* field = criterion(dtString, soEqual, "US");
    field->SetShowAllValues(true);
    field->SetMandatory(true);
    EXPECT_FALSE(field->ShowAllValues());
    field->SetShowAllValues(true);
    EXPECT_FALSE(field->Mandatory());
}

TEST_F(AutoSearchTest, TheAliasFollowsTheFieldNameUntilItIsSetApart) {
    TppAutoSearchField* field = criterion(dtString, soEqual, "US", "Country");
    EXPECT_EQ(field->FieldAlias(), "Country");
    field->SetFieldName("Nation");
    EXPECT_EQ(field->FieldAlias(), "Nation");
    field->SetFieldAlias("Land");
    field->SetFieldName("State");
    EXPECT_EQ(field->FieldAlias(), "Land");
}

TEST_F(AutoSearchTest, TypedValuesAreCheckedAgainstTheFieldType) {
    const FormatSettings settings = FormatSettings::invariant();
    const struct {
        const char* text;
        TppDataType type;
        const char* problem; // empty: passes
        const char* stored;
    } cases[] = {
        {"1,234", dtInteger, "", "1234"}, // thousands separators are no second value
        {"1,234.5", dtDouble, "", "1234.5"},
        {"12x", dtInteger, "12x is not a valid number.", ""},
        {"1.5", dtInteger, "1.5 is not a valid number.", ""},
        {"", dtInteger, "", ""},
        {"yes", dtBoolean, "", "yes"},
        {"maybe", dtBoolean, "Value must be either True or False.", ""},
        {"3/15/2024", dtDate, "", "3/15/2024"},
        {"3/45/2024", dtDate, "3/45/2024 is not a valid date.", ""},
        {"25:00", dtTime, "25:00 is not a valid time.", ""},
        {"soon", dtDateTime, "soon is not a valid datetime.", ""},
        {"O'Brien; --", dtString, "", "O'Brien; --"},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(searchValueProblem(row.text, row.type, settings, 2024), row.problem) << row.text;
        if (!*row.problem) {
            EXPECT_EQ(storedSearchValue(row.text, row.type, settings), row.stored) << row.text;
        }
    }
}

TEST_F(AutoSearchTest, CriteriaDescribeThemselvesInWords) {
    TppAutoSearchField* country = criterion(dtString, soEqual, "US");
    EXPECT_EQ(describeSearchCriterion(*country, true), "Show all data where the Country is equal to US");
    country->SetShowAllValues(true);
    EXPECT_EQ(describeSearchCriterion(*country, true), "Show all data where the Country has any value.");
    country->SetShowAllValues(false);
    criterion(dtDate, soLessThan, "", "Shipped");
    criterion(dtInteger, soBetween, "1,10", "Amount");
    EXPECT_EQ(report->AutoSearchDescription(),
              "Show all data where the Country is equal to US and the Shipped "
              "is before  and the Amount is between 1,10");
    QStringList lines{"left over"};
    report->GetAutoSearchDescriptionLines(lines);
    EXPECT_EQ(lines, QStringList({"Show all data where the Country is equal to US",
                                  "and the Amount is between 1,10"}))
        << "a criterion without a value has no line";
    country->SetSearchExpression("");
    report->GetAutoSearchDescriptionLines(lines);
    EXPECT_EQ(lines, QStringList({"Show all data where the Amount is between 1,10"}))
        << "the first line added opens the description";
}

TEST_F(AutoSearchTest, TheReportListsItsCriteriaAndFindsThemByName) {
    QList<int> kinds;
    TppCommunicator listener;
    listener.OnEventNotify = [&](TppCommunicator*, int kind, TppEventParams* params) {
        kinds << kind;
        EXPECT_EQ(params ? params->size() : 0, 1) << "the new criterion";
    };
    listener.AddEventKind(ciReportAutoSearchFieldCreate);
    report->SubscribeEvents(&listener);
    TppAutoSearchField* first = report->CreateAutoSearchCriteria("Customers", "Country", soEqual, "US", true);
    TppAutoSearchField* second =
        report->CreateAutoSearchCriteria("Orders", "Amount", soGreaterThan, "5", false);
    EXPECT_EQ(kinds, QList<int>({ciReportAutoSearchFieldCreate, ciReportAutoSearchFieldCreate}));
    EXPECT_EQ(first->Name(), "ppAutoSearchField1");
    EXPECT_EQ(second->Name(), "ppAutoSearchField2");
    EXPECT_TRUE(first->Mandatory());
    EXPECT_EQ(report->AutoSearchFields(), QList<TppAutoSearchField*>({first, second}));
    EXPECT_EQ(report->AutoSearchCriteriaByName("orders", "AMOUNT"), second);
    EXPECT_EQ(report->AutoSearchCriteriaByName("Customers", "Amount"), nullptr);
    delete first;
    EXPECT_EQ(report->AutoSearchFields(), QList<TppAutoSearchField*>({second}));
}

// A data object as query tools give criteria: a description and a tab order.
class DataView : public TppCommunicator {
public:
    PW_CLASS_INFO
    using TppCommunicator::TppCommunicator;
    QString Description;
    int AutoSearchTabOrder = 0;
};

const ClassInfo& DataView::staticClassInfo() {
    static const ClassInfo info =
        describeClass<DataView>("DataView", &TppCommunicator::staticClassInfo(), [](auto& c) {
            c.property(
                "Description", [](const DataView& v) { return v.Description; },
                [](DataView& v, const QString& text) { v.Description = text; });
            c.property(
                "AutoSearchTabOrder", [](const DataView& v) { return v.AutoSearchTabOrder; },
                [](DataView& v, int order) { v.AutoSearchTabOrder = order; });
        });
    return info;
}

TEST_F(AutoSearchTest, CriteriaGroupByTheirDataObjectsDescription) {
    auto* customers = new DataView(&form);
    customers->Description = "Customers";
    customers->AutoSearchTabOrder = 2;
    auto* orders = new DataView(&form);
    orders->Description = "Orders";
    orders->AutoSearchTabOrder = 1;
    const QList<TppAutoSearchField*> fields{
        criterion(dtString, soEqual, "US"), criterion(dtInteger, soEqual, "5", "Amount"),
        criterion(dtString, soEqual, "NY", "State"), criterion(dtString, soEqual, "", "Note")};
    fields[0]->SetDataObject(customers);
    fields[1]->SetDataObject(orders);
    fields[2]->SetDataObject(customers);
    {
        TppAutoSearchGroups groups(report->AutoSearchFields());
        ASSERT_EQ(groups.Count(), 3);
        EXPECT_EQ(groups.Group(0).Fields, QList<TppAutoSearchField*>({fields[0], fields[2]}));
        EXPECT_EQ(groups.Group(2).Description, "") << "criteria without a data object";
        const std::vector<TppAutoSearchGroup*> tabs = groups.ByTabOrder();
        EXPECT_EQ(tabs[0]->Description, "") << "tab order 0";
        EXPECT_EQ(tabs[1]->Description, "Orders");
        EXPECT_EQ(tabs[2]->Description, "Customers");
        groups.Group(0).TabOrder = 7;
        groups.Group(1).TabOrder = 8;
        delete orders; // the data object goes while the dialog runs
        EXPECT_EQ(fields[1]->DataObject(), nullptr);
    }
    EXPECT_EQ(customers->AutoSearchTabOrder, 7) << "written back when the group goes";

    OwnedComponent other;
    TppReport plain(&other);
    plain.CreateAutoSearchCriteria("A", "X", soEqual, "", false);
    plain.CreateAutoSearchCriteria("B", "Y", soEqual, "", false);
    EXPECT_EQ(TppAutoSearchGroups(plain.AutoSearchFields()).Count(), 1) << "without data objects, one area";
}

// The search dialog as a script: what OK stores, or Cancel.
class ScriptedSearchDialog : public TppCustomAutoSearchDialog {
public:
    ScriptedSearchDialog(QStringList& journal, bool accept) : journal_(journal), accept_(accept) {}
    void Init() override { journal_ << QStringLiteral("init %1 groups").arg(Groups->Count()); }
    void Show() override {}
    bool ShowModal() override {
        journal_ << "dialog";
        if (accept_)
            Groups->Group(0).Fields.first()->SetSearchExpression("UK");
        if (OnClose)
            OnClose();
        return accept_;
    }
    void Close() override {}

private:
    QStringList& journal_;
    bool accept_;
};

class AutoSearchPrintTest : public AutoSearchTest {
protected:
    AutoSearchPrintTest() {
        scope.registerForm<TppCustomPreviewer>([this] { return new Previewer(journal); });
        const std::pair<TppNotifyEvent*, const char*> events[] = {
            {&report->BeforeAutoSearchDialogCreate, "BeforeAutoSearchDialogCreate"},
            {&report->AfterAutoSearchDialogCreate, "AfterAutoSearchDialogCreate"},
            {&report->OnAutoSearchDialogClose, "OnAutoSearchDialogClose"},
            {&report->OnGetAutoSearchValues, "OnGetAutoSearchValues"}};
        for (const auto& [event, name] : events)
            event->handler = [this, name = QString::fromLatin1(name)](TppCommunicator*) {
                journal << name;
                if (name == u"OnGetAutoSearchValues" && !report->AutoSearchFields().isEmpty())
                    journal << "value " + report->AutoSearchFields().first()->SearchExpression();
            };
    }

    void registerDialog(bool accept) {
        scope.registerForm<TppCustomAutoSearchDialog>(
            [this, accept] { return new ScriptedSearchDialog(journal, accept); });
    }

    struct Previewer : TppCustomPreviewer {
        explicit Previewer(QStringList& journal) : journal(journal) {}
        void Show() override {}
        bool ShowModal() override {
            journal << "preview";
            return true;
        }
        void Close() override {}
        QStringList& journal;
    };

    RegistryScope scope;
    QStringList journal;
};

TEST_F(AutoSearchPrintTest, PrintAsksForTheValuesFirst) {
    const struct {
        const char* name;
        bool show;
        bool criteria;
        int dialog; // -1 none registered, 0 cancelled, 1 accepted
        QStringList journal;
    } cases[] = {
        {"accepted",
         true,
         true,
         1,
         {"BeforeAutoSearchDialogCreate", "AfterAutoSearchDialogCreate", "init 1 groups", "dialog",
          "OnAutoSearchDialogClose", "OnGetAutoSearchValues", "value UK", "preview"}},
        {"cancelled: nothing prints",
         true,
         true,
         0,
         {"BeforeAutoSearchDialogCreate", "AfterAutoSearchDialogCreate", "init 1 groups", "dialog",
          "OnAutoSearchDialogClose"}},
        {"no criteria: no dialog and no values",
         true,
         false,
         1,
         {"BeforeAutoSearchDialogCreate", "AfterAutoSearchDialogCreate", "preview"}},
        {"no dialog registered: the stored values print",
         true,
         true,
         -1,
         {"BeforeAutoSearchDialogCreate", "OnGetAutoSearchValues", "value US", "preview"}},
        {"not asked for: the stored values print",
         false,
         true,
         1,
         {"BeforeAutoSearchDialogCreate", "OnGetAutoSearchValues", "value US", "preview"}},
    };
    for (const auto& row : cases) {
        journal.clear();
        while (!report->AutoSearchFields().isEmpty())
            delete report->AutoSearchFields().last();
        if (row.criteria)
            criterion(dtString, soEqual, "US");
        report->SetShowAutoSearchDialog(row.show);
        if (row.dialog < 0)
            scope.unregisterForm(TppCustomAutoSearchDialog::abstractName());
        else
            registerDialog(row.dialog == 1);
        report->Print();
        EXPECT_EQ(journal, row.journal) << row.name;
        EXPECT_EQ(report->AutoSearchDialog(), nullptr) << row.name << ": freed once Print is past it";
    }
}

TEST_F(AutoSearchPrintTest, TheSearchButtonAsksAndGetsTheValuesItself) {
    criterion(dtString, soEqual, "US");
    report->SetShowAutoSearchDialog(true);
    for (const bool accept : {true, false}) {
        journal.clear();
        registerDialog(accept);
        EXPECT_EQ(report->RunAutoSearch(), accept);
        const QStringList asked{"BeforeAutoSearchDialogCreate", "AfterAutoSearchDialogCreate",
                                "init 1 groups", "dialog", "OnAutoSearchDialogClose"};
        const QStringList answered = asked + QStringList({"OnGetAutoSearchValues", "value UK"});
        EXPECT_EQ(journal, accept ? answered : asked);
        EXPECT_EQ(report->AutoSearchDialog(), nullptr);
    }
}

} // namespace
