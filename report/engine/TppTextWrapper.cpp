#include "TppTextWrapper.h"

#include "TppPlainTextParser.h"
#include "TppTextMarkups.h"

namespace {

// Leading blanks that a soft-wrapped line drops; a longer run is indentation.
constexpr int kDroppedLeadingBlanks = 2;

// Characters of `token` from `from`, one code point (a surrogate pair counts once).
qsizetype codePointLength(const QString& token, qsizetype from) {
    return from + 1 < token.size() && token[from].isHighSurrogate() && token[from + 1].isLowSurrogate() ? 2
                                                                                                        : 1;
}

QList<int> stopsInPixels(const TppPlainText::WrapOptions& options, const TextCanvas& canvas) {
    return options.tabStops ? tabStopsInPixels(*options.tabStops, utPrinterPixels, canvas.printer)
                            : QList<int>();
}

} // namespace

TppTextWrapper::TppTextWrapper(const TppFont& font, const TextCanvas& canvas,
                               const TppPlainText::WrapOptions& options)
    : canvas_(canvas), options_(options),
      tabbed_(canvas.measurer, font, canvas.verticalPixelsPerInch(), stopsInPixels(options, canvas)) {
    // The height of "W" is the font's cell height.
    lineHeight_ = canvas.toMM(tabbed_.metrics().height, Axis::Vertical) + options.leading;
    // An auto-sized box was measured to its text; the slack keeps rounding
    // from pushing its last word onto a line of its own.
    autoSizeSlack_ =
        int(roundHalfEven(0.3L * canvas.toMM(tabbed_.plainWidth(QStringLiteral(" ")), Axis::Horizontal)));
}

int TppTextWrapper::WidthOf(const QString& piece) const {
    return canvas_.toMM(tabbed_.width(piece), Axis::Horizontal);
}

void TppTextWrapper::emitLine(QString line, bool paragraphEnd, QStringList& lines) const {
    while (line.endsWith(TppTextMarkups::Blank))
        line.chop(1);
    if (paragraphEnd && options_.textAlignment == taFullJustified)
        line += TppTextMarkups::ParagraphEnd;
    lines << line;
}

int TppTextWrapper::Wrap(const QString& text, const TppPrintRect& box, QStringList& lines, int position) {
    lines.clear();
    const int width = box.Width() + (options_.autoSize ? autoSizeSlack_ : 0);
    // A box holds a line when the line reaches no lower than its bottom,
    // the first line as much as the last: a word-wrapped box drawn exactly
    // one line high for its font shows that line rather than nothing.
    auto full = [&] { return box.Top + (lines.size() + 1) * qint64(lineHeight_) > box.Bottom; };
    if (full())
        return position;

    TppPlainTextParser parser(text);
    parser.SetPosition(position);
    // A continuation starts like a soft-wrapped line.
    bool skipLeadingBlanks = position != 0;
    int leadingBlanks = 0;
    QString line;
    QString carry;
    QString token;
    int tokenStart = 0; // the position just before the current token
    auto nextToken = [&] {
        if (!carry.isEmpty()) {
            token = carry;
            tokenStart = parser.Position() - int(carry.size());
            carry.clear();
        } else {
            tokenStart = parser.Position();
            token = parser.NextToken();
        }
    };

    nextToken();
    while (!token.isEmpty()) {
        if (token == TppTextMarkups::LineBreak) {
            emitLine(line, true, lines);
            position = parser.Position();
            line.clear();
            token.clear();
            skipLeadingBlanks = false;
            if (full())
                return position;
            nextToken();
            continue;
        }

        if (skipLeadingBlanks) {
            if (token == TppTextMarkups::Blank) {
                if (++leadingBlanks > kDroppedLeadingBlanks)
                    skipLeadingBlanks = false;
            } else {
                line.remove(0, leadingBlanks);
                skipLeadingBlanks = false;
            }
        }

        if (fitsIn(line + token, width)) {
            line += token;
            nextToken();
            continue;
        }

        if (options_.charWrap || line.isEmpty() || !fitsIn(token, width)) {
            qsizetype placed = 0;
            while (placed < token.size()) {
                const qsizetype step = codePointLength(token, placed);
                if (!fitsIn(line + token.left(placed + step), width))
                    break;
                placed += step;
            }
            // An empty line takes one character even when it does not fit,
            // so that every line makes progress.
            if (placed == 0 && line.isEmpty())
                placed = codePointLength(token, 0);
            line += token.left(placed);
            carry = token.mid(placed);
            token.clear();
        }
        // Otherwise the word waits whole for the next line.
        emitLine(line, false, lines);
        line.clear();
        skipLeadingBlanks = true;
        leadingBlanks = 0;
        if (full()) {
            // What did not fit is placed from the next box on.
            return token.isEmpty() ? parser.Position() - int(carry.size()) : tokenStart;
        }
        if (token.isEmpty())
            nextToken();
    }

    // The text has ended. Blanks a soft wrap would drop make no line of their own.
    if (!line.isEmpty() && !skipLeadingBlanks)
        emitLine(line, true, lines);
    return parser.Position();
}
