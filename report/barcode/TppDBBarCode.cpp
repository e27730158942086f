#include "TppDBBarCode.h"

#include "BarCodeSamples.h"
#include "ClassBuilder.h"
#include "PagewrightErrors.h"
#include "TextEnvironment.h"
#include "TppDataPipeline.h"
#include "TppDisplayFormat.h"
#include "TppNotifyOperation.h"

const ClassInfo& TppDBBarCode::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDBBarCode>("TppDBBarCode", &TppCustomBarCode::staticClassInfo(), [](auto& c) {
            c.property("DataField", &TppDBBarCode::DataField, &TppDBBarCode::SetDataField);
            c.reference("DataPipeline", &TppDBBarCode::DataPipeline, &TppDBBarCode::SetDataPipeline);
        });
    return info;
}

TppDBBarCode::TppDBBarCode(OwnedComponent* owner) : TppCustomBarCode(owner) {}

TppDBBarCode::~TppDBBarCode() {
    markDestroying();
}

void TppDBBarCode::SetDataField(const QString& field) {
    if (field == dataField_)
        return;
    dataField_ = field;
    DataChanged();
}

void TppDBBarCode::SetDataPipeline(TppDataPipeline* pipeline) {
    TppCustomBarCode::SetDataPipeline(pipeline);
    DataRefreshed();
}

void TppDBBarCode::Notify(TppCommunicator* sender, int operation) {
    TppCustomBarCode::Notify(sender, operation);
    if (sender && sender == DataPipeline() &&
        (operation == ppopDataChange || operation == ppopDataSourceChange) && !reportPrinting(*this) &&
        !isDestroying())
        DataRefreshed();
}

std::optional<QString> TppDBBarCode::DataToEncode() const {
    if (!dataAvailable(*this)) {
        if (reportPrinting(*this))
            return std::nullopt;
        return barCodeSample(BarCodeType(), CalcCheckDigit(), true);
    }
    TppDataPipeline* pipeline = DataPipeline();
    TppDataType type = dtString;
    try {
        type = pipeline->GetFieldDataType(dataField_);
    } catch (const std::exception&) {
        // A type that cannot be read counts as text.
    }
    if (type == dtNotKnown)
        type = dtString;
    try {
        const QVariant value = pipeline->GetFieldValue(dataField_);
        if (value.isNull())
            return QString();
        return FormatValue(QString(), type, value, localeSettingsOf(*this));
    } catch (const std::exception&) {
        // A value that cannot be read or converted prints as no data.
        return QString();
    }
}
