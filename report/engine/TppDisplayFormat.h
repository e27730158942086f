#pragma once

#include "FormatSettings.h"
#include "TppTypes.h"

#include <QStringList>
#include <QVariant>

// Turns a value of a data type into text with a display format, and offers
// the ready-made formats of each type. The pictures are those of the one
// formatter (formatFloat, formatCurrency, formatDateTime, formatMaskText);
// this class decides which applies to each data type.
//
// Every caller formats through the process-wide DisplayFormatClass(), so a
// descendant installed there changes the formatting of the whole program.
class TppDisplayFormat {
public:
    virtual ~TppDisplayFormat() = default;

    // Empty for a null value. A value that does not convert to the number or
    // date the type asks for raises EConvertError.
    virtual QString FormatValue(const QString& format, TppDataType dataType, const QVariant& value,
                                const FormatSettings& settings) const;
    // Replaces the list's entries with the type's ready-made formats, each
    // the sample, the character 1, then the format. Nothing without a list.
    virtual void GetDisplayFormats(TppDataType dataType, QStringList* list) const;

    // Separates an entry's sample from its format.
    static constexpr QChar kSampleSeparator = QChar(1);
};

// The formatter every caller uses; the standard one unless another is set.
const TppDisplayFormat& DisplayFormatClass();
// Installs a formatter for the whole program (not owned; it must outlive
// its use); none restores the standard one.
void SetDisplayFormatClass(const TppDisplayFormat* formatter);

QString FormatValue(const QString& format, TppDataType dataType, const QVariant& value,
                    const FormatSettings& settings);
void GetDisplayFormats(TppDataType dataType, QStringList* list);
