#include "PreviewPanels.h"

#include "TppPreview.h"

PreviewPanels& PreviewPanels::instance() {
    static PreviewPanels panels;
    return panels;
}

void PreviewPanels::Register(Factory factory) {
    QMutexLocker lock(&mutex_);
    factory_ = std::move(factory);
}

TppCustomPreview* PreviewPanels::Create(QWidget* parent, QStatusBar* statusBar) const {
    Factory factory;
    {
        QMutexLocker lock(&mutex_);
        factory = factory_;
    }
    return factory ? factory(parent, statusBar) : new TppPreview(parent, statusBar);
}
