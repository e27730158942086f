#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

// GoogleTest names for the rows of a parameterised table: a row's `name` ("two decimals with
// thousands") as an identifier ("TwoDecimalsWithThousands"), so that a failing row says which
// one it is.
struct RowName {
    template <class Row> std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return identifier(info.param.name);
    }

    static std::string identifier(const std::string& text) {
        std::string name;
        bool upper = true;
        for (const char c : text) {
            if (std::isalnum(static_cast<unsigned char>(c))) {
                name += upper ? char(std::toupper(static_cast<unsigned char>(c))) : c;
                upper = false;
            } else {
                upper = true;
            }
        }
        return name.empty() ? std::string("Unnamed") : name;
    }
};

// Names for the two rows of a yes-or-no parameter.
inline auto yesOrNo(const char* yes, const char* no) {
    return [yes, no](const testing::TestParamInfo<bool>& info) { return std::string(info.param ? yes : no); };
}
