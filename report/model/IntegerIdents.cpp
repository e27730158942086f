#include "IntegerIdents.h"

IntegerIdents::IntegerIdents(std::initializer_list<std::pair<int, const char*>> entries) {
    for (const auto& [value, name] : entries)
        entries_.append({value, QString::fromLatin1(name)});
}

std::optional<QString> IntegerIdents::nameOf(int value) const {
    for (const auto& [candidate, name] : entries_)
        if (candidate == value)
            return name;
    return std::nullopt;
}

std::optional<int> IntegerIdents::valueOf(const QString& name) const {
    for (const auto& [value, candidate] : entries_)
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return std::nullopt;
}

namespace {

constexpr int systemColor(int index) {
    return int(0xFF000000u + unsigned(index));
}

} // namespace

const IntegerIdents& colorIdents() {
    static const IntegerIdents idents = {
        {0x000000, "clBlack"},
        {0x000080, "clMaroon"},
        {0x008000, "clGreen"},
        {0x008080, "clOlive"},
        {0x800000, "clNavy"},
        {0x800080, "clPurple"},
        {0x808000, "clTeal"},
        {0x808080, "clGray"},
        {0xC0C0C0, "clSilver"},
        {0x0000FF, "clRed"},
        {0x00FF00, "clLime"},
        {0x00FFFF, "clYellow"},
        {0xFF0000, "clBlue"},
        {0xFF00FF, "clFuchsia"},
        {0xFFFF00, "clAqua"},
        {0xFFFFFF, "clWhite"},
        {0x808080, "clDkGray"},
        {0xC0C0C0, "clLtGray"},
        {0x1FFFFFFF, "clNone"},
        {systemColor(1), "clBackground"},
        {systemColor(2), "clActiveCaption"},
        {systemColor(3), "clInactiveCaption"},
        {systemColor(4), "clMenu"},
        {systemColor(5), "clWindow"},
        {systemColor(6), "clWindowFrame"},
        {systemColor(7), "clMenuText"},
        {systemColor(8), "clWindowText"},
        {systemColor(9), "clCaptionText"},
        {systemColor(10), "clActiveBorder"},
        {systemColor(11), "clInactiveBorder"},
        {systemColor(12), "clAppWorkSpace"},
        {systemColor(13), "clHighlight"},
        // Scripts know the misspelt name; templates written elsewhere carry the right one.
        {systemColor(14), "clHighlightText"},
        {systemColor(14), "clHightlightText"},
        {systemColor(15), "clBtnFace"},
        {systemColor(16), "clBtnShadow"},
        {systemColor(17), "clGrayText"},
        {systemColor(18), "clBtnText"},
        {systemColor(19), "clInactiveCaptionText"},
        {systemColor(20), "clBtnHighlight"},
        {systemColor(21), "cl3DDkShadow"},
        {systemColor(22), "cl3DLight"},
        {systemColor(23), "clInfoText"},
        {systemColor(24), "clInfoBk"},
    };
    return idents;
}

const IntegerIdents& charsetIdents() {
    static const IntegerIdents idents = {
        {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},    {2, "SYMBOL_CHARSET"},
        {77, "MAC_CHARSET"},      {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
        {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},   {136, "CHINESEBIG5_CHARSET"},
        {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"},  {163, "VIETNAMESE_CHARSET"},
        {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},
        {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"},
        {255, "OEM_CHARSET"},
    };
    return idents;
}
