#pragma once

#include "TppRelative.h"

// The base of report objects whose generation state is saved per page so
// that any page can be generated again. The page state cache fills it in;
// in the model it only marks the place in the class tree.
class TppCacheable : public TppRelative {
public:
    PW_CLASS_INFO
    using TppRelative::TppRelative;
};
