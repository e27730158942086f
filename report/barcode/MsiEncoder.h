#pragma once

#include "BarCodeEncoding.h"
#include "BarCodeSettings.h"

BarCodeEncoding encodeMsi(const BarCodeSettings& settings);
