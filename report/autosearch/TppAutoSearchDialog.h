#pragma once

#include "TppCustomAutoSearchDialog.h"
#include "TraWindowObjects.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;
class TppAutoSearchField;
class TppAutoSearchPanel;

// The standard search dialog: the report's criteria, one panel each, on one
// scrolling area or, with several groups, on a tab per group in tab order.
// OK checks and stores every panel (so that each one that fails shows why),
// marks the tabs that hold a failure and closes only when all pass.
class TppAutoSearchDialog : public QDialog, public TppCustomAutoSearchDialog {
public:
    explicit TppAutoSearchDialog(QWidget* parent = nullptr);

    void Init() override;
    void Show() override;
    bool ShowModal() override;
    void Close() override;

    // An application's own panel for a criterion; none or a null answer gives the standard one.
    std::function<TppAutoSearchPanel*(TppAutoSearchField&, bool first, QWidget* parent)> CreatePanel;
    // Sees each panel once it is made.
    std::function<void(TppAutoSearchPanel&)> OnPanelCreated;

    const QList<TppAutoSearchPanel*>& Panels() const { return panels_; }
    QTabWidget* Tabs() const { return tabs_; }
    QLabel* MandatoryLegend() const { return legend_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    // What the report's scripts see of this dialog as its AutoSearchDialog.
    TraForm& ScriptForm() { return scriptForm_; }

    // Checks and stores every panel; closes with OK when all pass.
    void ConfirmValues();

private:
    QWidget* scrollingArea(QWidget* parent, const QList<TppAutoSearchField*>& fields);

    QList<TppAutoSearchPanel*> panels_;
    QList<QList<TppAutoSearchPanel*>> tabPanels_;
    QTabWidget* tabs_ = nullptr;
    QLabel* legend_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    TraForm scriptForm_;
};
