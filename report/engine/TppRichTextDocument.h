#pragma once

#include "Units.h"

#include <QByteArray>
#include <QImage>
#include <QTextDocument>
#include <QTextFormat>
#include <functional>
#include <optional>

class QPainter;

// A rich text document as reports lay it out: read from and written to
// rich text, laid out at 1440 pixels per inch whatever the device, so that
// a page break found while measuring falls where the drawing puts it on any
// screen or printer. Character positions count a paragraph break as one
// character, from 0.
class TppRichTextDocument {
public:
    static constexpr int kLayoutPixelsPerInch = 1440;

    TppRichTextDocument();
    explicit TppRichTextDocument(const QByteArray& rtf);

    void Load(const QByteArray& rtf);
    void LoadPlainText(const QString& text);
    QByteArray ToRtf() const;
    QString PlainText() const { return document_.toPlainText(); }
    // Characters, not counting the closing paragraph mark.
    int Length() const;
    // Where `text` first occurs within start .. start + length; -1 when it does not.
    int Find(const QString& text, int start, int length, bool wholeWord, bool matchCase) const;
    // Replaces characters start .. end by `text` in the format of the first one replaced.
    void ReplaceRange(int start, int end, const QString& text);
    // The character format of the character at `position`, and of the
    // paragraph that holds it; merging sets what `format` sets on
    // characters start .. end, or on every paragraph they touch.
    QTextCharFormat CharFormatAt(int position) const;
    void MergeCharFormat(int start, int end, const QTextCharFormat& format);
    QTextBlockFormat BlockFormatAt(int position) const;
    void MergeBlockFormat(int start, int end, const QTextBlockFormat& format);
    bool IsEmpty() const { return Length() == 0; }

    // Replaces every "<name>" for which `lookup` gives a value by that
    // value, in the format of the text it replaces. Replacements are not
    // searched again, so a value holding "<name>" stays as it is.
    void MailMerge(const std::function<std::optional<QString>(const QString& name)>& lookup);

    struct RangeFit {
        int firstUnfit = -1; // first character that did not fit; -1: all did
        int heightUsed = 0;  // layout pixels (twips)
    };
    // Lays characters start..end out in a box of the given width and height
    // (twips) and tells where the box ended. The lines from start on are
    // taken in order; the first line is not forced in unless the height is
    // FirstLineOnly, which takes that one line whatever its height.
    static constexpr int FirstLineOnly = -1;
    RangeFit FitRange(int start, int end, int width, int height);
    // Nothing but line and paragraph breaks from the position on.
    bool OnlyBreaksFrom(int position) const;

    // Draws characters start..end, laid out at the width (twips) they were
    // measured at, into the device rectangle (device pixels at the given
    // resolution), their first line at its top.
    void DrawRange(QPainter& painter, const QRect& box, int horizontalPpi, int verticalPpi, int layoutWidth,
                   int start, int end);

    // Thousandths of a millimetre in layout pixels (twips) and back.
    static int ToLayout(int mm, Axis axis);
    static int FromLayout(int pixels, Axis axis);

private:
    struct LineSpan {
        int firstChar;
        int lastChar; // inclusive
        qreal top;
        qreal bottom;
    };
    void layOut(int width);
    QList<LineSpan> lines() const;

    QImage layoutDevice_;
    QTextDocument document_;
};
