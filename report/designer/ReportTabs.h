#pragma once

#include "WeakReference.h"

#include <QList>
#include <QString>
#include <QTabBar>

class DesignerController;
class TppCustomReport;

// A report the designer can show, with the caption of its tab.
struct ReportTab {
    TppCustomReport* report = nullptr;
    QString caption;
    friend bool operator==(const ReportTab&, const ReportTab&) = default;
};

// The main report ("Main"), then the child report of each subreport in band
// and drawing order, each followed by the child reports of the subreports
// inside it; a child is captioned by its subreport's user name.
QList<ReportTab> reportTabsOf(TppCustomReport& main);

// The report tab set above the workspace: one tab for the main report and
// one for each child report, kept up to date as subreports come and go.
// Choosing a tab designs that report; a report designed otherwise (an undo
// going back to where its edit was made) gets its tab chosen.
class ReportTabs : public QTabBar {
    Q_OBJECT
public:
    explicit ReportTabs(DesignerController& designer, QWidget* parent = nullptr);

    // The reports listed now, in tab order.
    const QList<ReportTab>& tabs() const { return tabs_; }
    // The tab of a report, -1 when it has none.
    int indexOf(const TppCustomReport* report) const;
    // Lists the reports again when they changed, and marks the designed one.
    void refresh();

signals:
    // Another report is designed now, whoever chose it.
    void reportSelected(TppCustomReport* report);

private:
    void tabChosen(int index);

    DesignerController& designer_;
    QList<ReportTab> tabs_;
    // Freed reports must not be designed from a stale tab.
    QList<WeakReference<TppCustomReport>> alive_;
    bool filling_ = false;
};
