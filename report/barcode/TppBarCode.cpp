#include "TppBarCode.h"

#include "ClassBuilder.h"

const ClassInfo& TppBarCode::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppBarCode>("TppBarCode", &TppCustomBarCode::staticClassInfo(), [](auto& c) {
            // Emptied data is written too: reading would bring "Barcode" back.
            c.property("Data", &TppBarCode::Data, &TppBarCode::SetData).startsAs(QStringLiteral("Barcode"));
        });
    return info;
}

TppBarCode::TppBarCode(OwnedComponent* owner) : TppCustomBarCode(owner) {}

TppBarCode::~TppBarCode() {
    markDestroying();
}

void TppBarCode::SetData(const QString& data) {
    if (data == data_)
        return;
    data_ = data;
    DataChanged();
}
