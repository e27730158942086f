#pragma once

#include "WeakReference.h"

#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

class Persistent;
class TppCommunicator;

// The objects a module's scripts created ("TStringList.Create") and own. Only
// these may be freed by a script; report objects belong to their report. A
// freed object is kept aside until the module goes, so that a variable that
// still holds it meets a clear error instead of freed memory.
class TraScriptObjects {
public:
    TraScriptObjects();
    ~TraScriptObjects();
    TraScriptObjects(const TraScriptObjects&) = delete;
    TraScriptObjects& operator=(const TraScriptObjects&) = delete;

    Persistent* adopt(std::unique_ptr<Persistent> object);
    bool owns(const Persistent* object) const { return live_.contains(object); }
    // False when the scripts do not own `object` (a report object, or one freed already).
    bool release(Persistent* object);
    bool isFreed(const Persistent* object) const { return !freed_.empty() && freed_.contains(object); }

    // What a report object hands out as an object of its own (a memo's Lines):
    // made by `make` on the first read, the same object while the owner
    // lives, never the scripts' to free. It stays until the module goes, so a
    // variable that outlives the owner still holds an object.
    Persistent* held(TppCommunicator& owner, const char* member,
                     const std::function<std::unique_ptr<Persistent>()>& make);

private:
    struct Held {
        WeakReference<TppCommunicator> owner;
        const char* member;
        Persistent* object;
    };

    std::vector<std::unique_ptr<Persistent>> objects_;
    std::vector<Held> held_;
    std::unordered_set<const Persistent*> live_;
    std::unordered_set<const Persistent*> freed_;
};
