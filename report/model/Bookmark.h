#pragma once

#include <QtGlobal>

// A position in a record source that stays valid while its record exists.
// Pipelines hand them out and take them back; datasets give them meaning.
struct Bookmark {
    qint64 id = -1;
    bool isValid() const { return id >= 0; }
    friend bool operator==(const Bookmark&, const Bookmark&) = default;
};
