#include "TppDBRichText.h"

#include "ClassBuilder.h"
#include "PagewrightErrors.h"
#include "TextEnvironment.h"
#include "TppDataPipeline.h"
#include "TppResourceManager.h"

const ClassInfo& TppDBRichText::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDBRichText>("TppDBRichText", &TppCustomRichText::staticClassInfo(), [](auto& c) {
            using T = TppDBRichText;
            c.property("AutoDisplay", &T::AutoDisplay, &T::SetAutoDisplay).withDefault(true);
            c.property("DataField", &T::DataField, &T::SetDataField);
            c.reference("DataPipeline", &T::DataPipeline, &T::SetDataPipeline);
            c.event("OnGetRichText", &T::OnGetRichText);
        });
    return info;
}

TppDBRichText::TppDBRichText(OwnedComponent* owner) : TppCustomRichText(owner) {}

TppDBRichText::~TppDBRichText() {
    markDestroying();
}

void TppDBRichText::SetDataField(const QString& field) {
    dataField_ = field;
    Change();
}

void TppDBRichText::SetAutoDisplay(bool value) {
    autoDisplay_ = value;
    Change();
}

QByteArray TppDBRichText::PrintedDocument() {
    if (OnGetRichText) {
        QString text;
        OnGetRichText(this, text);
        return text.toUtf8();
    }
    if (!autoDisplay_ || !dataAvailable(*this))
        return RichText();
    try {
        const QVariant value = DataPipeline()->GetFieldValue(dataField_);
        return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : value.toString().toUtf8();
    } catch (const Exception&) {
        return LanguageString(kMsgRichTextNotLoaded).toUtf8();
    }
}
