#pragma once

#include <string_view>

// The bar and space widths in modules of Code 128 symbol value 0..106, bar
// first: eleven modules each, the stop pattern (106) thirteen.
std::string_view code128ModuleWidths(int value);
