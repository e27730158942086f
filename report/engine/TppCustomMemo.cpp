#include "TppCustomMemo.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TextEnvironment.h"
#include "TppDrawText.h"
#include "TppPlainText.h"
#include "TppPrintParent.h"
#include "TppReportModel.h"
#include "TppTextMarkups.h"

const ClassInfo& TppCustomMemo::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCustomMemo>("TppCustomMemo", &TppStretchable::staticClassInfo(), [](auto& c) {
            using T = TppCustomMemo;
            c.property("Caption", &T::Caption, &T::SetCaption);
            c.property("CharWrap", &T::CharWrap, &T::SetCharWrap).withDefault(false);
            c.property("Color", &T::Color, &T::SetColor).idents(colorIdents()).withDefault(clWhite);
            c.object("Font", [](T& t) -> Persistent* { return &t.font_; });
            c.property("ForceJustifyLastLine", &T::ForceJustifyLastLine, &T::SetForceJustifyLastLine)
                .withDefault(false);
            c.property("Leading", &T::Leading, &T::SetLeading).notStored();
            c.property(
                "Lines", [](const T& t) { return t.lines_; },
                [](T& t, const QStringList& v) { t.SetLines(v); });
            c.property("mmLeading", &T::mmLeading, &T::SetmmLeading).withDefault(0);
            c.property(
                "TabStopPositions", [](const T& t) { return t.tabStops_; },
                [](T& t, const QStringList& v) { t.SetTabStopPositions(v); });
            c.property("TextAlignment", &T::TextAlignment, &T::SetTextAlignment)
                .names(enumerationNames("TppTextAlignment"))
                .withDefault(taLeftJustified);
            c.property("Transparent", &T::Transparent, &T::SetTransparent).withDefault(false);
        });
    return info;
}

TppCustomMemo::TppCustomMemo(OwnedComponent* owner) : TppStretchable(owner) {}

TppCustomMemo::~TppCustomMemo() {
    markDestroying();
}

const ClassInfo* TppCustomMemo::CommandClass() const {
    return &TppDrawText::staticClassInfo();
}

void TppCustomMemo::SetLines(const QStringList& lines) {
    lines_ = lines;
    Change();
}

QString TppCustomMemo::MemoText() const {
    QString text = Lines().join(TppTextMarkups::LineBreak);
    const qsizetype terminator = text.indexOf(TppTextMarkups::Terminator);
    if (terminator >= 0)
        text.truncate(terminator);
    return text;
}

void TppCustomMemo::SetmmLeading(int value) {
    leading_ = value;
    Change();
}

float TppCustomMemo::Leading() const {
    return UnitsFromMM(leading_, Units(), Axis::Vertical);
}

void TppCustomMemo::SetLeading(float value) {
    SetmmLeading(UnitsToMM(value, Units(), Axis::Vertical));
}

void TppCustomMemo::SetCharWrap(bool value) {
    charWrap_ = value;
    Change();
}

void TppCustomMemo::SetTabStopPositions(const QStringList& stops) {
    tabStops_ = stops;
    Change();
}

void TppCustomMemo::SetTextAlignment(TppTextAlignment value) {
    textAlignment_ = value;
    Change();
}

void TppCustomMemo::SetForceJustifyLastLine(bool value) {
    forceJustifyLastLine_ = value;
    Change();
}

void TppCustomMemo::SetColor(int color) {
    color_ = color;
    Change();
}

void TppCustomMemo::SetTransparent(bool value) {
    transparent_ = value;
    Change();
}

void TppCustomMemo::SetFont(const TppFont& font) {
    font_ = font;
    Change();
}

void TppCustomMemo::InitForReport() {
    TppStretchable::InitForReport();
    TextPosition = 0;
}

void TppCustomMemo::CacheFields(CacheRecord& record) {
    TppStretchable::CacheFields(record);
    record.field(TextPosition);
}

void TppCustomMemo::MeasureContent() {
    if (!WrapsThisTime()) {
        SpaceUsed = 0;
        DrawComponent = false;
        PrintLines.clear();
        return;
    }
    const QString text = MemoText();
    if (StretchingMode()) {
        measureStretching(text);
        return;
    }
    TextPosition = 0;
    TppPlainText::WrapOptions options;
    options.tabStops = &tabStops_;
    options.leading = leading_;
    options.charWrap = charWrap_;
    options.textAlignment = textAlignment_;
    int position = 0;
    TppPlainText::WrapText(text, PrintRect, PrintLines, position, font_, textCanvasOf(*this), options);
    SpaceUsed = mmHeight();
    OverFlow = false;
}

bool TppCustomMemo::pageOtherwiseEmpty() const {
    const TppPrintParent* parent = PrintParent();
    const TppReportModel* report = Report();
    return (!parent || parent->ParentSpaceUsed() == 0) && !(report && report->PageHasContent());
}

void TppCustomMemo::measureStretching(const QString& text) {
    const TextCanvas canvas = textCanvasOf(*this);
    TppPlainText::WrapOptions options;
    options.tabStops = &tabStops_;
    options.leading = leading_;
    options.charWrap = charWrap_;
    options.textAlignment = textAlignment_;
    const int start = TextPosition;
    TppPrintRect box = PrintRect;
    box.Bottom = PageBottom;
    TppPlainText::WrapText(text, box, PrintLines, TextPosition, font_, canvas, options);
    const int lineHeight = TppPlainText::LineHeight(font_, leading_, canvas, box.Height()).lineHeight;

    if (PrintLines.isEmpty() && TextPosition < text.size() && pageOtherwiseEmpty()) {
        // Not even one line fits where nothing else is on the page, so no
        // later page will hold one either: place one line, clipped to the
        // page, rather than start page after page.
        TppPrintRect oneLine = box;
        oneLine.Bottom = oneLine.Top + lineHeight;
        TextPosition = start;
        TppPlainText::WrapText(text, oneLine, PrintLines, TextPosition, font_, canvas, options);
        SpaceUsed = std::clamp(box.Height(), 0, lineHeight);
        OverFlow = TextPosition < text.size();
        if (!OverFlow)
            TextPosition = 0;
        return;
    }

    const int used = int(PrintLines.size()) * lineHeight;
    if (TextPosition >= text.size() || TextPosition == -1) {
        OverFlow = false;
        if (!PrintLines.isEmpty())
            SpaceUsed = used;
        TextPosition = 0;
        KeptTogether = false;
        return;
    }
    // A box that took no line leaves the text where it was, so nothing
    // already printed is printed again.
    if (PrintLines.isEmpty())
        TextPosition = start;
    OverFlow = true;
    SpaceUsed = used;
    if (KeepTogetherApplies()) {
        SpaceUsed = 0;
        KeptTogether = true;
        TextPosition = start;
        PrintLines.clear();
    }
}

void TppCustomMemo::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppStretchable::PropertiesToDrawCommand(command);
    auto* text = dynamic_cast<TppDrawText*>(&command);
    if (!text)
        return;
    text->SetTextAlignment(textAlignment_);
    text->Color = color_;
    text->SetDataType(dtMemo);
    text->Font = font_;
    text->ForceJustifyLastLine = forceJustifyLastLine_;
    text->IsMemo = true;
    text->Leading = leading_;
    text->Transparent = transparent_;
    text->WordWrap = true;
    text->TabStopPositions = tabStops_;
    text->WrappedText = PrintLines;
}
