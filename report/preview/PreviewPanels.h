#pragma once

#include <QMutex>
#include <functional>

class QStatusBar;
class QWidget;
class TppCustomPreview;

// The one preview panel class of the process: the preview window and the
// designer's preview page both create the registered one inside their own
// controls, so an application can put its own panel in both places.
class PreviewPanels {
public:
    using Factory = std::function<TppCustomPreview*(QWidget* parent, QStatusBar* statusBar)>;

    static PreviewPanels& instance();

    // None puts the standard panel back.
    void Register(Factory factory);
    TppCustomPreview* Create(QWidget* parent, QStatusBar* statusBar) const;

private:
    mutable QMutex mutex_;
    Factory factory_;
};
