#pragma once

#include "TppCustomTemplateErrorDialog.h"

#include <QDialog>

class QLabel;
class QPushButton;

// Asks, while a template is read, whether to go past an error: Ignore (the
// default button), Cancel, or Ignore All. Closing the window cancels.
class TppTemplateErrorDialog : public QDialog, public TppCustomTemplateErrorDialog {
public:
    explicit TppTemplateErrorDialog(QWidget* parent = nullptr);

    void Show() override;
    bool ShowModal() override;
    void Close() override;

    QPushButton* IgnoreButton() const { return ignore_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* IgnoreAllButton() const { return ignoreAll_; }

private:
    // Message is set after construction.
    void takeSettings();
    void answer(ErrorResult result);

    QLabel* message_;
    QPushButton* ignore_;
    QPushButton* cancel_;
    QPushButton* ignoreAll_;
};
