#pragma once

#include <span>

// The built-in label stock, one table per label set, rows as text.
extern const std::span<const char* const> kAveryStandardLaserRows;
extern const std::span<const char* const> kAveryStandardDotMatrixRows;
extern const std::span<const char* const> kAveryA4A5LaserRows;
extern const std::span<const char* const> kAveryUKDotMatrixRows;
extern const std::span<const char* const> kAveryFranceDotMatrixRows;
