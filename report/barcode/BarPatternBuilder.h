#pragma once

#include "BarElement.h"

#include <string_view>
#include <vector>

// Collects a pattern from the notations symbology tables are written in.
class BarPatternBuilder {
public:
    // One narrow module per character: '1' a bar, '0' a space.
    void addModules(std::string_view modules);
    // Elements alternating bar and space, starting with a bar: '1' wide, '0'
    // narrow.
    void addWideNarrow(std::string_view elements);
    // Elements alternating bar and space by module counts ("212222"), starting
    // with a bar.
    void addModuleWidths(std::string_view widths);
    void add(BarElement element) { elements_.push_back(element); }

    std::vector<BarElement> take() { return std::move(elements_); }

private:
    std::vector<BarElement> elements_;
};
