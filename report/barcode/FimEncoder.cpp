#include "FimEncoder.h"

#include "BarCodeMessages.h"
#include "BarPatternBuilder.h"
#include "TppResourceManager.h"

BarCodeEncoding encodeFim(const BarCodeSettings& settings) {
    std::string_view positions;
    if (settings.data == u"A")
        positions = "110010011";
    else if (settings.data == u"B")
        positions = "101101101";
    else if (settings.data == u"C")
        positions = "110101011";
    else
        return BarCodeEncoding::refused(bcFIM, LanguageString(BarCodeMessage::FimChoices));

    // Each position is one module, bar or space, followed by a space module.
    BarPatternBuilder pattern;
    for (char position : positions)
        pattern.addModules(position == '1' ? "10" : "00");

    BarCodeEncoding encoding;
    encoding.type = bcFIM;
    encoding.ok = true;
    encoding.bars = pattern.take();
    return encoding;
}
