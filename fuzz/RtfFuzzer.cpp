// Feeds arbitrary bytes to the rich text reader as a rich text component
// gets them from its template or its field, then does what generation
// does with the document: mail merge, fit it into a box page by page and
// draw each part, and write it back, which must read again. Crashes,
// sanitizer reports and hangs are findings.

#include "FuzzSupport.h"
#include "TppRichTextDocument.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr int kBoxWidth = 2880; // two inches in layout pixels
constexpr int kBoxHeight = 1440;
constexpr int kMaxParts = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ensureGuiApplication();

    TppRichTextDocument document(bytesOf(data, size).toByteArray());
    document.MailMerge([](const QString& name) -> std::optional<QString> {
        return name.size() % 2 ? std::optional(name + name) : std::nullopt;
    });
    QImage canvas(96, 48, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    const int end = document.Length();
    int start = 0;
    for (int part = 0; part < kMaxParts && start < end; ++part) {
        const TppRichTextDocument::RangeFit fit = document.FitRange(
            start, end, kBoxWidth, part == 0 ? TppRichTextDocument::FirstLineOnly : kBoxHeight);
        const int stop = fit.firstUnfit < 0 ? end : fit.firstUnfit;
        document.DrawRange(painter, QRect(0, 0, 96, 48), 48, 48, kBoxWidth, start, stop);
        // A box that takes nothing takes at least its first line next time.
        if (stop <= start) {
            const TppRichTextDocument::RangeFit line =
                document.FitRange(start, end, kBoxWidth, TppRichTextDocument::FirstLineOnly);
            if (line.firstUnfit >= 0 && line.firstUnfit <= start)
                break;
            start = line.firstUnfit < 0 ? end : line.firstUnfit;
        } else {
            start = stop;
        }
    }
    painter.end();
    (void)document.OnlyBreaksFrom(0);
    const TppRichTextDocument again(document.ToRtf());
    (void)again.Length();
    return 0;
}
