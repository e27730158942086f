#include "ReportTabs.h"

#include "DesignerController.h"
#include "LanguageStringNumbers.h"
#include "TppBand.h"
#include "TppChildReport.h"
#include "TppCustomReport.h"
#include "TppResourceManager.h"
#include "TppSubReport.h"

#include <algorithm>

namespace {

void addChildTabs(const TppCustomReport& report, QList<ReportTab>& tabs) {
    for (const TppBand* band : report.Bands())
        for (TppComponent* component : band->Objects()) {
            auto* subReport = dynamic_cast<TppSubReport*>(component);
            TppChildReport* child = subReport ? subReport->ChildReportIfAny() : nullptr;
            if (!child)
                continue;
            tabs << ReportTab{child,
                              subReport->UserName().isEmpty() ? subReport->Name() : subReport->UserName()};
            addChildTabs(*child, tabs);
        }
}

} // namespace

QList<ReportTab> reportTabsOf(TppCustomReport& main) {
    QList<ReportTab> tabs{{&main, LanguageString(kMsgMainReport)}};
    addChildTabs(main, tabs);
    return tabs;
}

ReportTabs::ReportTabs(DesignerController& designer, QWidget* parent) : QTabBar(parent), designer_(designer) {
    setObjectName(QStringLiteral("ReportTabs"));
    setDrawBase(false);
    setExpanding(false);
    connect(this, &QTabBar::currentChanged, this, &ReportTabs::tabChosen);
    // Every edit is a step on the stack, and some (a paste) change nothing else the controller says.
    connect(&designer_, &DesignerController::changed, this, &ReportTabs::refresh);
    connect(&designer_.undoStack(), &QUndoStack::indexChanged, this, &ReportTabs::refresh);
    connect(&designer_, &DesignerController::reportChanged, this, [this] {
        refresh();
        emit reportSelected(&designer_.report());
    });
    refresh();
}

int ReportTabs::indexOf(const TppCustomReport* report) const {
    for (qsizetype index = 0; index < tabs_.size(); ++index)
        if (tabs_.at(index).report == report)
            return int(index);
    return -1;
}

void ReportTabs::refresh() {
    const QList<ReportTab> tabs = reportTabsOf(designer_.mainReport());
    filling_ = true;
    if (tabs != tabs_) {
        tabs_ = tabs;
        alive_.clear();
        while (count() > 0)
            removeTab(count() - 1);
        for (const ReportTab& tab : tabs_) {
            addTab(tab.caption);
            WeakReference<TppCustomReport> alive;
            alive.reset(tab.report);
            alive_.append(alive);
        }
    }
    setCurrentIndex(std::max(0, indexOf(&designer_.report())));
    filling_ = false;
}

void ReportTabs::tabChosen(int index) {
    if (filling_ || index < 0 || index >= alive_.size())
        return;
    TppCustomReport* report = alive_.at(index).get();
    if (!report)
        return;
    try {
        designer_.designReport(*report);
    } catch (const std::exception& error) {
        // Nothing thrown may cross the event loop.
        if (designer_.onError)
            designer_.onError(QString::fromUtf8(error.what()));
    }
}
