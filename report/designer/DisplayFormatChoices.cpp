#include "DisplayFormatChoices.h"

#include "TppComponent.h"
#include "TppCustomVariable.h"
#include "TppDBCalc.h"
#include "TppDataPipeline.h"
#include "TppDisplayFormat.h"

TppDataType displayedDataType(const TppComponent& component) {
    if (const auto* variable = dynamic_cast<const TppCustomVariable*>(&component))
        return variable->DataType();
    if (const auto* calculation = dynamic_cast<const TppDBCalc*>(&component))
        return calculation->ResultType();
    TppDataPipeline* pipeline = component.DataPipeline();
    if (pipeline && !component.DataField().isEmpty())
        return pipeline->GetFieldDataType(component.DataField());
    return dtString;
}

QStringList displayFormatChoices(TppComponent& component, const DisplayFormatsHook& adjust) {
    const TppDataType dataType = displayedDataType(component);
    QStringList entries;
    GetDisplayFormats(dataType, &entries);
    QStringList formats;
    // Each entry is a sample, the separator, then the picture; the panel offers the pictures.
    for (const QString& entry : entries)
        formats << entry.section(TppDisplayFormat::kSampleSeparator, 1);
    if (adjust)
        adjust(&component, dataType, formats);
    return formats;
}
