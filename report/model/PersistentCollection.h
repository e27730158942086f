#pragma once

#include "Persistent.h"

// A property that holds a list of items of one class (outline node
// settings, column definitions). Templates write each item's properties
// and recreate the items with add() when reading.
class PersistentCollection : public Persistent {
public:
    virtual int count() const = 0;
    virtual Persistent* item(int index) = 0;
    // Appends a new item at its defaults.
    virtual Persistent* add() = 0;
    virtual void clear() = 0;
};
