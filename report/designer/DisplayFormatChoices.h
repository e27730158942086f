#pragma once

#include "TppTypes.h"

#include <QStringList>
#include <functional>

class TppComponent;

// The type of the values a component formats: a variable's own, a data
// calculation's result, else the type of the field it shows; text when
// there is nothing to tell.
TppDataType displayedDataType(const TppComponent& component);

// The display formats offered for the component: the engine's ready-made
// pictures for its data type, which `adjust` (the application's say, when
// set) may change.
using DisplayFormatsHook = std::function<void(TppComponent*, TppDataType, QStringList&)>;
QStringList displayFormatChoices(TppComponent& component, const DisplayFormatsHook& adjust);
