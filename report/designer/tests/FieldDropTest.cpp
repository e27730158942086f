#include "DesignerFixture.h"
#include "FakeTextMeasurer.h"
#include "ScheduleData.h"
#include "ScriptedDialogs.h"

#include "DesignWorkspace.h"
#include "TppAutoLayoutManager.h"
#include "TppDBImage.h"
#include "TppDBMemo.h"
#include "TppDBText.h"
#include "TppDataTreeWindow.h"
#include "TppDesignerWindow.h"
#include "TppShape.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Every character 10 pixels wide, every line 20 high.
class FieldDropTest : public ::testing::Test, public DesignerFixture {
protected:
    FieldDropTest() { pipeline = data.pipeline(form); }

    QList<TppComponent*> drop(QPoint point, const QStringList& fields) {
        QList<DraggedField> dragged;
        for (const QString& field : fields)
            dragged << DraggedField{"plCustomers", field};
        return manager.dropFields(*controller, point, dragged, measurer);
    }
    PixelBox box(const TppComponent* component) const {
        PixelBox inBand = controller->boxOf(*component);
        inBand.top -= controller->layout().areaTop(controller->bandIndex(component->Band()));
        return inBand;
    }

    ScheduleData data;
    TppDBPipeline* pipeline = nullptr;
    FakeTextMeasurer measurer;
    TppAutoLayoutManager manager;
};

TEST_F(FieldDropTest, ThreeFieldsGiveThreeBoldLabelsOverThreeControlsOfTheirTypeInOneUndoableStep) {
    const int before = header->ObjectCount();
    const QList<TppComponent*> made = drop({10, 8}, {"Country", "Amount", "Notes"});
    ASSERT_EQ(made.size(), 6);
    ASSERT_EQ(header->ObjectCount(), before + 6);
    auto* label = dynamic_cast<TppLabel*>(made.at(0));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Caption(), "Country");
    EXPECT_TRUE(label->Font().style & TppFont::fsBold);
    EXPECT_EQ(label->Font().size, 12);
    auto* text = dynamic_cast<TppDBText*>(made.at(1));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->DataField(), "Country");
    EXPECT_EQ(text->DataPipeline(), pipeline);
    EXPECT_TRUE(dynamic_cast<TppDBText*>(made.at(3)));
    auto* memo = dynamic_cast<TppDBMemo*>(made.at(5));
    ASSERT_TRUE(memo) << "a memo field gives a memo";
    EXPECT_EQ(box(memo).width, 150);
    EXPECT_EQ(box(memo).height, 50);
    // Country: its field 10 characters of 10 pixels + 4 is wider than its label.
    EXPECT_EQ(box(made.at(0)), (PixelBox{10, 8, 104, 20}));
    EXPECT_EQ(box(made.at(1)), (PixelBox{10, 33, 104, 20})) << "5 pixels below the label";
    EXPECT_EQ(box(made.at(2)).left, 118);
    EXPECT_EQ(box(made.at(2)).width, box(made.at(3)).width) << "each pair equally wide";
    EXPECT_EQ(controller->selection().count(), 6) << "what was made is selected";

    controller->undoStack().undo();
    EXPECT_EQ(header->ObjectCount(), before) << "one undo takes the whole drop back";
    controller->undoStack().redo();
    EXPECT_EQ(header->ObjectCount(), before + 6);
}

TEST_F(FieldDropTest, ControlsWithoutRoomBelowTheLabelsGoToTheTopOfTheNextBand) {
    // The detail band is 40 high: labels at 18 end at 38, past 40 - (16 + 3).
    const int detailTop = controller->layout().areaTop(1);
    const QList<TppComponent*> made = drop({10, detailTop + 18}, {"Country", "Amount"});
    ASSERT_EQ(made.size(), 4);
    EXPECT_EQ(made.at(0)->Band(), detail) << "the labels stay";
    EXPECT_EQ(made.at(1)->Band(), footer);
    EXPECT_EQ(box(made.at(1)).top, 2);
    EXPECT_EQ(made.at(3)->Band(), footer);
}

TEST_F(FieldDropTest, FieldsAloneStartAtTheDropPointAndAPictureGivesAStretchedImage) {
    manager.create = TppAutoLayoutManager::Create::Fields;
    manager.fieldGrid = true;
    const QList<TppComponent*> made = drop({30, 12}, {"Photo"});
    ASSERT_EQ(made.size(), 2);
    auto* image = dynamic_cast<TppDBImage*>(made.at(0));
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->Stretch());
    EXPECT_EQ(box(image), (PixelBox{30, 12, 50, 50}));
    ASSERT_TRUE(dynamic_cast<TppShape*>(made.at(1)));
    EXPECT_EQ(box(made.at(1)), (PixelBox{28, 10, 54, 54}));
    EXPECT_EQ(made.at(1)->HolderIndex(), 0) << "the border is behind everything";

    EXPECT_TRUE(drop({30, controller->layout().height() + 5}, {"Photo"}).isEmpty()) << "no band down there";
}

TEST_F(FieldDropTest, AVerticalDropPutsEachFieldBesideItsLabelLeftJustified) {
    manager.style = TppAutoLayoutManager::Style::Vertical;
    ASSERT_EQ(pipeline->GetFieldAlignment("Amount"), taRightJustify) << "numbers are right-justified";
    const QList<TppComponent*> made = drop({10, 8}, {"Country", "Amount"});
    ASSERT_EQ(made.size(), 4);
    // Labels as wide as "Country" (74); fields 4 to the right of them, rows 4 apart.
    EXPECT_EQ(box(made.at(0)), (PixelBox{10, 8, 74, 20}));
    EXPECT_EQ(box(made.at(1)), (PixelBox{88, 8, 104, 20}));
    EXPECT_EQ(box(made.at(2)), (PixelBox{10, 32, 74, 20}));
    EXPECT_EQ(box(made.at(3)), (PixelBox{88, 32, 84, 20}));
    EXPECT_EQ(dynamic_cast<TppDBText*>(made.at(3))->Alignment(), taLeftJustify);
    EXPECT_EQ(dynamic_cast<TppLabel*>(made.at(2))->Alignment(), taLeftJustify);
}

TEST_F(FieldDropTest, TheDataTreeDragsFieldsThatTheWorkspaceTakesAsADrop) {
    ScriptedDialogs dialogs;
    TppDesignerWindow window(*report, dialogs);
    window.setTextMeasurer(measurer);
    window.resize(1000, 700);
    window.show();
    QTreeWidget& tree = window.dataTree().fieldTree();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* customers = tree.topLevelItem(0);
    EXPECT_EQ(customers->text(0), "Customers");
    ASSERT_EQ(customers->childCount(), 4);
    const QModelIndex country = tree.model()->index(0, 0, tree.model()->index(0, 0));
    const QModelIndex amount = tree.model()->index(1, 0, tree.model()->index(0, 0));
    std::unique_ptr<QMimeData> data(tree.model()->mimeData({country, amount}));
    ASSERT_TRUE(data);
    EXPECT_EQ(draggedFields(data.get()),
              (QList<DraggedField>{{"plCustomers", "Country"}, {"plCustomers", "Amount"}}));

    DesignWorkspace& workspace = window.workspace();
    const QPointF at = workspace.toWidget(QPoint(10, 8));
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&workspace, &enter);
    EXPECT_TRUE(enter.isAccepted());
    const int before = header->ObjectCount();
    QDropEvent dropped(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&workspace, &dropped);
    EXPECT_EQ(header->ObjectCount(), before + 4);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();

    QMimeData text;
    text.setText("Country");
    QDragEnterEvent other(at.toPoint(), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&workspace, &other);
    EXPECT_FALSE(other.isAccepted()) << "only fields from the data tree are taken";
}

} // namespace
