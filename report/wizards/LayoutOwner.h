#pragma once

#include "ComponentNames.h"
#include "TppCustomReport.h"

// What the wizards add to a report belongs where a template puts it: to the
// report's owner (the form), or to the report when it has none. Each gets
// the name the designer would give it ("ppLabel3", user name "Label3").
inline OwnedComponent* layoutOwner(TppCustomReport& report) {
    return report.Owner() ? report.Owner() : &report;
}

template <class Component> Component* newLayoutObject(TppCustomReport& report) {
    OwnedComponent* owner = layoutOwner(report);
    auto* object = new Component(owner);
    object->SetName(UniqueComponentName(owner, ClassNameWithoutT(*object), object));
    object->SetUserName(object->Name().mid(2));
    return object;
}
