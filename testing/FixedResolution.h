#pragma once

// Tests convert and draw at a known pixel size with the model's FixedResolution.
#include "Units.h"
