#pragma once

#include "BarCodeEncoding.h"
#include "BarCodeSettings.h"

BarCodeEncoding encodeFim(const BarCodeSettings& settings);
