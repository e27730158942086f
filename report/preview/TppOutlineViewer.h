#pragma once

#include <QPointer>
#include <QTreeWidget>

class QMenu;
class TppOutlineNode;
class TppPage;
class TppViewer;

// The outline beside the preview's page: the entries of the page's outline
// draw command as a read-only tree; pressing an entry shows its page in the
// page viewer. The tree is rebuilt only when a page brings more entries than
// it shows; until the outline is complete it ends in an empty item and
// "...more...".
class TppOutlineViewer : public QTreeWidget {
public:
    explicit TppOutlineViewer(QWidget* parent = nullptr);
    ~TppOutlineViewer() override;

    // The page viewer an entry turns; held until it goes.
    void SetViewer(TppViewer* viewer);
    TppViewer* Viewer() const;

    void ShowPageOutline(const TppPage& page);
    // Puts the first entry of the page at the top, unless an entry is selected.
    void ScrollToPage(int pageNo);
    void ClearOutline();
    // Ignored while a previous call is still running.
    void SetOutlineVisible(bool visible);
    bool OutlineVisible() const { return outlineVisible_; }
    void ToggleOutline() { SetOutlineVisible(!outlineVisible_); }
    void ExpandOutline();
    void CollapseOutline();

    int ShownNodeCount() const { return shownNodeCount_; }
    bool ShownComplete() const { return shownComplete_; }
    // Off for an outline of a single entry, which leads nowhere.
    bool HotTracking() const { return hotTracking_; }
    // The pop-up menu of the tree and the page viewer; none before the outline is first shown.
    QMenu* PopupMenu() const { return menu_; }
    // The page an item leads to; 0 for the items that close an incomplete outline.
    static int PageOf(const QTreeWidgetItem* item);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void rebuild(const TppOutlineNode& root);
    void setHotTracking(bool on);
    void makeMenu();
    void updateMenu();
    void offerMenu(QWidget* widget, bool on);

    QPointer<TppViewer> viewer_;
    QMenu* menu_ = nullptr;
    int shownNodeCount_ = 0;
    bool shownComplete_ = false;
    bool hotTracking_ = true;
    bool outlineVisible_ = false;
    bool settingVisible_ = false;
};
