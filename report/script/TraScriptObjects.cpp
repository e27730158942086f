#include "TraScriptObjects.h"

#include "Persistent.h"
#include "TppCommunicator.h"

#include <cstring>

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

Persistent* TraScriptObjects::held(TppCommunicator& owner, const char* member,
                                   const std::function<std::unique_ptr<Persistent>()>& make) {
    // An entry whose owner is gone never matches again: its address may come back as another object.
    std::erase_if(held_, [](const Held& entry) { return !entry.owner.get(); });
    for (const Held& entry : held_)
        if (entry.owner.get() == &owner && std::strcmp(entry.member, member) == 0)
            return entry.object;
    std::unique_ptr<Persistent> made = make();
    if (!made)
        return nullptr;
    Held entry{{}, member, made.get()};
    entry.owner.reset(&owner);
    held_.push_back(entry);
    objects_.push_back(std::move(made));
    return entry.object;
}
