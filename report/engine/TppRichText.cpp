#include "TppRichText.h"

#include "ClassBuilder.h"
#include "TppCustomDataPipeline.h"
#include "TppReportModel.h"
#include "TppRichTextDocument.h"

const ClassInfo& TppRichText::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppRichText>("TppRichText", &TppCustomRichText::staticClassInfo(), [](auto& c) {
            c.property("MailMerge", &TppRichText::MailMerge, &TppRichText::SetMailMerge).withDefault(false);
        });
    return info;
}

TppRichText::TppRichText(OwnedComponent* owner) : TppCustomRichText(owner) {}

TppRichText::~TppRichText() {
    markDestroying();
}

void TppRichText::SetMailMerge(bool value) {
    mailMerge_ = value;
    Change();
}

QByteArray TppRichText::PrintedDocument() {
    TppDataPipeline* pipeline = Report() ? Report()->DataPipeline() : nullptr;
    if (!mailMerge_ || !pipeline)
        return RichText();
    auto* fields = dynamic_cast<TppCustomDataPipeline*>(pipeline);
    TppRichTextDocument document(RichText());
    document.MailMerge([&](const QString& name) -> std::optional<QString> {
        QString field = name;
        if (!pipeline->IsFieldName(field) && fields)
            field = fields->GetFieldForAlias(name);
        if (field.isEmpty() || !pipeline->IsFieldName(field))
            return std::nullopt;
        return pipeline->GetFieldAsString(field);
    });
    return document.ToRtf();
}
