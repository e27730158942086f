#include "BarPatternBuilder.h"

void BarPatternBuilder::addModules(std::string_view modules) {
    for (char module : modules)
        elements_.push_back({module == '1', BarWidthKind::Narrow});
}

void BarPatternBuilder::addWideNarrow(std::string_view elements) {
    bool isBar = true;
    for (char element : elements) {
        elements_.push_back({isBar, element == '1' ? BarWidthKind::Wide : BarWidthKind::Narrow});
        isBar = !isBar;
    }
}

void BarPatternBuilder::addModuleWidths(std::string_view widths) {
    bool isBar = true;
    for (char width : widths) {
        for (int module = 0; module < width - '0'; ++module)
            elements_.push_back({isBar, BarWidthKind::Narrow});
        isBar = !isBar;
    }
}
