#include "TppAutoSearchDialog.h"

#include "AutoSearchMessages.h"
#include "TppAutoSearchField.h"
#include "TppAutoSearchGroups.h"
#include "TppAutoSearchPanel.h"
#include "TppResourceManager.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kMinimumClientWidth = 438;

} // namespace

TppAutoSearchDialog::TppAutoSearchDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    scriptForm_.follow(*this);
}

QWidget* TppAutoSearchDialog::scrollingArea(QWidget* parent, const QList<TppAutoSearchField*>& fields) {
    auto* area = new QScrollArea(parent);
    area->setWidgetResizable(true);
    auto* content = new QWidget(area);
    auto* stack = new QVBoxLayout(content);
    const bool onTab = parent != this;
    QList<TppAutoSearchPanel*> placed;
    for (TppAutoSearchField* field : fields) {
        const bool first = placed.isEmpty();
        TppAutoSearchPanel* panel = CreatePanel ? CreatePanel(*field, first, content) : nullptr;
        if (!panel)
            panel = createAutoSearchPanel(*field, first, content);
        // On tabs the panels are borderless, separated by a rule below all but the last.
        panel->setFrameShape(onTab ? QFrame::NoFrame : QFrame::StyledPanel);
        if (onTab && !placed.isEmpty()) {
            auto* rule = new QFrame(content);
            rule->setFrameShape(QFrame::HLine);
            stack->addWidget(rule);
        }
        stack->addWidget(panel);
        placed << panel;
        if (OnPanelCreated)
            OnPanelCreated(*panel);
    }
    stack->addStretch();
    area->setWidget(content);
    panels_ << placed;
    tabPanels_ << placed;
    return area;
}

void TppAutoSearchDialog::Init() {
    setWindowTitle(LanguageString(AutoSearchMessage::Caption));
    auto* layout = new QVBoxLayout(this);
    const std::vector<TppAutoSearchGroup*> groups =
        Groups ? Groups->ByTabOrder() : std::vector<TppAutoSearchGroup*>();
    QList<TppAutoSearchField*> all;
    for (const TppAutoSearchGroup* group : groups)
        all << group->Fields;
    if (groups.size() < 2) {
        layout->addWidget(scrollingArea(this, all), 1);
    } else {
        tabs_ = new QTabWidget(this);
        for (const TppAutoSearchGroup* group : groups)
            tabs_->addTab(scrollingArea(tabs_, group->Fields), group->Description);
        layout->addWidget(tabs_, 1);
    }

    auto* bottom = new QHBoxLayout();
    const bool anyMandatory =
        std::any_of(all.begin(), all.end(), [](const TppAutoSearchField* f) { return f->Mandatory(); });
    if (anyMandatory) {
        auto* bullet = new QLabel(QStringLiteral("\u25CF"), this);
        legend_ = new QLabel(LanguageString(AutoSearchMessage::MandatoryLegend), this);
        bottom->addWidget(bullet);
        bottom->addWidget(legend_);
    }
    bottom->addStretch();
    ok_ = new QPushButton(LanguageString(kMsgOK), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(LanguageString(kMsgCancel), this);
    bottom->addWidget(ok_);
    bottom->addWidget(cancel_);
    layout->addLayout(bottom);
    connect(ok_, &QPushButton::clicked, this, [this] { ConfirmValues(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    int widest = kMinimumClientWidth;
    for (const TppAutoSearchPanel* panel : panels_)
        widest = std::max(widest, panel->sizeHint().width());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().height() * 3 / 4 : 600;
    resize(widest + 40, std::min(sizeHint().height(), available));
}

void TppAutoSearchDialog::ConfirmValues() {
    int firstFailing = -1;
    for (int tab = 0; tab < tabPanels_.size(); ++tab) {
        bool passed = true;
        // Every panel is stored, also after a failure, so that each one shows its marker.
        for (TppAutoSearchPanel* panel : tabPanels_[tab])
            passed = panel->Store() && passed;
        if (tabs_)
            tabs_->setTabIcon(tab, passed ? QIcon() : style()->standardIcon(QStyle::SP_MessageBoxCritical));
        if (!passed && firstFailing < 0)
            firstFailing = tab;
    }
    if (firstFailing < 0) {
        accept();
        return;
    }
    if (tabs_)
        tabs_->setCurrentIndex(firstFailing);
}

void TppAutoSearchDialog::Show() {
    show();
}

bool TppAutoSearchDialog::ShowModal() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    const bool accepted = exec() == QDialog::Accepted;
    // Outside the dialog's event loop, so that what the handlers raise reaches the report's caller.
    if (OnClose)
        OnClose();
    return accepted;
}

void TppAutoSearchDialog::Close() {
    if (isVisible())
        reject();
}
