#pragma once

#include "TppTypes.h"

#include <QString>
#include <Qt>
#include <functional>

class Prompter;
class QStatusBar;
class QWidget;
class TppProducer;
class TppViewer;

// Preview commands, by the codes toolbars and menus send.
enum TppPreviewAction : int {
    paPrint = 0,
    paAutoSearch = 1,
    paWholePage = 2,
    paPageWidth = 3,
    pa100Percent = 4,
    paFirstPage = 5,
    paPriorPage = 6,
    paNextPage = 7,
    paLastPage = 8,
    paCancel = 9,
    paClose = 10
};

// What every preview panel has: a viewer in a parent control, perhaps a
// status bar, the report on show, the commands and keys. The preview
// window and the designer's preview page each create the registered panel
// inside their own controls, and free it before those controls go.
class TppCustomPreview {
public:
    TppCustomPreview(QWidget* parent, QStatusBar* statusBar);
    virtual ~TppCustomPreview();

    QWidget* Parent() const { return parent_; }
    QStatusBar* StatusBar() const { return statusBar_; }
    TppViewer* Viewer() const { return viewer_; }
    TppProducer* Report() const { return report_; }
    // Gives the viewer the report and brings the controls up to date; none
    // lets go of the report.
    virtual void SetReport(TppProducer* report);
    // The designer embeds the panel: its cancel button only cancels.
    bool Embedded = false;
    // Where an error of a command goes; none writes it to the log.
    Prompter* ErrorPrompter = nullptr;
    int LanguageIndex() const { return languageIndex_; }
    void SetLanguageIndex(int index);

    std::function<void()> OnPageChange;
    std::function<void()> BeforePreviewPrint;
    std::function<void()> AfterPreviewPrint;
    std::function<void()> OnClose;

    // Sets the viewer's zoom (the percentage only for zsPercentage) and
    // brings the zoom controls up to date.
    void SetZoom(TppZoomSettingType setting, int percentage = 100);
    // Runs a command; an error is reported, not thrown, as commands come
    // from the window system's event handlers.
    void PerformPreviewAction(int code);
    // Ctrl with Page Up/Down, Home and End turns pages; Page Up/Down and the
    // arrows scroll. True when the key was one of these.
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
    // Runs a step of a command, reporting what it throws; false when it threw.
    bool RunGuarded(const std::function<void()>& step) const;

protected:
    virtual void PageChanged();
    virtual void PrintStateChanged() {}
    virtual void StatusChanged();
    virtual void ZoomChanged() {}
    virtual void LanguageChanged() {}

private:
    void perform(int code);
    void showError(const QString& message) const;

    QWidget* parent_;
    QStatusBar* statusBar_;
    TppViewer* viewer_;
    TppProducer* report_ = nullptr;
    int languageIndex_ = 0;
};
