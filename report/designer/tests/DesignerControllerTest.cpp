#include "DesignerFixture.h"

#include "ComponentWriter.h"
#include "TppReportTemplate.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DesignerControllerTest : public ::testing::Test, public DesignerFixture {};

TEST_F(DesignerControllerTest, DraggingMovesByThePixelsTheMouseMovedAndUndoRestoresTheExactLengths) {
    const int left = first->mmLeft();
    const int top = first->mmTop();
    const QPoint at = topLeft(*first) + QPoint(5, 5);
    drag(at, at + QPoint(20, 10));
    EXPECT_EQ(px(first->mmLeft()), 30);
    EXPECT_EQ(px(first->mmTop(), true), 20);
    EXPECT_EQ(first->mmLeft(), mm(30));
    EXPECT_EQ(first->Band(), header);
    controller->undoStack().undo();
    EXPECT_EQ(first->mmLeft(), left);
    EXPECT_EQ(first->mmTop(), top);
    controller->undoStack().redo();
    EXPECT_EQ(first->mmLeft(), mm(30));
}

TEST_F(DesignerControllerTest, AMultipleSelectionStopsAtTheLeftEdgeAndKeepsItsOffsets) {
    controller->selection().set({second, first});
    const QPoint at = topLeft(*second) + QPoint(2, 2);
    // Second was clicked last: it is the primary; both move, first stops at 0.
    controller->selection().click(second, false);
    drag(at, at + QPoint(-50, 0));
    EXPECT_EQ(px(first->mmLeft()), 0);
    EXPECT_EQ(px(second->mmLeft()), 90) << "the others keep their offset to the leftmost";
}

TEST_F(DesignerControllerTest, ADropInAnotherBandMovesTheComponentThereAndADropOnTheLastDividerIsRefused) {
    const WorkspaceLayout layout = controller->layout();
    const QPoint at = topLeft(*first) + QPoint(1, 1);
    drag(at, QPoint(at.x(), layout.areaTop(1) + 6));
    EXPECT_EQ(first->Band(), detail);
    EXPECT_EQ(px(first->mmTop(), true), 5);
    controller->undoStack().undo();
    EXPECT_EQ(first->Band(), header);

    // The footer is last: dragging past its divider clamps to its bottom.
    const int before = controller->undoStack().index();
    controller->selection().selectOnly(second);
    drag(topLeft(*second) + QPoint(6, 6), QPoint(topLeft(*second).x() + 6, layout.height() + 40));
    EXPECT_EQ(second->Band(), footer);
    EXPECT_LE(controller->boxOf(*second).bottom(), layout.bottomLimit());
    EXPECT_EQ(controller->undoStack().index(), before + 1);
}

TEST_F(DesignerControllerTest, SnappingPutsTheTopOnTheBandsGrid) {
    controller->grid.snapToGrid = true;
    controller->grid.xSpace = controller->grid.ySpace = 8;
    const QPoint at = topLeft(*first);
    struct {
        int wantedTop;
        int snapped;
    } cases[] = {{13, 16}, {11, 8}, {12, 8}};
    for (const auto& c : cases) {
        controller->selection().selectOnly(first);
        drag(topLeft(*first) + QPoint(3, 3), QPoint(at.x() + 3, c.wantedTop + 3));
        EXPECT_EQ(px(first->mmTop(), true), c.snapped) << "wanted " << c.wantedTop;
    }
}

TEST_F(DesignerControllerTest, ResizingByTheCornerHandleSetsWidthAndHeight) {
    controller->selection().selectOnly(first);
    const PixelBox box = controller->boxOf(*first);
    drag(QPoint(box.right(), box.bottom()), QPoint(box.right() + 15, box.bottom() + 5));
    EXPECT_EQ(px(first->mmWidth()), 75);
    EXPECT_EQ(px(first->mmHeight(), true), 22);
    EXPECT_EQ(px(first->mmLeft()), 10) << "the opposite corner stays";
    controller->undoStack().undo();
    EXPECT_EQ(px(first->mmWidth()), 60);
}

TEST_F(DesignerControllerTest, DraggingADividerChangesTheBandHeightNoHigherThanItsLowestComponent) {
    const WorkspaceLayout layout = controller->layout();
    const int dividerTop = layout.dividerTop(0);
    drag(QPoint(200, dividerTop + 3), QPoint(200, dividerTop + 3 + 30));
    EXPECT_EQ(px(header->mmHeight(), true), 130);
    controller->undoStack().undo();
    EXPECT_EQ(px(header->mmHeight(), true), 100);
    // Up past the second label's bottom (57) stops there.
    drag(QPoint(200, dividerTop + 3), QPoint(200, 10));
    EXPECT_EQ(px(header->mmHeight(), true), 57);
    controller->undoStack().undo();
    controller->undoStack().redo();
    EXPECT_EQ(px(header->mmHeight(), true), 57);
}

TEST_F(DesignerControllerTest, ThePaletteCreatesAtTheClickWithTheDefaultFontAndAVetoFreesIt) {
    const int components = form.ComponentCount();
    controller->setPaletteClass("TppLabel");
    const WorkspaceLayout layout = controller->layout();
    controller->mousePress(QPoint(40, layout.areaTop(1) + 12), Qt::NoModifier);
    controller->mouseRelease(QPoint(40, layout.areaTop(1) + 12));
    ASSERT_EQ(controller->selection().count(), 1);
    auto* label = dynamic_cast<TppLabel*>(controller->selection().primary());
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Band(), detail);
    EXPECT_EQ(px(label->mmLeft()), 40);
    EXPECT_EQ(px(label->mmTop(), true), 12);
    EXPECT_EQ(label->Font().name, "Arial");
    EXPECT_EQ(label->Font().size, 10);
    EXPECT_EQ(label->Name(), "ppLabel4");
    EXPECT_TRUE(controller->paletteClass().isEmpty()) << "back to the select arrow";
    EXPECT_TRUE(report->Modified());
    controller->undoStack().undo();
    EXPECT_FALSE(form.FindComponent("ppLabel4"));
    controller->undoStack().redo();
    EXPECT_TRUE(form.FindComponent("ppLabel4"));

    const int withLabel = form.ComponentCount();
    EXPECT_EQ(withLabel, components + 1);
    controller->onValidateComponent = [](TppComponent*) { return false; };
    EXPECT_EQ(controller->createComponent("TppLabel", QPoint(40, 10)), nullptr);
    EXPECT_EQ(form.ComponentCount(), withLabel) << "the vetoed component is freed";
    controller->onValidateComponent = nullptr;
    EXPECT_EQ(controller->createComponent("TppLabel", QPoint(40, layout.height() - 2)), nullptr)
        << "nothing is created on the last divider";
}

TEST_F(DesignerControllerTest, UndeleteRestoresTheOriginalBandPositionAndNameAndCutCannotBeUndeleted) {
    const ComponentPlacement was = controller->placementOf(*third);
    controller->selection().selectOnly(third);
    controller->deleteSelection();
    EXPECT_FALSE(form.FindComponent("ppLabel3"));
    EXPECT_TRUE(controller->selection().isEmpty());
    ASSERT_TRUE(controller->canUndelete());
    controller->undelete();
    auto* restored = dynamic_cast<TppComponent*>(form.FindComponent("ppLabel3"));
    ASSERT_TRUE(restored);
    EXPECT_EQ(controller->placementOf(*restored), was);
    EXPECT_EQ(restored->Band(), detail) << "its own band, not the first of its kind";
    EXPECT_FALSE(controller->canUndelete());

    // Undo of the delete itself, from the stack, brings back the same.
    controller->undoStack().undo(); // undelete undone: gone again
    EXPECT_FALSE(form.FindComponent("ppLabel3"));
    controller->undoStack().undo(); // delete undone
    EXPECT_TRUE(form.FindComponent("ppLabel3"));

    controller->selection().selectOnly(first);
    controller->cutSelection();
    EXPECT_FALSE(form.FindComponent("ppLabel1"));
    EXPECT_FALSE(controller->canUndelete());
}

TEST_F(DesignerControllerTest, RepeatedPastesCascadeAndAPasteAfterMovingTheOriginalDoesNot) {
    controller->selection().selectOnly(first);
    const QByteArray copied = controller->copySelection();
    ASSERT_FALSE(copied.isEmpty());
    const QList<TppComponent*> once = controller->paste(copied);
    ASSERT_EQ(once.size(), 1);
    const QList<TppComponent*> twice = controller->paste(copied);
    ASSERT_EQ(twice.size(), 1);
    EXPECT_NE(once.first()->Name(), first->Name()) << "a clashing name is replaced";
    EXPECT_NE(once.first()->Name(), twice.first()->Name());
    EXPECT_EQ(once.first()->Band(), header);
    EXPECT_EQ(topLeft(*once.first()), topLeft(*first) + QPoint(8, 8));
    EXPECT_EQ(topLeft(*twice.first()), topLeft(*first) + QPoint(16, 16));

    controller->selection().selectOnly(first);
    drag(topLeft(*first) + QPoint(6, 6), topLeft(*first) + QPoint(6, 56));
    const QList<TppComponent*> moved = controller->paste(copied);
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(moved.first()->mmLeft(), mm(10));
    EXPECT_EQ(px(moved.first()->mmTop(), true), 10) << "where it was copied from, now free";

    const int count = form.ComponentCount();
    EXPECT_TRUE(controller->paste("not a component stream").isEmpty());
    EXPECT_TRUE(controller->paste(QByteArray("TPF0\x05garbage", 12)).isEmpty());
    EXPECT_EQ(form.ComponentCount(), count);
    controller->undoStack().undo(); // the last paste
    EXPECT_EQ(form.ComponentCount(), count - 1);
}

TEST_F(DesignerControllerTest, NudgesMoveAndResizeByAPixelWithoutLeavingTheBand) {
    struct {
        const char* name;
        TppLabel* DesignerFixture::*label;
        int key;
        Qt::KeyboardModifiers modifiers;
        int left, top, width;
    } cases[] = {
        {"Ctrl+Right", &DesignerFixture::first, Qt::Key_Right, Qt::ControlModifier, 11, 10, 60},
        {"Ctrl+Up", &DesignerFixture::first, Qt::Key_Up, Qt::ControlModifier, 10, 9, 60},
        {"Shift+Right grows", &DesignerFixture::first, Qt::Key_Right, Qt::ShiftModifier, 10, 10, 61},
        {"Ctrl+Left at 0 stays at 0", &DesignerFixture::third, Qt::Key_Left, Qt::ControlModifier, 0, 0, 1},
        {"Shift+Left at 1 wide changes nothing", &DesignerFixture::third, Qt::Key_Left, Qt::ShiftModifier, 0,
         0, 1},
    };
    for (const auto& c : cases) {
        TppLabel* label = this->*c.label;
        controller->selection().selectOnly(label);
        const int before = controller->undoStack().index();
        EXPECT_TRUE(controller->keyPress(c.key, c.modifiers)) << c.name;
        EXPECT_EQ(px(label->mmLeft()), c.left) << c.name;
        EXPECT_EQ(px(label->mmTop(), true), c.top) << c.name;
        EXPECT_EQ(px(label->mmWidth()), c.width) << c.name;
        if (controller->undoStack().index() > before)
            controller->undoStack().undo();
    }
}

TEST_F(DesignerControllerTest, PropertyEditsAndZOrderAreUndoable) {
    controller->setProperty(*first, "Caption", QString("Loan"));
    controller->setProperty(*first, "Font.Size", 14);
    EXPECT_EQ(first->Caption(), "Loan");
    EXPECT_EQ(first->Font().size, 14);
    controller->undoStack().undo();
    EXPECT_EQ(first->Font().size, 10);
    controller->undoStack().undo();
    EXPECT_EQ(first->Caption(), "Label1");
    controller->undoStack().redo();
    EXPECT_EQ(first->Caption(), "Loan");

    controller->selection().selectOnly(first);
    controller->bringToFront();
    EXPECT_EQ(header->Objects().last(), first);
    controller->undoStack().undo();
    EXPECT_EQ(header->Objects().first(), first);
}

TEST_F(DesignerControllerTest, ARubberBandSelectsWhatItTouchesEdgesIncluded) {
    const PixelBox box = controller->boxOf(*first);
    // From the right edge of the first label down to the second.
    drag(QPoint(box.right(), box.top - 5), topLeft(*second) + QPoint(1, 1));
    EXPECT_EQ(controller->selection().components(), (QList<TppComponent*>{first, second}));
    drag(QPoint(box.right(), box.top - 5), topLeft(*second) + QPoint(1, 1), Qt::ShiftModifier);
    EXPECT_TRUE(controller->selection().isEmpty()) << "additive toggles both off";
    controller->selectAll();
    EXPECT_EQ(controller->selection().count(), 3);
}

TEST_F(DesignerControllerTest, SavingAndLoadingAgainGiveTheSameStream) {
    QTemporaryDir folder;
    controller->selection().selectOnly(first);
    drag(topLeft(*first) + QPoint(6, 6), topLeft(*first) + QPoint(36, 16));
    controller->createComponent("TppLabel", QPoint(200, 5));
    TppReportTemplate& reportTemplate = ReportTemplate(*report);
    reportTemplate.SetFileName(folder.filePath("first.rtm"));
    reportTemplate.SaveToFile();
    const QByteArray saved = WriteComponents({report}, &form);
    reportTemplate.LoadFromFile();
    controller->layoutReplaced();
    EXPECT_EQ(WriteComponents({report}, &form), saved);
    auto* moved = dynamic_cast<TppComponent*>(form.FindComponent("ppLabel1"));
    ASSERT_TRUE(moved);
    EXPECT_EQ(px(moved->mmLeft()), 40);
    EXPECT_TRUE(form.FindComponent("ppLabel4"));
}

} // namespace
