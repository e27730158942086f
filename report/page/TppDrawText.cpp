#include "TppDrawText.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppComponent.h"

const ClassInfo& TppDrawText::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDrawText>("TppDrawText", &TppDrawCommand::staticClassInfo(), [](auto& c) {
            using T = TppDrawText;
            const auto boolean = [&c](const char* name, bool T::*member) {
                c.property(
                     name, [member](const T& t) { return t.*member; },
                     [member](T& t, bool v) { t.*member = v; })
                    .withDefault(false);
            };
            const auto integer = [&c](const char* name, int T::*member, int fallback) {
                c.property(
                     name, [member](const T& t) { return t.*member; },
                     [member](T& t, int v) { t.*member = v; })
                    .withDefault(fallback);
            };
            c.property("Alignment", &T::Alignment, &T::SetAlignment)
                .names(enumerationNames("TAlignment"))
                .notStored();
            boolean("AutoSize", &T::AutoSize);
            boolean("BandSave", &T::BandSave);
            integer("BandSaveNo", &T::BandSaveNo, 0);
            integer("Color", &T::Color, clWhite);
            c.idents(colorIdents());
            boolean("ComponentSave", &T::ComponentSave);
            integer("ComponentSaveNo", &T::ComponentSaveNo, 0);
            c.object("Font", [](T& t) -> Persistent* { return &t.Font; });
            boolean("ForceJustifyLastLine", &T::ForceJustifyLastLine);
            boolean("IsMemo", &T::IsMemo);
            integer("Leading", &T::Leading, 0);
            integer("SaveLength", &T::SaveLength, 0);
            c.property(
                "TabStopPositions", [](const T& t) { return t.TabStopPositions; },
                [](T& t, const QStringList& v) { t.TabStopPositions = v; });
            c.property(
                "Text", [](const T& t) { return t.Text; }, [](T& t, const QString& v) { t.Text = v; });
            c.property("TextAlignment", &T::TextAlignment, &T::SetTextAlignment)
                .names(enumerationNames("TppTextAlignment"))
                .withDefault(taLeftJustified);
            boolean("Transparent", &T::Transparent);
            boolean("WordWrap", &T::WordWrap);
            c.property(
                "WrappedText", [](const T& t) { return t.WrappedText; },
                [](T& t, const QStringList& v) { t.WrappedText = v; });
        });
    return info;
}

TppDrawText::TppDrawText(OwnedComponent* owner) : TppDrawCommand(owner) {}

TppDrawText::~TppDrawText() {
    markDestroying();
    SetSourceComponent(nullptr);
}

void TppDrawText::SetTextAlignment(TppTextAlignment value) {
    textAlignment_ = value;
    static const TAlignment older[] = {taLeftJustify, taRightJustify, taCenter, taLeftJustify};
    alignment_ = older[std::clamp<int>(value, taLeftJustified, taFullJustified)];
}

void TppDrawText::SetAlignment(TAlignment value) {
    if (value < taLeftJustify || value > taCenter)
        return;
    alignment_ = value;
    static const TppTextAlignment newer[] = {taLeftJustified, taRightJustified, taCentered};
    textAlignment_ = newer[value];
}

void TppDrawText::SetSourceComponent(TppComponent* component) {
    sourceComponent_.reset(component);
}

void TppDrawText::Assign(const TppDrawCommand& source) {
    TppDrawCommand::Assign(source);
    const auto* text = dynamic_cast<const TppDrawText*>(&source);
    if (!text)
        return;
    Text = text->Text;
    WrappedText = text->WrappedText;
    WordWrap = text->WordWrap;
    IsMemo = text->IsMemo;
    Font = text->Font;
    Color = text->Color;
    Transparent = text->Transparent;
    AutoSize = text->AutoSize;
    ForceJustifyLastLine = text->ForceJustifyLastLine;
    Leading = text->Leading;
    TabStopPositions = text->TabStopPositions;
    BandSave = text->BandSave;
    BandSaveNo = text->BandSaveNo;
    ComponentSave = text->ComponentSave;
    ComponentSaveNo = text->ComponentSaveNo;
    SaveLength = text->SaveLength;
    textAlignment_ = text->textAlignment_;
    alignment_ = text->alignment_;
    SetSourceComponent(text->SourceComponent());
}
