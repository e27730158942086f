#pragma once

#include "Persistent.h"
#include "TppTypes.h"

#include <functional>

enum TppWindowState : int { wsNormal, wsMinimized, wsMaximized };

// How a report's preview window opens: its window state and the viewer's
// zoom. The report applies every change to an open preview at once.
class TppPreviewFormSettings : public Persistent {
public:
    PW_CLASS_INFO

    TppWindowState WindowState() const { return windowState_; }
    void SetWindowState(TppWindowState value);
    TppZoomSettingType ZoomSetting() const { return zoomSetting_; }
    void SetZoomSetting(TppZoomSettingType value);
    int ZoomPercentage() const { return zoomPercentage_; }
    // Kept within 25 to 250, and switches the zoom to the percentage.
    void SetZoomPercentage(int value);

    void Assign(const TppPreviewFormSettings& source);

    // The report's apply hook.
    std::function<void()> OnChange;

private:
    void changed();

    TppWindowState windowState_ = wsNormal;
    TppZoomSettingType zoomSetting_ = zsWholePage;
    int zoomPercentage_ = 100;
};
