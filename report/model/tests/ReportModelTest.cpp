#include "ClassRegistry.h"
#include "FixedPageReport.h"
#include "RecordingPrompter.h"
#include "ReportModelClasses.h"
#include "TppComponent.h"
#include "TppDataPipeline.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppHeaderBand.h"
#include "TppResourceManager.h"
#include "TppSummaryBand.h"
#include "TppTitleBand.h"

#include <gtest/gtest.h>

namespace {

// A pipeline over a column of texts, enough for groups to read break values.
class ListPipeline : public TppDataPipeline {
public:
    ListPipeline(OwnedComponent* owner, QStringList values)
        : TppDataPipeline(owner), values_(std::move(values)) {}
    bool Active() const override { return active_; }
    QString GetFieldAsString(const QString& field) override {
        return field == "CUSTNO" && !HasState(NoRecords) && current_ < values_.size() ? values_[current_]
                                                                                      : QString();
    }
    bool GetFieldNames(QStringList& names) override {
        names = {"CUSTNO"};
        return true;
    }

protected:
    void SourceOpen() override { active_ = true; }
    void SourceClose() override { active_ = false; }
    void SourceFirst() override { current_ = 0; }
    void SourceLast() override { current_ = std::max<qsizetype>(values_.size() - 1, 0); }
    int SourceMoveBy(int n) override {
        const int target = std::clamp<int>(current_ + n, 0, std::max<int>(int(values_.size()) - 1, 0));
        eof_ = current_ + n >= values_.size();
        return std::exchange(current_, target) - target;
    }
    bool SourceBOF() const override { return values_.isEmpty() || (current_ == 0 && !eof_); }
    bool SourceEOF() const override { return values_.isEmpty() || eof_; }
    Bookmark SourceBookmark() const override { return {current_}; }
    bool SourceBookmarkValid(const Bookmark& b) const override { return b.id < values_.size(); }
    void SourceGotoBookmark(const Bookmark& b) override { current_ = int(b.id); }

private:
    QStringList values_;
    int current_ = 0;
    bool active_ = false;
    bool eof_ = false;
};

class TppLabel : public TppComponent {
public:
    PW_CLASS_INFO
    using TppComponent::TppComponent;
    bool IsTextComponent() const override { return true; }
    QString Text() const override { return caption; }
    QString caption;
};

const ClassInfo& TppLabel::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TppLabel"), &TppComponent::staticClassInfo(),
                                [](OwnedComponent* owner) -> Persistent* { return new TppLabel(owner); });
    return info;
}

class ReportModelTest : public testing::Test {
protected:
    ReportModelTest() {
        report->SetName("Report1");
        report->SetWarningPrompter(&prompter);
        detail->SetReport(report);
    }
    TppLabel* label(TppBand* band, int top = 0, int height = 1000) {
        auto* l = new TppLabel(&form);
        l->SetBand(band);
        l->SetmmTop(top);
        l->SetmmHeight(height);
        return l;
    }
    TppGroup* group() {
        auto* g = new TppGroup(&form);
        g->SetReport(report);
        g->CreateBands();
        return g;
    }
    OwnedComponent form;
    RecordingPrompter prompter;
    FixedPageReport* report = new FixedPageReport(&form);
    TppDetailBand* detail = new TppDetailBand(&form);
};

TEST_F(ReportModelTest, RegistryListsPropertiesBaseClassFirstWithDefaultsAndStoredFlags) {
    registerReportModelClasses();
    const ClassInfo* info = ClassRegistry::instance().find("tppdetailband");
    ASSERT_NE(info, nullptr) << "found by class name without regard to case";

    QStringList names;
    for (const PropertyInfo* p : info->properties())
        names << p->name;
    EXPECT_EQ(names, QStringList({"Name", "Height", "PrintHeight", "Save", "Visible", "BeforePrint",
                                  "AfterPrint", "BeforeGenerate", "AfterGenerate", "BandsPerRecord",
                                  "ColumnTraversal", "PrintCount"}));

    auto* band = static_cast<TppBand*>(info->create(&form));
    ASSERT_NE(dynamic_cast<TppDetailBand*>(band), nullptr) << "created by name";
    const PropertyInfo* printHeight = info->property("PrintHeight");
    EXPECT_EQ(printHeight->kind, PropertyKind::Enumeration);
    EXPECT_EQ(printHeight->enumNames, QStringList({"phStatic", "phDynamic"}));
    EXPECT_TRUE(printHeight->isDefault(*band));
    band->SetPrintHeight(phDynamic);
    EXPECT_FALSE(printHeight->isDefault(*band)) << "a changed value is written";
    EXPECT_FALSE(info->property("Height")->isStored(*band)) << "report units are derived, never stored";
    EXPECT_TRUE(info->property("Visible")->isStored(*band));

    band->BeforePrint.methodName = "DetailBeforePrint";
    EXPECT_EQ(info->property("BeforePrint")->get(*band), "DetailBeforePrint")
        << "events stored as method names";

    QStringList defined;
    for (const DefinedProperty* p : info->definedProperties())
        if (p->isWritten(*band))
            defined << p->name;
    EXPECT_EQ(defined, QStringList({"mmBottomOffset", "mmHeight", "mmPrintPosition"}))
        << "legacy names are read only; the detail band's pipeline only when set";
    info->definedProperty("mmheight")->assign(*band, 20000);
    EXPECT_EQ(band->mmHeight(), 20000);
}

TEST_F(ReportModelTest, ComponentsRecordTheirBandAndGroup) {
    group();
    TppGroup* second = group();
    TppLabel* l = label(second->FooterBand());
    EXPECT_EQ(l->BandType(), btGroupFooter);
    EXPECT_EQ(l->GroupNo(), 1);
    const DefinedProperty* groupNo = l->classInfo().definedProperty("GroupNo");
    EXPECT_TRUE(groupNo->isWritten(*l)) << "a group band's component writes its group";

    auto* loaded = new TppLabel(&form);
    loaded->classInfo().definedProperty("BandType")->assign(*loaded, btDetail);
    EXPECT_EQ(loaded->BandType(), btDetail) << "kept while it has no band";
    auto* header = new TppHeaderBand(&form);
    header->SetReport(report);
    loaded->SetBand(header);
    EXPECT_EQ(loaded->BandType(), btHeader);
    EXPECT_EQ(loaded->GroupNo(), -1);
    EXPECT_FALSE(groupNo->isWritten(*loaded));
}

TEST_F(ReportModelTest, ComponentsStayInsideTheirBand) {
    TppPageDef page;
    page.mmWidth = 200000;
    page.mmMarginLeft = page.mmMarginRight = 5000;
    report->pageDef = page;
    TppLabel* l = label(detail);
    l->SetmmLeft(-5);
    EXPECT_EQ(l->mmLeft(), 0);
    l->SetmmLeft(250000);
    EXPECT_EQ(l->mmLeft(), 190000) << "pulled back to the band's width";
    l->SetmmWidth(-3);
    EXPECT_EQ(l->mmWidth(), 0);

    TppLabel* line = label(detail);
    line->SetParentWidth(true);
    EXPECT_EQ(line->mmLeft(), 0);
    EXPECT_EQ(line->mmWidth(), 190000);
    line->SetmmLeft(500);
    EXPECT_EQ(line->mmLeft(), 0) << "a parent-width component ignores Left";
}

TEST_F(ReportModelTest, ComponentsFollowTheBandsPipelineUntilGivenTheirOwn) {
    auto* main = new ListPipeline(&form, {});
    auto* other = new ListPipeline(&form, {});
    report->SetDataPipeline(main);
    EXPECT_FALSE(report->AutoStop()) << "a report with a pipeline stops at its end";
    TppLabel* l = label(detail);
    l->SetParentDataPipeline(true);
    EXPECT_EQ(l->DataPipeline(), main);
    l->SetDataPipeline(other);
    EXPECT_FALSE(l->ParentDataPipeline());
    l->SetParentDataPipeline(true);
    EXPECT_EQ(l->DataPipeline(), main);

    auto* replacement = new ListPipeline(&form, {});
    report->SetDataPipeline(replacement);
    EXPECT_EQ(l->DataPipeline(), replacement) << "followers move with the report";
    delete replacement;
    EXPECT_EQ(l->DataPipeline(), nullptr) << "a freed pipeline leaves no reference behind";
    EXPECT_EQ(report->DataPipeline(), nullptr);
    EXPECT_TRUE(report->AutoStop()) << "without a pipeline nothing else would end the report";
}

TEST_F(ReportModelTest, BandHeightRules) {
    detail->SetmmHeight(20000);
    TppLabel* l = label(detail, 12000, 6000);
    detail->SetmmHeight(0);
    EXPECT_EQ(detail->mmHeight(), 20000) << "a band with components keeps a height";
    EXPECT_EQ(prompter.messages.value(0), LanguageString(296));

    detail->SetmmHeight(5000);
    EXPECT_EQ(detail->mmHeight(), 5000);
    EXPECT_EQ(l->mmTop(), 0) << "taller than the band: moved to the top";
    detail->SetmmHeight(8000);
    l->SetmmHeight(3000);
    l->SetmmTop(7000);
    detail->SetmmHeight(7500);
    EXPECT_EQ(l->mmTop(), 4500) << "moved up until its bottom fits";

    detail->SetmmHeight(300000);
    EXPECT_EQ(detail->mmHeight(), 7500) << "a static band may not exceed the printable page";
    EXPECT_EQ(prompter.messages.value(1), LanguageString(297));

    auto* empty = new TppSummaryBand(&form);
    empty->SetReport(report);
    empty->SetmmHeight(0);
    EXPECT_EQ(empty->mmHeight(), 0) << "an empty band may have no height";
    EXPECT_TRUE(report->Modified());
}

TEST_F(ReportModelTest, AnOldDynamicBandKeepsTheSpaceBelowItsLowestComponentButNeverLess) {
    detail->SetPrintHeight(phDynamic);
    detail->SetmmHeight(10000);
    TppLabel* l = label(detail, 0, 4000);
    detail->ConvertLegacy(2500);
    EXPECT_EQ(detail->mmBottomOffset(), 6000);
    l->SetmmTop(8000);
    detail->ConvertLegacy(2500);
    EXPECT_EQ(detail->mmBottomOffset(), 0) << "a component reaching below the band gives no negative offset";
}

TEST_F(ReportModelTest, BandsAreKeptInPrintOrder) {
    auto add = [&](TppBand* band) { band->SetReport(report); };
    add(new TppSummaryBand(&form));
    add(new TppFooterBand(&form));
    TppGroup* outer = group();
    TppGroup* inner = group();
    add(new TppHeaderBand(&form));
    add(new TppTitleBand(&form));
    const QList<TppBand*> expected = {report->GetBand(btTitle),
                                      report->GetBand(btHeader),
                                      outer->HeaderBand(),
                                      inner->HeaderBand(),
                                      detail,
                                      inner->FooterBand(),
                                      outer->FooterBand(),
                                      report->GetBand(btFooter),
                                      report->GetBand(btSummary)};
    EXPECT_EQ(report->Bands(), expected);
    EXPECT_EQ(report->GetBand(btGroupFooter, 1), inner->FooterBand());
    EXPECT_EQ(report->GetBand(btGroupFooter, 5), nullptr);

    TppLabel* l = label(inner->HeaderBand());
    delete outer;
    EXPECT_EQ(report->GroupCount(), 1);
    EXPECT_EQ(report->BandCount(), 7) << "a group takes its two bands along";
    EXPECT_EQ(l->GroupNo(), 0) << "the remaining group's components are renumbered";
}

struct BreakCase {
    const char* name;
    QStringList values;
    QList<bool> breaks; // after each Next()
};

TEST_F(ReportModelTest, GroupsBreakWhenTheValueChangesAsExactText) {
    const BreakCase cases[] = {
        {"1, 1, 2: a break before the third", {"1", "1", "2"}, {false, true}},
        {"abc then ABC: case counts", {"abc", "ABC"}, {true}},
    };
    for (const BreakCase& c : cases) {
        auto* pipeline = new ListPipeline(&form, c.values);
        TppGroup* g = group();
        g->SetDataPipeline(pipeline);
        g->SetBreakName("CUSTNO");
        pipeline->Open();
        pipeline->First();
        g->ResetBreak();
        for (bool expected : c.breaks) {
            g->SetBreaking(false);
            pipeline->Next();
            g->CheckForBreak();
            EXPECT_EQ(g->Breaking(), expected) << c.name << " at " << g->BreakValue().toStdString();
        }
        delete g;
        delete pipeline;
    }
}

TEST_F(ReportModelTest, AnEmptyPipelineBreaksAndHandlersMayChangeTheValue) {
    auto* pipeline = new ListPipeline(&form, {});
    TppGroup* g = group();
    g->SetDataPipeline(pipeline);
    g->SetBreakName("CUSTNO");
    pipeline->Open();
    pipeline->First();
    ASSERT_TRUE(pipeline->HasState(NoRecords));
    g->CheckForBreak();
    EXPECT_TRUE(g->Breaking());
    EXPECT_TRUE(g->HeaderBand()->PendingBreak());

    g->OnGetBreakValue.handler = [](TppCommunicator*, QString& value) { value = "custom"; };
    EXPECT_EQ(g->GetBreakValue(), "custom");
    EXPECT_EQ(g->Description(), LanguageString(331) + " [0]: CUSTNO");
}

TEST_F(ReportModelTest, KeepTogetherExcludesNewPageAndNewColumn) {
    TppGroup* g = group();
    g->SetKeepTogether(true);
    g->SetNewPage(true);
    EXPECT_FALSE(g->KeepTogether());
    g->SetKeepTogether(true);
    EXPECT_FALSE(g->NewPage());
    g->SetNewColumn(true);
    EXPECT_FALSE(g->KeepTogether());
}

TEST_F(ReportModelTest, CustomFieldGroupsFollowATextComponent) {
    TppGroup* g = group();
    g->SetBreakType(btCustomField);
    TppLabel* l = label(detail);
    l->SetUserName("Region");
    l->caption = "North";
    g->SetBreakName("region");
    EXPECT_EQ(g->BreakComponent(), l);
    EXPECT_EQ(g->GetBreakValue(), "North");
    delete l;
    EXPECT_EQ(g->BreakComponent(), nullptr);
    g->SetBreakName("Nothing");
    EXPECT_EQ(g->BreakName(), "") << "no such text component: the name is cleared";
}

TEST_F(ReportModelTest, UserNamesAreUniqueAcrossTheReportTree) {
    TppLabel* a = label(detail);
    TppLabel* b = label(detail);
    EXPECT_EQ(a->UserName(), "Label1") << "given when put into a band";
    EXPECT_EQ(b->UserName(), "Label2");
    TppGroup* g = group();
    g->SetUserName("Label2");
    EXPECT_EQ(g->UserName(), "") << "taken by a component of the report, ending in a digit";
    g->SetUserName("Label");
    EXPECT_EQ(g->UserName(), "Label") << "no object is called Label yet";
}

TEST_F(ReportModelTest, FreeingTheReportFreesItsLayout) {
    group();
    label(detail);
    const int before = form.ComponentCount();
    ASSERT_EQ(before, 6);
    delete report;
    EXPECT_EQ(form.ComponentCount(), 0);
}

} // namespace
