#include "GenerationFixture.h"
#include "PagewrightErrors.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class StretchableTest : public testing::Test, public GenerationFixture {};

TEST_F(StretchableTest, ShifterAppearsOnceBelowTheLastPageOfItsTarget) {
    auto* memo = add<TestBlock>(0, 0, 1000, 0);
    memo->SetStretch(true);
    memo->SetmmBottomOffset(700);
    memo->content = 250000;
    auto* follower = add<TestBlock>(3000, 40000, 1000, 2000);
    follower->SetShiftRelativeTo(memo);
    follower->SetTag(9);
    EXPECT_EQ(band->PrintHeight(), phDynamic);
    startReport();

    QList<int> followerPages;
    for (int pageNo = 1; pageNo <= 5 && (pageNo == 1 || band->OutOfSpace); ++pageNo) {
        runPass(20000, 120000);
        for (int i = 0; i < page.DrawCommandCount(); ++i)
            if (page.DrawCommand(i)->Tag() == 9) {
                followerPages << pageNo;
                EXPECT_EQ(page.DrawCommand(i)->Top(), memo->PrintRect.Bottom + 700)
                    << "directly below the memo's last line plus its bottom offset";
                EXPECT_EQ(page.DrawCommand(i)->Left(), 5000 + 3000);
            }
    }
    EXPECT_EQ(followerPages, QList<int>{3});
    EXPECT_FALSE(band->OutOfSpace);
    EXPECT_EQ(memo->SpaceUsed, memo->PrintRect.Height() + 700 + 2000)
        << "the memo reports its chain's height";
}

TEST_F(StretchableTest, ShifterThatDoesNotFitContinuesOnTheNextPage) {
    report->pageHasContent = true;
    auto* memo = add<TestBlock>(0, 0, 1000, 0);
    memo->SetStretch(true);
    memo->content = 95000;
    auto* follower = add<TestBlock>(0, 0, 1000, 8000);
    follower->SetShiftRelativeTo(memo);
    follower->SetTag(9);
    startReport();

    runPass(20000, 120000);
    EXPECT_TRUE(memo->PartialGeneration) << "own content done, the follower is not";
    EXPECT_TRUE(band->OverFlow) << "a stretching memo is unfinished";
    EXPECT_EQ(page.DrawCommandCount(), 1);

    runPass(20000, 120000);
    ASSERT_EQ(page.DrawCommandCount(), 1) << "the memo is not drawn again";
    EXPECT_EQ(page.DrawCommand(0)->Tag(), 9);
    EXPECT_TRUE(band->AllObjectsPrinted);
}

TEST_F(StretchableTest, SettersKeepThePlacementRulesApart) {
    auto* memo = add<TestBlock>(0, 0, 1000, 1000);
    memo->SetShiftWithParent(true);
    memo->SetStretchWithParent(true);
    EXPECT_FALSE(memo->ShiftWithParent()) << "shifting and stretching with the parent exclude each other";
    memo->SetStretch(true);
    EXPECT_FALSE(memo->StretchWithParent());
    EXPECT_EQ(band->PrintHeight(), phDynamic) << "a stretching memo makes its static band dynamic";

    auto* follower = add<TestBlock>(0, 0, 1000, 1000);
    follower->SetShiftRelativeTo(memo);
    memo->SetStretch(false);
    EXPECT_TRUE(memo->Stretch()) << "refused while another follows it";
    EXPECT_EQ(memo->ShifterList(), QList<TppStretchable*>{follower});

    follower->SetReprintOnOverFlow(true);
    EXPECT_EQ(follower->ShiftRelativeTo(), nullptr);
    EXPECT_EQ(memo->ShifterCount(), 0);
}

TEST_F(StretchableTest, CyclicShiftRelativeToIsRefusedAndKeepsTheOldValue) {
    auto* a = add<TestBlock>(0, 0, 1000, 1000);
    auto* b = add<TestBlock>(0, 0, 1000, 1000);
    auto* c = add<TestBlock>(0, 0, 1000, 1000);
    b->SetShiftRelativeTo(a);
    c->SetShiftRelativeTo(b);
    for (TppStretchable* self : {a, b}) {
        TppStretchable* before = self->ShiftRelativeTo();
        try {
            self->SetShiftRelativeTo(self == a ? c : b);
            ADD_FAILURE() << "a cycle was accepted";
        } catch (const EInvalidPropertyError& error) {
            EXPECT_EQ(error.message(), "Cyclic assignment of ShiftRelativeTo property.");
        }
        EXPECT_EQ(self->ShiftRelativeTo(), before);
    }
}

TEST_F(StretchableTest, TargetsThatLeaveTheBandOrAreFreedAreForgotten) {
    auto* memo = add<TestBlock>(0, 0, 1000, 1000);
    auto* follower = add<TestBlock>(0, 0, 1000, 1000);
    follower->SetShiftRelativeTo(memo);
    TppDetailBand other(&form);
    memo->SetBand(&other);
    EXPECT_EQ(follower->ShiftRelativeTo(), nullptr) << "dropped when read";
    EXPECT_EQ(memo->ShifterCount(), 0);

    auto* second = add<TestBlock>(0, 0, 1000, 1000);
    second->SetShiftRelativeTo(follower);
    delete follower;
    EXPECT_EQ(second->ShiftRelativeTo(), nullptr);
    delete second;
    memo->SetBand(band);
}

TEST_F(StretchableTest, KeepTogetherAppliesOnlyBelowOtherContentAndOnlyOnce) {
    auto* memo = add<TestBlock>(0, 0, 1000, 1000);
    memo->SetKeepTogether(true);
    EXPECT_FALSE(memo->KeepTogetherApplies()) << "nothing above it yet";
    report->pageHasContent = true;
    EXPECT_TRUE(memo->KeepTogetherApplies());
    memo->KeptTogether = true;
    EXPECT_FALSE(memo->KeepTogetherApplies()) << "pushed on once already: now it splits";

    auto* follower = add<TestBlock>(0, 0, 1000, 1000);
    follower->SetKeepTogether(true);
    follower->SetShiftRelativeTo(memo);
    memo->SpaceUsed = 0;
    EXPECT_FALSE(follower->KeepTogetherApplies()) << "its chain used no space on this page";
    memo->SpaceUsed = 100;
    EXPECT_TRUE(follower->KeepTogetherApplies());
}

TEST_F(StretchableTest, DrawCommandIsFilledAnnouncedPlacedThenToldToScripts) {
    auto* box = add<TestBox>(1000, 2000, 3000, 4000);
    box->SetTag(42);
    QStringList steps;
    box->OnDrawCommandCreate.handler = [&](TppCommunicator* sender, TppDrawCommand* command) {
        EXPECT_EQ(sender, box);
        EXPECT_EQ(command->Tag(), 42) << "filled before it is announced";
        EXPECT_EQ(command->Page(), nullptr) << "announced before it is placed";
        steps << "OnDrawCommandCreate";
    };
    TppCommunicator listener;
    listener.AddEventKind(ciPrintableDrawCommandCreate);
    listener.AddEventKind(ciPrintableDrawCommandClick);
    listener.OnEventNotify = [&](TppCommunicator*, int kind, TppEventParams* params) {
        auto* command = params->value(0).value<TppCommunicator*>();
        EXPECT_EQ(static_cast<TppDrawCommand*>(command)->Page(), &page);
        steps << (kind == ciPrintableDrawCommandCreate ? "script create" : "script click");
    };
    box->SubscribeEvents(&listener);
    startReport();
    runPass(20000);

    ASSERT_EQ(page.DrawCommandCount(), 1);
    TppDrawCommand* command = page.DrawCommand(0);
    EXPECT_EQ(command->Box(), QRect(6000, 22000, 3000, 4000));
    EXPECT_EQ(command->SourceBand(), band);
    EXPECT_TRUE(command->Clickable()) << "a script listens for clicks";
    command->ClickHandler(command);
    EXPECT_EQ(steps, (QStringList{"OnDrawCommandCreate", "script create", "script click"}));

    box->UnsubscribeEvents(&listener);
    delete box;
    command->ClickHandler(command); // the page outlives its component: nothing happens
    EXPECT_EQ(steps.size(), 3);
}

} // namespace
