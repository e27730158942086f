#pragma once

#include "BarCodeEncoding.h"
#include "BarCodeSettings.h"

BarCodeEncoding encodeCodabar(const BarCodeSettings& settings);
