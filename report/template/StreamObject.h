#pragma once

#include "StreamValue.h"

// One object of a component stream: its header, its properties in stored
// order and the objects written inside it.
struct StreamObject {
    unsigned flags = 0;        // ObjectFlag bits
    StreamValue childPosition; // an integer, when flags hold ofChildPosition
    QByteArray className;
    QByteArray name; // may be empty
    QString place;   // where its header was read, as for properties
    std::vector<StreamProperty> properties;
    std::vector<StreamObject> children;
};
