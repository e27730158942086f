#pragma once

#include "BarCodeEncoding.h"
#include "BarCodeSettings.h"

BarCodeEncoding encodeInterleaved2of5(const BarCodeSettings& settings);
