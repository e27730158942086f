#include "PagewrightErrors.h"
#include "TppComponent.h"
#include "TppDetailBand.h"
#include "TppDrawCalc.h"
#include "TppDrawLine.h"
#include "TppDrawText.h"
#include "TppDrawVar.h"
#include "TppOutlineDrawCommand.h"
#include "TppPage.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

TEST(Page, AssignCopiesCommandsAsNewObjects) {
    TppPage source;
    source.AbsolutePageNo = 3;
    source.Final = true;
    auto* text = new TppDrawText(&source);
    text->Text = "Total";
    text->Font.size = 14;
    text->SetBox(1000, 2000, 30000, 5000);
    source.AddDrawCommand(text);
    auto* line = new TppDrawLine(&source);
    line->Weight = 2;
    source.AddDrawCommand(line);

    TppPage copy;
    copy.Assign(source);
    ASSERT_EQ(copy.DrawCommandCount(), 2);
    auto* copied = dynamic_cast<TppDrawText*>(copy.DrawCommand(0));
    ASSERT_NE(copied, nullptr) << "a command of the same class";
    EXPECT_NE(copied, text);
    EXPECT_EQ(copied->Page(), &copy);
    EXPECT_TRUE(copied->IsSameAs(*text));
    EXPECT_EQ(copy.AbsolutePageNo, 3);
    copied->Text = "Changed";
    copied->Font.size = 9;
    EXPECT_EQ(text->Text, "Total") << "the source keeps its own";
    EXPECT_EQ(text->Font.size, 14);
    EXPECT_FALSE(copied->IsSameAs(*text));
    EXPECT_FALSE(copy.DrawCommand(1)->IsSameAs(*text)) << "another class";
}

TEST(Page, OnlyOneOutlineCommandAndListsExistWhileTheyHoldCommands) {
    TppPage page;
    page.AddDrawCommand(new TppOutlineDrawCommand(&page));
    auto* second = new TppOutlineDrawCommand();
    try {
        page.AddDrawCommand(second);
        FAIL() << "a second outline command";
    } catch (const EOutlineError& e) {
        EXPECT_EQ(e.message(),
                  "TppPage.AddDrawCommand: Cannot add more than one draw outline command per page.");
    }
    EXPECT_EQ(page.DrawCommandCount(), 1);
    delete second;

    auto* clickable = new TppDrawText();
    clickable->SetClickable(true);
    page.AddDrawCommand(clickable);
    EXPECT_EQ(clickable->Owner(), &page) << "the page takes the command over";
    EXPECT_EQ(page.ClickableCommands(), QList<TppDrawCommand*>({clickable}));
    page.RemoveDrawCommand(clickable);
    EXPECT_TRUE(page.ClickableCommands().isEmpty());
    EXPECT_TRUE(clickable->Clickable());
    delete clickable;
}

TEST(Page, AlignmentsStayInStep) {
    TppDrawText text;
    text.SetTextAlignment(taFullJustified);
    EXPECT_EQ(text.Alignment(), taLeftJustify);
    const PropertyInfo* older = text.classInfo().property("Alignment");
    EXPECT_FALSE(older->isStored(text)) << "only read from older archives";
    older->set(text, older->enumIndex("taCenter"));
    EXPECT_EQ(text.TextAlignment(), taCentered);
}

TEST(Page, PageNumberTextsRefreshOncePageCountsAreKnown) {
    TppPage page;
    page.PageNo = 3;
    page.PageCount = 12;
    auto* pageSet = new TppDrawVar();
    pageSet->VarType = vtPageSetDesc;
    auto* date = new TppDrawVar();
    auto* count = new TppDrawCalc();
    count->CalcType = ctPageCount;
    for (TppDrawCommand* c : {static_cast<TppDrawCommand*>(pageSet), static_cast<TppDrawCommand*>(date),
                              static_cast<TppDrawCommand*>(count)})
        page.AddDrawCommand(c);
    EXPECT_EQ(page.UpdatableCommands().size(), 2) << "dates do not wait for page counts";
    EXPECT_TRUE(pageSet->UpdateText());
    EXPECT_EQ(pageSet->Text, "Page 3 of 12");
    EXPECT_TRUE(count->UpdateText());
    EXPECT_EQ(count->Text, "12");
    page.AbsolutePageNo = 3;
    page.AbsolutePageCount = 12;
    EXPECT_EQ(page.PageOfText(), "Page 3 of 12");
}

// Pages name where each command came from without linking to it: a band
// drawn on a thousand kept pages keeps no list of them, and a freed source
// reads as none.
TEST(Page, CommandsNameTheirSourcesUntilTheSourcesAreFreed) {
    auto report = std::make_unique<TppCommunicator>();
    auto band = std::make_unique<TppDetailBand>();
    auto component = std::make_unique<TppComponent>();
    std::vector<std::unique_ptr<TppPage>> pages;
    for (int n = 0; n < 1000; ++n) {
        TppPage page;
        page.SetSourceReport(report.get());
        auto* text = new TppDrawText(&page);
        text->SetSourceBand(band.get());
        text->SetSourceComponent(component.get());
        page.AddDrawCommand(text);
        pages.push_back(std::make_unique<TppPage>());
        pages.back()->Assign(page);
    }
    const TppPage& last = *pages.back();
    const auto* text = dynamic_cast<const TppDrawText*>(last.DrawCommand(0));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(last.SourceReport(), report.get());
    EXPECT_EQ(text->SourceBand(), band.get());
    EXPECT_EQ(text->SourceComponent(), component.get());
    EXPECT_TRUE(band->links().isEmpty() && component->links().isEmpty() && report->links().isEmpty())
        << "no link per command";

    component.reset();
    band.reset();
    report.reset();
    EXPECT_EQ(text->SourceComponent(), nullptr);
    EXPECT_EQ(text->SourceBand(), nullptr);
    EXPECT_EQ(last.SourceReport(), nullptr);
}

} // namespace
