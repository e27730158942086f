#pragma once

#include <cstdint>

// How wide one element of a pattern is. The pixel width of each kind depends
// on the output resolution (see BarPixelWidths), so patterns stay free of
// pixels and one encoding serves the screen and the printer alike.
enum class BarWidthKind : std::uint8_t {
    Narrow,       // one module; every element of the module-based symbologies
    Wide,         // WideBarRatio modules (Interleaved 2 of 5, Code 39, Codabar)
    CharacterGap, // two modules between Code 39 characters
    PostNetGap    // 1.375 bars between PostNet bars
};

// One bar or space. PostNet half bars are 40 % high and share the baseline.
struct BarElement {
    bool isBar = false;
    BarWidthKind width = BarWidthKind::Narrow;
    bool halfHeight = false;

    friend bool operator==(const BarElement&, const BarElement&) = default;
};
