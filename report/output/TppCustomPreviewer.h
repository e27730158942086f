#pragma once

#include "TppForm.h"

class TppPreviewFormSettings;

// The preview window's place in the form registry.
class TppCustomPreviewer : public TppForm {
public:
    static QString abstractName() { return QStringLiteral("TppCustomPreviewer"); }
    // The report's settings for its preview: window state and zoom.
    virtual void ApplyPreviewFormSettings(const TppPreviewFormSettings&) {}
};
