#pragma once

#include <memory>

// A reference to a report object that does not link to it, and reads as none
// once the object is destroyed. Pages and draw commands name the report,
// band and component they came from, and a whole report's pages may be kept
// (a page cache, every page collected for output): links would make each
// band's and component's link list as long as all the commands it ever drew,
// and every link, unlink and event query on it slower with each page.
// `T` is a TppCommunicator (its AliveFlag tells whether it still exists).
template <class T> class WeakReference {
public:
    T* get() const { return alive_ && *alive_ ? target_ : nullptr; }
    void reset(T* target) {
        target_ = target;
        alive_ = target ? target->AliveFlag() : nullptr;
    }

private:
    T* target_ = nullptr;
    std::shared_ptr<const bool> alive_;
};
