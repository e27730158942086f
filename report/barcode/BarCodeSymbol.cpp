#include "BarCodeSymbol.h"

#include "BarCodeEncoder.h"
#include "BarCodeFontFit.h"
#include "TextMeasurer.h"
#include "TppDrawBarCode.h"

#include <algorithm>

namespace {

Qt::Alignment textAlignmentOf(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

BarCodeEncoding encodingOf(const TppDrawBarCode& command) {
    BarCodeSettings settings;
    settings.type = command.BarCodeType;
    settings.data = command.Data;
    settings.addOnCode = command.AddOnCode;
    settings.autoEncode = command.AutoEncode;
    settings.calcCheckDigit = command.CalcCheckDigit;
    BarCodeEncoding encoding = encodeBarCode(settings);
    // The component found the data refused when it made the command.
    if (!command.CodeOK)
        encoding.ok = false;
    return encoding;
}

} // namespace

Axis barCodeAxis(TppBarCodeOrientation orientation) {
    return orientation == orTopToBottom || orientation == orBottomToTop ? Axis::Vertical : Axis::Horizontal;
}

double barWidthInches(int mmBarWidth) {
    // The factor every stored length is converted with.
    return mmBarWidth / 1000.0 * 0.03937;
}

BarCodeSymbol layOutBarCodeCommand(const TppDrawBarCode& command, int pixelsPerInch, int height,
                                   const TextMeasurer& measurer) {
    BarCodeSymbol symbol;
    symbol.encoding = encodingOf(command);
    symbol.font = command.Font;

    BarCodeLayoutOptions options;
    options.pixelsPerInch = pixelsPerInch;
    options.barWidthInches = barWidthInches(command.BarWidth);
    // A wide element narrower than a narrow one would read as another symbol.
    options.wideBarRatio = std::max(1.0, double(command.WideBarRatio));
    options.orientation = command.Orientation;
    options.bearerBars = command.BearerBars;
    options.autoSize = command.AutoSize;
    options.height = height;
    options.alignment = textAlignmentOf(command.Alignment);
    const bool hasText = command.PrintHumanReadable && command.BarCodeType != bcFIM;
    const auto textLineOf = [&](const TppFont& font) { return measurer.metrics(font, pixelsPerInch).height; };
    options.textLineHeight = hasText ? textLineOf(symbol.font) : 0;
    symbol.layout = layOutBarCode(symbol.encoding, options);

    if (!hasText || !command.AutoSizeFont)
        return symbol;
    TppFont trial = symbol.font;
    const TextWidthMeasure textWidth = [&](int pointSize, const QString& text) {
        trial.size = pointSize;
        return measurer.width(trial, pixelsPerInch, text);
    };
    const std::optional<int> fitted =
        fitHumanReadablePointSize(command.BarCodeType, symbol.layout, pixelsPerInch,
                                  screenResolution().pixelsPerInch(Axis::Vertical), textWidth);
    if (!fitted || *fitted == symbol.font.size)
        return symbol;
    symbol.font.size = *fitted;
    // The bars keep their height with AutoSize; a fixed height gives the
    // new text line's difference to the bars.
    options.textLineHeight = textLineOf(symbol.font);
    symbol.layout = layOutBarCode(symbol.encoding, options);
    return symbol;
}
