#include "TppOutlineViewer.h"

#include "LanguageStringNumbers.h"
#include "TppOutlineDrawCommand.h"
#include "TppOutlineNode.h"
#include "TppPage.h"
#include "TppResourceManager.h"
#include "TppViewer.h"

#include <QMenu>
#include <QMouseEvent>

namespace {

constexpr int kPageRole = Qt::UserRole;

void addItems(const TppOutlineNode& node, QTreeWidgetItem* parent, QTreeWidget* tree) {
    for (int i = 0; i < node.ChildCount(); ++i) {
        const TppOutlineNode* child = node.ChildNode(i);
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, child->Caption);
        item->setData(0, kPageRole, child->PageReference);
        addItems(*child, item, tree);
    }
}

QTreeWidgetItem* firstItemOfPage(QTreeWidgetItem* item, int pageNo) {
    if (TppOutlineViewer::PageOf(item) == pageNo)
        return item;
    for (int i = 0; i < item->childCount(); ++i)
        if (QTreeWidgetItem* found = firstItemOfPage(item->child(i), pageNo))
            return found;
    return nullptr;
}

} // namespace

TppOutlineViewer::TppOutlineViewer(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setExpandsOnDoubleClick(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (menu_)
            menu_->popup(viewport()->mapToGlobal(at));
    });
    setHotTracking(true);
}

TppOutlineViewer::~TppOutlineViewer() {
    ClearOutline();
}

int TppOutlineViewer::PageOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kPageRole).toInt() : 0;
}

TppViewer* TppOutlineViewer::Viewer() const {
    return viewer_;
}

void TppOutlineViewer::SetViewer(TppViewer* viewer) {
    if (viewer_ && menu_)
        offerMenu(viewer_, false);
    viewer_ = viewer;
    if (viewer_ && menu_)
        offerMenu(viewer_, true);
}

void TppOutlineViewer::setHotTracking(bool on) {
    hotTracking_ = on;
    setMouseTracking(on);
    viewport()->setAttribute(Qt::WA_Hover, on);
    setToolTipDuration(on ? -1 : 0);
}

void TppOutlineViewer::ShowPageOutline(const TppPage& page) {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (!selected.isEmpty() && PageOf(selected.first()) != page.AbsolutePageNo)
        clearSelection();
    const TppOutlineDrawCommand* command = page.FindOutlineDrawCommand();
    const TppOutlineNode* root = command ? command->Tree() : nullptr;
    if (!root)
        return;
    shownComplete_ = command->Completed;
    const int count = root->AbsoluteChildNodeCount();
    const QString more = LanguageString(kMsgOutlineMore);
    if (count > shownNodeCount_) {
        rebuild(*root);
        shownNodeCount_ = count;
        if (!shownComplete_) {
            new QTreeWidgetItem(this);
            (new QTreeWidgetItem(this))->setText(0, more);
        } else if (count == 1) {
            setHotTracking(false);
        }
        return;
    }
    if (!shownComplete_)
        return;
    if (root->ChildCount() == 0 || root->ChildNode(0)->NodeType == ntNoOutline)
        setHotTracking(false);
    // The empty item before it stays: the outline does not move under the user's eyes.
    const int last = topLevelItemCount() - 1;
    if (last >= 0 && topLevelItem(last)->text(0) == more)
        delete takeTopLevelItem(last);
}

void TppOutlineViewer::rebuild(const TppOutlineNode& root) {
    clear();
    addItems(root, nullptr, this);
    expandAll();
}

void TppOutlineViewer::ScrollToPage(int pageNo) {
    if (!selectedItems().isEmpty())
        return;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (QTreeWidgetItem* item = firstItemOfPage(topLevelItem(i), pageNo)) {
            scrollToItem(item, PositionAtTop);
            return;
        }
}

void TppOutlineViewer::ClearOutline() {
    clear();
    clearSelection();
    shownNodeCount_ = 0;
    shownComplete_ = false;
    setHotTracking(true);
    if (menu_) {
        if (viewer_)
            offerMenu(viewer_, false);
        delete std::exchange(menu_, nullptr);
    }
}

void TppOutlineViewer::SetOutlineVisible(bool visible) {
    if (settingVisible_)
        return;
    settingVisible_ = true;
    outlineVisible_ = visible;
    setVisible(visible);
    if (visible && !menu_)
        makeMenu();
    updateMenu();
    settingVisible_ = false;
}

void TppOutlineViewer::makeMenu() {
    menu_ = new QMenu(this);
    menu_->addAction(QString(), this, [this] { ToggleOutline(); });
    menu_->addAction(LanguageString(kMsgExpandOutline), this, [this] { ExpandOutline(); });
    menu_->addAction(LanguageString(kMsgCollapseOutline), this, [this] { CollapseOutline(); });
    if (viewer_)
        offerMenu(viewer_, true);
}

void TppOutlineViewer::updateMenu() {
    if (!menu_)
        return;
    const QList<QAction*> actions = menu_->actions();
    actions[0]->setText(LanguageString(outlineVisible_ ? kMsgHideOutline : kMsgShowOutline));
    actions[1]->setEnabled(outlineVisible_);
    actions[2]->setEnabled(outlineVisible_);
}

// The page viewer offers the same menu, so a hidden outline can be shown again from the page.
void TppOutlineViewer::offerMenu(QWidget* widget, bool on) {
    if (on) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this, [this, widget](const QPoint& at) {
            if (menu_)
                menu_->popup(widget->mapToGlobal(at));
        });
    } else {
        widget->setContextMenuPolicy(Qt::DefaultContextMenu);
        disconnect(widget, &QWidget::customContextMenuRequested, this, nullptr);
    }
}

void TppOutlineViewer::ExpandOutline() {
    expandAll();
}

void TppOutlineViewer::CollapseOutline() {
    const auto collapseAll = [this](QTreeWidgetItem* item, const auto& self) -> void {
        for (int i = 0; i < item->childCount(); ++i)
            self(item->child(i), self);
        collapseItem(item);
    };
    // An outline under one report entry keeps that entry open and closes what is under it.
    const bool severalTopItems = topLevelItemCount() > 1 && !topLevelItem(1)->text(0).isEmpty();
    if (severalTopItems || topLevelItemCount() == 0) {
        for (int i = 0; i < topLevelItemCount(); ++i)
            collapseAll(topLevelItem(i), collapseAll);
        return;
    }
    QTreeWidgetItem* first = topLevelItem(0);
    for (int i = 0; i < first->childCount(); ++i)
        collapseAll(first->child(i), collapseAll);
}

void TppOutlineViewer::mousePressEvent(QMouseEvent* event) {
    // Right presses open the menu only: they neither select nor toggle.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    const bool onLabel = item && visualItemRect(item).contains(event->position().toPoint());
    const int page = onLabel ? PageOf(item) : 0;
    QTreeWidget::mousePressEvent(event);
    // Showing the page may rebuild the tree: the item is not touched after this.
    if (page > 0 && viewer_)
        viewer_->ShowPage(page);
}

void TppOutlineViewer::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
