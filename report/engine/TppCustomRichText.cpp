#include "TppCustomRichText.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "TppDrawRichText.h"
#include "TppPrintParent.h"
#include "TppReportModel.h"
#include "TppRichTextDocument.h"

const ClassInfo& TppCustomRichText::staticClassInfo() {
    static const ClassInfo info = describeClass<TppCustomRichText>(
        "TppCustomRichText", &TppStretchable::staticClassInfo(), [](auto& c) {
            using T = TppCustomRichText;
            c.property("Color", &T::Color, &T::SetColor).idents(colorIdents()).withDefault(clWhite);
            c.property(
                "RichText", [](const T& t) { return QString::fromLatin1(t.richText_); },
                [](T& t, const QString& v) { t.SetRichText(v.toLatin1()); });
            c.property("Transparent", &T::Transparent, &T::SetTransparent).withDefault(false);
        });
    return info;
}

TppCustomRichText::TppCustomRichText(OwnedComponent* owner) : TppStretchable(owner) {
    // 185 x 89 screen pixels, the size a new rich text gets.
    storeBox(0, 0, UnitsToMM(185, utScreenPixels, Axis::Horizontal),
             UnitsToMM(89, utScreenPixels, Axis::Vertical));
}

TppCustomRichText::~TppCustomRichText() {
    markDestroying();
}

const ClassInfo* TppCustomRichText::CommandClass() const {
    return &TppDrawRichText::staticClassInfo();
}

void TppCustomRichText::SetRichText(const QByteArray& rtf) {
    richText_ = rtf;
    Change();
}

void TppCustomRichText::SetColor(int color) {
    color_ = color;
    Change();
}

void TppCustomRichText::SetTransparent(bool value) {
    transparent_ = value;
    Change();
}

void TppCustomRichText::InitForReport() {
    TppStretchable::InitForReport();
    StartCharPos = -1;
    EndCharPos = -1;
}

void TppCustomRichText::CacheFields(CacheRecord& record) {
    TppStretchable::CacheFields(record);
    record.field(StartCharPos);
    record.field(EndCharPos);
}

void TppCustomRichText::MeasureContent() {
    printed_ = PrintedDocument();
    TppRichTextDocument document(printed_);
    if (StretchingMode()) {
        measureStretching(document);
        return;
    }
    StartCharPos = 0;
    EndCharPos = document.Length();
    SpaceUsed = mmHeight();
}

bool TppCustomRichText::pageOtherwiseEmpty() const {
    const TppPrintParent* parent = PrintParent();
    const TppReportModel* report = Report();
    return (!parent || parent->ParentSpaceUsed() == 0) && !(report && report->PageHasContent());
}

void TppCustomRichText::measureStretching(TppRichTextDocument& document) {
    StartCharPos = OverFlow ? EndCharPos + 1 : 0;
    EndCharPos = document.Length() - 1;
    if (document.IsEmpty() || StartCharPos > EndCharPos) {
        OverFlow = false;
        KeptTogether = false;
        return;
    }
    const int width = TppRichTextDocument::ToLayout(PrintRect.Width(), Axis::Horizontal);
    const int available = std::max(0, PageBottom - PrintRect.Top);
    TppRichTextDocument::RangeFit fit = document.FitRange(
        StartCharPos, EndCharPos, width, TppRichTextDocument::ToLayout(available, Axis::Vertical));
    // Only the closing paragraph mark left over counts as done.
    if (fit.firstUnfit < 0 || document.OnlyBreaksFrom(fit.firstUnfit)) {
        OverFlow = false;
        SpaceUsed = TppRichTextDocument::FromLayout(fit.heightUsed, Axis::Vertical);
        KeptTogether = false;
        return;
    }
    if (fit.firstUnfit == StartCharPos) {
        if (!pageOtherwiseEmpty()) {
            // Nothing fits below what is already on the page: all of it
            // moves on, from the same character.
            EndCharPos = StartCharPos - 1;
            OverFlow = true;
            SpaceUsed = 0;
            return;
        }
        // Not even a line fits on an empty page, so no page will hold
        // more: place the first line, clipped, and go on.
        fit = document.FitRange(StartCharPos, EndCharPos, width, TppRichTextDocument::FirstLineOnly);
        if (fit.firstUnfit < 0) {
            OverFlow = false;
            SpaceUsed = available;
            return;
        }
        EndCharPos = fit.firstUnfit - 1;
        OverFlow = true;
        SpaceUsed = available;
        return;
    }
    EndCharPos = fit.firstUnfit - 1;
    OverFlow = true;
    SpaceUsed = TppRichTextDocument::FromLayout(fit.heightUsed, Axis::Vertical);
    if (KeepTogetherApplies()) {
        SpaceUsed = 0;
        KeptTogether = true;
        // The part meant for this page starts on the next one.
        EndCharPos = StartCharPos - 1;
    }
}

void TppCustomRichText::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppStretchable::PropertiesToDrawCommand(command);
    auto* rich = dynamic_cast<TppDrawRichText*>(&command);
    if (!rich)
        return;
    rich->Color = color_;
    rich->StartCharPos = StartCharPos;
    rich->EndCharPos = EndCharPos;
    rich->Transparent = transparent_;
    rich->RichTextStream = printed_;
}
