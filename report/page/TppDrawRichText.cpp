#include "TppDrawRichText.h"

#include "ClassBuilder.h"
#include "PageDrawTarget.h"

const ClassInfo& TppDrawRichText::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDrawRichText>("TppDrawRichText", &TppDrawCommand::staticClassInfo(), [](auto& c) {
            using R = TppDrawRichText;
            c.property(
                 "Color", [](const R& r) { return r.Color; }, [](R& r, int v) { r.Color = v; })
                .idents(colorIdents())
                .withDefault(clWhite);
            c.property(
                 "EndCharPos", [](const R& r) { return r.EndCharPos; }, [](R& r, int v) { r.EndCharPos = v; })
                .withDefault(-1);
            c.property(
                 "StartCharPos", [](const R& r) { return r.StartCharPos; },
                 [](R& r, int v) { r.StartCharPos = v; })
                .withDefault(-1);
            c.property(
                 "Transparent", [](const R& r) { return r.Transparent; },
                 [](R& r, bool v) { r.Transparent = v; })
                .withDefault(false);
            c.defined(
                 "RTFStream", PropertyKind::Binary, [](const R& r) { return r.RichTextStream; },
                 [](R& r, const QVariant& v) { r.RichTextStream = v.toByteArray(); })
                .writtenWhen([](const R& r) { return !r.RichTextStream.isEmpty(); });
        });
    return info;
}

TppDrawRichText::TppDrawRichText(OwnedComponent* owner) : TppDrawCommand(owner) {
    SetDataType(dtBLOB);
}

// Only raster devices (screen, printer) render rich text.
void TppDrawRichText::Draw(PageDrawTarget& target) {
    if (target.IsRasterDevice())
        target.DrawCommand(*this);
}

void TppDrawRichText::Assign(const TppDrawCommand& source) {
    TppDrawCommand::Assign(source);
    if (const auto* rich = dynamic_cast<const TppDrawRichText*>(&source)) {
        RichTextStream.append(rich->RichTextStream);
        StartCharPos = rich->StartCharPos;
        EndCharPos = rich->EndCharPos;
        Color = rich->Color;
        Transparent = rich->Transparent;
    }
}
