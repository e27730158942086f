#pragma once

#include "TppCustomCancelDialog.h"
#include "TraWindowObjects.h"

#include <QDialog>
#include <QPointer>
#include <exception>

class QLabel;
class QPushButton;
class QTimer;

// The progress dialog of a print job: the device's status line and Cancel.
// Shown modally it starts the job itself, 10 ms after it appears, so that
// the job runs while the dialog is up; an error of the job comes back out of
// ShowModal once the dialog has closed, never through the event loop.
class TppCancelDialog : public QDialog, public TppCustomCancelDialog {
public:
    explicit TppCancelDialog(QWidget* parent = nullptr);
    ~TppCancelDialog() override;

    void Show() override;
    bool ShowModal() override;
    void Close() override;
    void SetStatusText(const QString& text) override;

    QLabel* MessageArea() const { return message_; }
    QPushButton* CancelButton() const { return cancel_; }
    QTimer* StartTimer() const { return startTimer_; }
    // What the report's scripts see of this dialog as its CancelDialog.
    TraForm& ScriptForm() { return scriptForm_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void start();

    QLabel* message_;
    QPushButton* cancel_;
    QTimer* startTimer_;
    bool modal_ = false;
    bool closeNotified_ = false;
    std::exception_ptr jobError_;
    // The window that was active when a modeless dialog appeared.
    QPointer<QWidget> previousActive_;
    bool wasActive_ = false;
    TraForm scriptForm_;
};
