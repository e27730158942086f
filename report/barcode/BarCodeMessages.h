#pragma once

#include <QString>

// The numbers of the language strings that refuse a barcode's data or
// settings (identifier 43000 + n).
namespace BarCodeMessage {
enum : int {
    AddOnOnlyUpcEan = 1700,
    AddOnLength = 1701,
    PostNetAutoSize = 1702,
    UpcEanAutoSizeFont = 1703,
    BarWidthTooSmall = 1704,
    BarWidthTooLarge = 1705,
    BearerBarsOnlyInt2of5 = 1706,
    UpcALength = 1707,
    UpcALengthWithCheckDigit = 1708,
    UpcANumeric = 1709,
    UpcELength = 1710,
    UpcELengthWithCheckDigit = 1711,
    UpcENumeric = 1712,
    Ean13Length = 1713,
    Ean13LengthWithCheckDigit = 1714,
    Ean13Numeric = 1715,
    Ean8Length = 1716,
    Ean8LengthWithCheckDigit = 1717,
    Ean8Numeric = 1718,
    Int2of5Numeric = 1719,
    Int2of5EvenLength = 1720,
    Code39Characters = 1721,
    PostNetNumeric = 1722,
    PostNetLength = 1723,
    FimChoices = 1724,
    CodabarCharacters = 1725,
    CodabarStartStop = 1726,
    CodabarInnerStartStop = 1727,
    CodabarInnerStartStopReason = 1728,
    MsiNumeric = 1729,
    Code128StartCode = 1730,
    Code128StartCodeOnlyFirst = 1731,
    Code128OnlyCodeB = 1732,
    Code128OnlyCodeA = 1733,
    Code128CodeCEven = 1734,
    Code128CodeCNumeric = 1735,
    Code128CodeCSpecials = 1736,
    Code128TwoShifts = 1737,
    Code128Unencodable = 1738,
    Code128ShiftAtEnd = 1739,
};
} // namespace BarCodeMessage
