#include "TppPreviewFormSettings.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"

#include <algorithm>

const ClassInfo& TppPreviewFormSettings::staticClassInfo() {
    static const ClassInfo info = describeClass<TppPreviewFormSettings>(
        "TppPreviewFormSettings", &Persistent::staticClassInfo(), [](auto& c) {
            using S = TppPreviewFormSettings;
            c.property("WindowState", &S::WindowState, &S::SetWindowState)
                .names(enumerationNames("TppWindowState"))
                .withDefault(wsNormal);
            c.property("ZoomPercentage", &S::ZoomPercentage, &S::SetZoomPercentage).withDefault(100);
            c.property("ZoomSetting", &S::ZoomSetting, &S::SetZoomSetting)
                .names(enumerationNames("TppZoomSettingType"))
                .withDefault(zsWholePage);
        });
    return info;
}

void TppPreviewFormSettings::SetWindowState(TppWindowState value) {
    windowState_ = value;
    changed();
}

void TppPreviewFormSettings::SetZoomSetting(TppZoomSettingType value) {
    zoomSetting_ = value;
    changed();
}

void TppPreviewFormSettings::SetZoomPercentage(int value) {
    zoomPercentage_ = std::clamp(value, 25, 250);
    zoomSetting_ = zsPercentage;
    changed();
}

void TppPreviewFormSettings::Assign(const TppPreviewFormSettings& source) {
    windowState_ = source.windowState_;
    zoomSetting_ = source.zoomSetting_;
    zoomPercentage_ = source.zoomPercentage_;
    changed();
}

void TppPreviewFormSettings::changed() {
    if (OnChange)
        OnChange();
}
