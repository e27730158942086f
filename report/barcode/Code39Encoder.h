#pragma once

#include "BarCodeEncoding.h"
#include "BarCodeSettings.h"

BarCodeEncoding encodeCode39(const BarCodeSettings& settings);
