#pragma once

#include "TraWindowObjects.h"

#include <map>
#include <memory>

class DesignWorkspace;
class DesignerController;
class TppComponent;

// What the report's scripts see of an open designer window besides the
// window itself: the control that draws a component on the design page
// (its DesignControl) and the handles of a selected one (its
// SelectionObject), each a stand-in that says where it is on the window.
// A component of a report on another tab is not drawn and has neither.
class DesignerScriptObjects {
public:
    DesignerScriptObjects(const DesignerController& controller, const DesignWorkspace& workspace);

    TraControl* designControl(const TppComponent& component);
    TraControl* selectionObject(const TppComponent& component);

private:
    using StandIns = std::map<const TppComponent*, std::unique_ptr<TraControl>>;
    bool drawn(const TppComponent& component) const;
    TraControl& standIn(StandIns& standIns, const TppComponent& component);

    const DesignerController& controller_;
    const DesignWorkspace& workspace_;
    StandIns designControls_;
    StandIns selectionObjects_;
};

// Makes the open designer windows answer scripts as a report's
// ReportDesigner and its components' DesignControl and SelectionObject.
void shareDesignerWithScripts();
