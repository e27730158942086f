#pragma once

#include "TppDetailBandEngine.h"

// Records one below the other, down the page or down each column.
class TppVerticalBandEngine : public TppDetailBandEngine {
public:
    using TppDetailBandEngine::TppDetailBandEngine;
};
