#pragma once

#include <cctype>
#include <string>

// A table row's name as a GoogleTest parameter name: letters, digits and
// underscores only, so a failure names the row that failed.
inline std::string caseName(const char* name) {
    std::string text;
    for (const char* c = name; *c; ++c)
        text += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return text;
}

// Printing a row prints its name instead of its bytes.
#define PW_PRINT_CASE_NAME(Case)                                                                             \
    [[maybe_unused]] void PrintTo(const Case& row, std::ostream* os) {                                       \
        *os << row.name;                                                                                     \
    }
