#include "TppRichTextDocument.h"

#include "RtfReader.h"
#include "RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <algorithm>

namespace {

// One inch is 0.0254 m.
int dotsPerMeter(int pixelsPerInch) {
    return qRound(pixelsPerInch / 0.0254);
}

// Without a page height Qt lays a document out as one page of 2^23 pixels
// and hangs on a line that crosses its end. Pages of half that, far beyond
// any box a report fits text into, keep its pagination working; only a
// document of thousands of inches sees a line moved past a page end.
constexpr qreal kLayoutPageHeight = 1 << 22;

class LayoutResolution final : public DeviceResolution {
public:
    int pixelsPerInch(Axis) const override { return TppRichTextDocument::kLayoutPixelsPerInch; }
};

} // namespace

int TppRichTextDocument::ToLayout(int mm, Axis axis) {
    static const LayoutResolution resolution;
    return int(UnitsFromMM(mm, utPrinterPixels, axis, &resolution));
}

int TppRichTextDocument::FromLayout(int pixels, Axis axis) {
    static const LayoutResolution resolution;
    return UnitsToMM(float(pixels), utPrinterPixels, axis, &resolution);
}

TppRichTextDocument::TppRichTextDocument() : layoutDevice_(1, 1, QImage::Format_ARGB32_Premultiplied) {
    layoutDevice_.setDotsPerMeterX(dotsPerMeter(kLayoutPixelsPerInch));
    layoutDevice_.setDotsPerMeterY(dotsPerMeter(kLayoutPixelsPerInch));
    document_.documentLayout()->setPaintDevice(&layoutDevice_);
    document_.setDocumentMargin(0);
    document_.setUndoRedoEnabled(false);
    document_.setPageSize(QSizeF(-1, kLayoutPageHeight));
}

TppRichTextDocument::TppRichTextDocument(const QByteArray& rtf) : TppRichTextDocument() {
    Load(rtf);
}

void TppRichTextDocument::Load(const QByteArray& rtf) {
    readRtf(rtf, document_);
}

void TppRichTextDocument::LoadPlainText(const QString& text) {
    document_.setPlainText(text);
}

QByteArray TppRichTextDocument::ToRtf() const {
    return writeRtf(document_);
}

int TppRichTextDocument::Length() const {
    return std::max(0, document_.characterCount() - 1);
}

namespace {

// A cursor over characters start .. end, kept inside the document.
QTextCursor rangeCursor(QTextDocument& document, int start, int end, int length) {
    QTextCursor cursor(&document);
    cursor.setPosition(std::clamp(start, 0, length));
    cursor.setPosition(std::clamp(end, cursor.position(), length), QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

int TppRichTextDocument::Find(const QString& text, int start, int length, bool wholeWord,
                              bool matchCase) const {
    QTextDocument::FindFlags flags;
    if (wholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    const QTextCursor found = document_.find(text, std::max(start, 0), flags);
    if (found.isNull() || found.selectionEnd() > start + length)
        return -1;
    return found.selectionStart();
}

void TppRichTextDocument::ReplaceRange(int start, int end, const QString& text) {
    rangeCursor(document_, start, end, Length()).insertText(text);
}

QTextCharFormat TppRichTextDocument::CharFormatAt(int position) const {
    // A cursor's format is that of the character before it.
    QTextCursor cursor(const_cast<QTextDocument*>(&document_));
    cursor.setPosition(std::clamp(position + 1, 0, Length()));
    return cursor.charFormat();
}

void TppRichTextDocument::MergeCharFormat(int start, int end, const QTextCharFormat& format) {
    rangeCursor(document_, start, end, Length()).mergeCharFormat(format);
}

QTextBlockFormat TppRichTextDocument::BlockFormatAt(int position) const {
    return document_.findBlock(std::clamp(position, 0, Length())).blockFormat();
}

void TppRichTextDocument::MergeBlockFormat(int start, int end, const QTextBlockFormat& format) {
    rangeCursor(document_, start, end, Length()).mergeBlockFormat(format);
}

void TppRichTextDocument::MailMerge(
    const std::function<std::optional<QString>(const QString& name)>& lookup) {
    static const QRegularExpression field(QStringLiteral("<([^<>]+)>"));
    QTextCursor found = document_.find(field);
    while (!found.isNull()) {
        const QString name = found.selectedText().mid(1).chopped(1);
        if (const std::optional<QString> value = lookup(name)) {
            QTextCursor first(&document_);
            first.setPosition(found.selectionStart() + 1);
            const QTextCharFormat format = first.charFormat();
            found.insertText(*value, format);
        }
        found = document_.find(field, found.position());
    }
}

void TppRichTextDocument::layOut(int width) {
    if (document_.textWidth() != width)
        document_.setPageSize(QSizeF(width, kLayoutPageHeight));
    // Laying out is lazy; asking for the size completes it.
    document_.documentLayout()->documentSize();
}

QList<TppRichTextDocument::LineSpan> TppRichTextDocument::lines() const {
    QList<LineSpan> spans;
    const QAbstractTextDocumentLayout* layout = document_.documentLayout();
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* textLayout = block.layout();
        const qreal blockTop = layout->blockBoundingRect(block).top();
        const int count = textLayout->lineCount();
        for (int i = 0; i < count; ++i) {
            const QTextLine line = textLayout->lineAt(i);
            const int first = block.position() + line.textStart();
            // The last line of a block also holds the paragraph mark.
            const int last =
                i + 1 == count ? block.position() + block.length() - 1 : first + line.textLength() - 1;
            spans << LineSpan{first, std::max(first, last), blockTop + line.y(),
                              blockTop + line.y() + line.height()};
        }
    }
    return spans;
}

TppRichTextDocument::RangeFit TppRichTextDocument::FitRange(int start, int end, int width, int height) {
    layOut(width);
    RangeFit fit;
    bool started = false;
    qreal top = 0;
    for (const LineSpan& line : lines()) {
        if (line.lastChar < start)
            continue;
        if (line.firstChar > end)
            break;
        if (!started) {
            started = true;
            top = line.top;
        }
        const bool firstLine = line.top == top;
        if (height == FirstLineOnly ? !firstLine : line.bottom - top > height) {
            fit.firstUnfit = std::max(start, line.firstChar);
            return fit;
        }
        fit.heightUsed = int(std::ceil(line.bottom - top));
    }
    return fit;
}

bool TppRichTextDocument::OnlyBreaksFrom(int position) const {
    const QString text = document_.toPlainText();
    for (qsizetype i = std::max(0, position); i < text.size(); ++i)
        if (text[i] != u'\n' && text[i] != QChar::LineSeparator && text[i] != QChar::ParagraphSeparator)
            return false;
    return true;
}

void TppRichTextDocument::DrawRange(QPainter& painter, const QRect& box, int horizontalPpi, int verticalPpi,
                                    int layoutWidth, int start, int end) {
    layOut(layoutWidth);
    qreal top = -1;
    qreal bottom = 0;
    for (const LineSpan& line : lines()) {
        if (line.lastChar < start || line.firstChar > end)
            continue;
        if (top < 0)
            top = line.top;
        bottom = line.bottom;
    }
    if (top < 0)
        return;
    // Drawing clips to the rectangle it is given, in layout pixels: the
    // range's lines, and no lower than the box.
    const qreal boxHeight = box.height() * qreal(kLayoutPixelsPerInch) / verticalPpi;
    const QRectF range(0, top, document_.textWidth(), std::min(bottom - top, boxHeight));
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(qreal(horizontalPpi) / kLayoutPixelsPerInch, qreal(verticalPpi) / kLayoutPixelsPerInch);
    painter.translate(0, -top);
    document_.drawContents(&painter, range);
    painter.restore();
}
