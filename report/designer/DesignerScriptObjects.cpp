#include "DesignerScriptObjects.h"

#include "DesignWorkspace.h"
#include "DesignerController.h"
#include "TppComponent.h"
#include "TppCustomReport.h"
#include "TppDesignerWindow.h"

#include <QApplication>

DesignerScriptObjects::DesignerScriptObjects(const DesignerController& controller,
                                             const DesignWorkspace& workspace)
    : controller_(controller), workspace_(workspace) {}

bool DesignerScriptObjects::drawn(const TppComponent& component) const {
    return controller_.allComponents().contains(&component);
}

TraControl* DesignerScriptObjects::designControl(const TppComponent& component) {
    return drawn(component) ? &standIn(designControls_, component) : nullptr;
}

TraControl* DesignerScriptObjects::selectionObject(const TppComponent& component) {
    return drawn(component) && controller_.selection().contains(&component)
               ? &standIn(selectionObjects_, component)
               : nullptr;
}

TraControl& DesignerScriptObjects::standIn(StandIns& standIns, const TppComponent& component) {
    std::unique_ptr<TraControl>& control = standIns[&component];
    if (!control) {
        control = std::make_unique<TraControl>();
        // A script may keep the stand-in after its component went (a delete,
        // another tab): the component is only looked at while it is drawn.
        control->bounds = [this, component = &component]() -> QRect {
            if (!drawn(*component))
                return {};
            const QRect box = controller_.boxOf(*component).rect();
            return box.translated(workspace_.toWidget(QPoint()));
        };
    }
    return *control;
}

namespace {

// The open window that designs `report`: a closed one may wait to be
// deleted after its report is gone, so only visible ones count.
TppDesignerWindow* openWindowOf(const TppReportModel* report) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<TppDesignerWindow*>(widget);
            window && window->isVisible() && &window->report() == report)
            return window;
    return nullptr;
}

// What a window hands out for one of its components; nil without one.
template <class Get> TraWindowObjects::Source componentObject(Get get) {
    return [get](Persistent& owner) -> Persistent* {
        auto* component = dynamic_cast<TppComponent*>(&owner);
        TppReportModel* report = component ? component->Report() : nullptr;
        TppDesignerWindow* window = report ? openWindowOf(report->MainReport()) : nullptr;
        return window ? get(window->scriptObjects(), *component) : nullptr;
    };
}

} // namespace

void shareDesignerWithScripts() {
    TraWindowObjects::setSource("ReportDesigner", [](Persistent& owner) -> Persistent* {
        TppDesignerWindow* window = openWindowOf(dynamic_cast<TppReportModel*>(&owner));
        return window ? &window->ScriptForm() : nullptr;
    });
    TraWindowObjects::setSource("DesignControl",
                                componentObject([](DesignerScriptObjects& objects, const TppComponent& c) {
                                    return objects.designControl(c);
                                }));
    TraWindowObjects::setSource("SelectionObject",
                                componentObject([](DesignerScriptObjects& objects, const TppComponent& c) {
                                    return objects.selectionObject(c);
                                }));
}
