#include "EditMask.h"

#include <gtest/gtest.h>

namespace {

struct MaskCase {
    const char* name;
    const char* mask;
    const char* value;
    const char* expected;
};

const MaskCase kMasks[] = {
    {"literals inserted", "(999)000-0000;0;_", "5551234567", "(555)123-4567"},
    {"literals typed with the value", "(999)000-0000;1;_", "(555)123-4567", "(555)123-4567"},
    {"literals missing from a value that should have them", "00/00", "1234", "12/34"},
    {"short value leaves blanks", "000-000;0", "12", "12 -   "},
    {"long value is cut", "00;0", "12345", "12"},
    {"upper and lower case", ">L<ll;0", "aBC", "Abc"},
    {"case as typed again", ">L<>ll;0", "aBc", "ABc"},
    {"escaped picture character", "\\A00;0", "12", "A12"},
    {"separators come from the settings", "00/00/00 00:00;0", "0102031230", "01-02-03 12.30"},
    {"underscore is a blank", "00_00;0", "1234", "12 34"},
    {"filled from the right", "!000;0", "7", "  7"},
    {"empty mask leaves the value", "", "abc", "abc"},
};

TEST(EditMask, LaysValuesIntoMasks) {
    FormatSettings settings = FormatSettings::invariant();
    settings.dateSeparator = u'-';
    settings.timeSeparator = u'.';
    for (const MaskCase& c : kMasks) {
        const FormatSettings& used =
            QByteArray(c.name).contains("settings") ? settings : FormatSettings::invariant();
        EXPECT_EQ(
            formatMaskText(QString::fromLatin1(c.mask), QString::fromLatin1(c.value), used).toStdString(),
            c.expected)
            << c.name;
    }
}

} // namespace
