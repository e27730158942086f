#include "TraScriptObjects.h"

#include "Persistent.h"

TraScriptObjects::TraScriptObjects() = default;

// Lists the scripts made may point at each other: every one goes at once.
TraScriptObjects::~TraScriptObjects() = default;

Persistent* TraScriptObjects::adopt(std::unique_ptr<Persistent> object) {
    Persistent* adopted = object.get();
    objects_.push_back(std::move(object));
    live_.insert(adopted);
    return adopted;
}

bool TraScriptObjects::release(Persistent* object) {
    if (!live_.erase(object))
        return false;
    freed_.insert(object);
    return true;
}
