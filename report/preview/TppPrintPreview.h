#pragma once

#include "TppCustomPreviewer.h"
#include "TraWindowObjects.h"

#include <QDialog>
#include <memory>

class Prompter;
class QStatusBar;
class TppCustomPreview;
class TppProducer;
class TppViewer;

// The standard preview window: the registered preview panel above a status
// bar. It runs the report's job each time it is activated, and frees itself
// when closed, though never while a job of its own is still running below
// the close: then it goes once that job has returned.
class TppPrintPreview : public QDialog, public TppCustomPreviewer {
public:
    explicit TppPrintPreview(QWidget* parent = nullptr);
    ~TppPrintPreview() override;

    TppCustomPreview& Preview() const { return *preview_; }
    TppViewer* Viewer() const;
    QStatusBar* StatusBar() const { return statusBar_; }
    void SetErrorPrompter(Prompter* prompter);
    // What the report's scripts see of this window as its PreviewForm.
    TraForm& ScriptForm() { return scriptForm_; }

    void Show() override;
    bool ShowModal() override;
    void Close() override;
    void ApplyPreviewFormSettings(const TppPreviewFormSettings& settings) override;

    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Counts what of this window runs below the event loop (an activation's
    // job, a command), so that a close meanwhile does not free it.
    struct Busy;
    void takeReport();
    void activated();
    void freeWhenIdle();

    QStatusBar* statusBar_;
    std::unique_ptr<TppCustomPreview> preview_;
    bool modal_ = false;
    int busyDepth_ = 0;
    bool freePending_ = false;
    bool activationFailed_ = false;
    TraForm scriptForm_;
};
