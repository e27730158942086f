#include "TppCustomText.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TextEnvironment.h"
#include "TextExtent.h"
#include "TppBand.h"
#include "TppDrawText.h"
#include "TppEventKind.h"
#include "TppPlainText.h"

const ClassInfo& TppCustomText::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCustomText>("TppCustomText", &TppCustomComponent::staticClassInfo(), [](auto& c) {
            using T = TppCustomText;
            c.property("Alignment", &T::Alignment, &T::SetAlignment)
                .names(enumerationNames("TAlignment"))
                .notStored();
            c.property("AutoSize", &T::AutoSize, &T::SetAutoSize).storedWhen([](const T& t) {
                return t.AutoSize() != t.DefaultAutoSize();
            });
            c.property("Caption", &T::Caption, &T::SetCaption);
            c.property("CharWrap", &T::CharWrap, &T::SetCharWrap).withDefault(false);
            c.property("Color", &T::Color, &T::SetColor).idents(colorIdents()).withDefault(clWhite);
            c.property("DisplayFormat", &T::DisplayFormat, &T::SetDisplayFormat);
            c.object("Font", [](T& t) -> Persistent* { return &t.font_; });
            c.event("OnGetText", &T::OnGetText);
            c.property("Save", &T::Save, &T::SetSave).withDefault(false);
            c.property("SaveLength", &T::SaveLength, &T::SetSaveLength).withDefault(0);
            c.property("SaveOrder", &T::SaveOrder, &T::SetSaveOrder).withDefault(-1);
            c.property("TextAlignment", &T::TextAlignment, &T::SetTextAlignment)
                .names(enumerationNames("TppTextAlignment"))
                .withDefault(taLeftJustified);
            c.property("Transparent", &T::Transparent, &T::SetTransparent).withDefault(false);
            c.property("WordWrap", &T::WordWrap, &T::SetWordWrap).withDefault(false);
            // Older layouts' text-file hook, replaced by the report's OnSaveText.
            c.defined("OnSave", PropertyKind::Event, nullptr, [](T&, const QVariant&) {});
        });
    return info;
}

TppCustomText::TppCustomText(OwnedComponent* owner) : TppCustomComponent(owner) {}

TppCustomText::~TppCustomText() {
    markDestroying();
}

const ClassInfo* TppCustomText::CommandClass() const {
    return &TppDrawText::staticClassInfo();
}

void TppCustomText::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    AdjustBounds();
    Change();
}

QString TppCustomText::Text() const {
    QString text = RawText();
    if (isLoading() || (isDesigning() && !reportPrinting(*this)))
        return text;
    OnGetText(const_cast<TppCustomText*>(this), text);
    TppEventParams params{text};
    const_cast<TppCustomText*>(this)->BroadcastEvent(const_cast<TppCustomText*>(this), ciTextGetText,
                                                     &params);
    return params.value(0).toString();
}

bool TppCustomText::FormatHeard() const {
    return HasEventSubscriber(ciTextFormat);
}

void TppCustomText::BroadcastFormat(const QString& displayFormat, TppDataType type, const QVariant& value,
                                    QString& text) const {
    if (!FormatHeard())
        return;
    TppEventParams params{displayFormat, int(type), value, text};
    auto* self = const_cast<TppCustomText*>(this);
    self->BroadcastEvent(self, ciTextFormat, &params);
    text = params.value(3).toString();
}

void TppCustomText::SetAutoSize(bool value) {
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
    Change();
}

void TppCustomText::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustBounds();
    Change();
}

void TppCustomText::SetCharWrap(bool value) {
    charWrap_ = value;
    Change();
}

void TppCustomText::SetAlignment(TAlignment value) {
    alignment_ = value;
    textAlignment_ = value == taRightJustify ? taRightJustified
                     : value == taCenter     ? taCentered
                                             : taLeftJustified;
    Change();
}

void TppCustomText::SetTextAlignment(TppTextAlignment value) {
    if (value == taFullJustified)
        return;
    textAlignment_ = value;
    alignment_ = value == taRightJustified ? taRightJustify : value == taCentered ? taCenter : taLeftJustify;
    Change();
}

void TppCustomText::SetColor(int color) {
    color_ = color;
    Change();
}

void TppCustomText::SetTransparent(bool value) {
    transparent_ = value;
    Change();
}

void TppCustomText::SetFont(const TppFont& font) {
    font_ = font;
    AdjustBounds();
    Change();
}

void TppCustomText::SetDisplayFormat(const QString& format) {
    displayFormat_ = format;
    Change();
}

void TppCustomText::AdjustBounds() {
    if (isLoading() || reportPrinting(*this) || (!autoSize_ && wordWrap_))
        return;
    const TextCanvas canvas = textCanvasOf(*this);
    const QSize extent =
        measureTextExtent(caption_, font_, canvas, canvas.toPixels(mmWidth(), Axis::Horizontal), wordWrap_);
    const int height = canvas.toMM(extent.height(), Axis::Vertical);
    if (!autoSize_) {
        SetmmHeight(height);
        return;
    }
    const int width = canvas.toMM(extent.width(), Axis::Horizontal);
    int left = mmLeft();
    if (alignment_ == taRightJustify)
        left += mmWidth() - width;
    else if (alignment_ == taCenter)
        left += (mmWidth() - width) / 2;
    SetBounds(left, mmTop(), width, height);
}

void TppCustomText::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppCustomComponent::PropertiesToDrawCommand(command);
    auto* text = dynamic_cast<TppDrawText*>(&command);
    if (!text)
        return;
    text->SetAlignment(alignment_);
    text->AutoSize = autoSize_;
    text->Color = color_;
    text->Text = Text();
    text->SetTextAlignment(textAlignment_);
    text->Transparent = transparent_;
    text->WordWrap = wordWrap_;
    text->Font = font_;
    if (wordWrap_) {
        TppPlainText::WrapOptions options;
        options.charWrap = charWrap_;
        options.autoSize = autoSize_;
        options.textAlignment = textAlignment_;
        int position = 0;
        // A single text does not grow: lines below its box are left out.
        TppPlainText::WrapText(text->Text, PrintRect, text->WrappedText, position, font_, textCanvasOf(*this),
                               options);
    }
    text->BandSave = Band() && Band()->Save();
    text->BandSaveNo = reportBandCountOf(*this);
    text->SetSourceComponent(this);
    text->ComponentSave = save_;
    text->ComponentSaveNo = saveOrder_;
    text->SaveLength = saveLength_;
}
