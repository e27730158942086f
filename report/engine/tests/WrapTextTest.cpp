#include "FakeTextCanvas.h"
#include "RowName.h"
#include "TppPlainText.h"
#include "TppPlainTextParser.h"
#include "TppTextMarkups.h"

#include <gtest/gtest.h>
#include <random>

namespace {

constexpr int kChar = FakeTextCanvas::kCharWidth;
constexpr int kLine = FakeTextCanvas::kLineHeight;

TEST(PlainTextParser, Tokens) {
    const QString text = QStringLiteral("ab  c\td\r\ne\rf\ng$\u00B6h$i");
    TppPlainTextParser parser(text);
    QStringList tokens;
    for (QString token = parser.NextToken(); !token.isEmpty(); token = parser.NextToken())
        tokens << (token == TppTextMarkups::LineBreak ? QStringLiteral("<br>") : token);
    EXPECT_EQ(tokens, QStringList({"ab", " ", " ", "c", "\t", "d", "<br>", "e", "<br>", "f", "<br>", "g",
                                   "<br>", "h$i"}))
        << "CR LF, lone CR, lone LF and the paragraph end are all line breaks; a lone $ is part of a word";
    EXPECT_TRUE(parser.AtEnd());
    EXPECT_EQ(parser.Position(), text.size());
}

TEST(PlainTextParser, TerminatorEndsTheTextAndResumingPastTheEndEndsIt) {
    const QString text = QString::fromUtf8("ab\0cd", 5);
    TppPlainTextParser parser(text);
    EXPECT_EQ(parser.NextToken(), "ab") << "the word before the terminator is still returned";
    EXPECT_TRUE(parser.AtEnd());
    EXPECT_EQ(parser.NextToken(), "");

    TppPlainTextParser resumed(text);
    resumed.SetPosition(99);
    EXPECT_TRUE(resumed.AtEnd());
    resumed.SetPosition(3);
    EXPECT_FALSE(resumed.AtEnd());
    EXPECT_EQ(resumed.NextToken(), "cd");
}

struct WrapCase {
    const char* name;
    QString text;
    int widthInChars;
    int height; // thousandths of a millimetre
    int start;
    TppPlainText::WrapOptions options;
    QStringList expected;
    int position; // expected position afterwards
};

TppPlainText::WrapOptions with(bool charWrap = false, TppTextAlignment alignment = taLeftJustified,
                               bool autoSize = false, int leading = 0) {
    TppPlainText::WrapOptions o;
    o.charWrap = charWrap;
    o.textAlignment = alignment;
    o.autoSize = autoSize;
    o.leading = leading;
    return o;
}

const QString kMark = TppTextMarkups::ParagraphEnd.toString();

const WrapCase kWrapCases[] = {
    {"a closing line break makes no empty line",
     QString::fromUtf8("abc\r\n"),
     10,
     10 * kLine,
     0,
     with(),
     {"abc"},
     5},
    {"two line breaks make one empty line",
     QString::fromUtf8("abc\r\n\r\n"),
     10,
     10 * kLine,
     0,
     with(),
     {"abc", ""},
     7},
    {"a word moves to the next line whole",
     QString::fromUtf8("ab cdef"),
     4,
     10 * kLine,
     0,
     with(),
     {"ab", "cdef"},
     7},
    {"CharWrap fills each line to the last character",
     QString::fromUtf8("ab cdef"),
     4,
     10 * kLine,
     0,
     with(true),
     {"ab c", "def"},
     7},
    {"a word wider than the box breaks by characters",
     QString::fromUtf8("abcdefgh"),
     3,
     10 * kLine,
     0,
     with(),
     {"abc", "def", "gh"},
     8},
    {"a box narrower than one character still places one per line",
     QString::fromUtf8("abc"),
     0,
     10 * kLine,
     0,
     with(),
     {"a", QString::fromUtf8("b"), "c"},
     3},
    {"trailing blanks are removed", QString::fromUtf8("ab   cd"), 4, 10 * kLine, 0, with(), {"ab", "cd"}, 7},
    {"one leading blank after a soft wrap is dropped",
     QString::fromUtf8("aaaa bb"),
     4,
     10 * kLine,
     0,
     with(),
     {"aaaa", "bb"},
     7},
    {"two leading blanks after a soft wrap are dropped",
     QString::fromUtf8("aaaa  bb"),
     4,
     10 * kLine,
     0,
     with(true),
     {"aaaa", "bb"},
     8},
    {"three leading blanks after a soft wrap are kept",
     QString::fromUtf8("aaaa   bb"),
     4,
     10 * kLine,
     0,
     with(true),
     {"aaaa", QString::fromUtf8("   b"), "b"},
     9},
    {"blanks after a hard break are kept",
     QString::fromUtf8("ab\r\n  cd"),
     10,
     10 * kLine,
     0,
     with(),
     {"ab", "  cd"},
     8},
    {"full justification marks each paragraph's last line",
     QString::fromUtf8("aa bb cc\r\ndd"),
     5,
     10 * kLine,
     0,
     with(false, taFullJustified),
     {"aa bb", "cc" + kMark, "dd" + kMark},
     12},
    {"other alignments never mark",
     QString::fromUtf8("aa bb cc\r\ndd"),
     5,
     10 * kLine,
     0,
     with(false, taCentered),
     {"aa bb", QString::fromUtf8("cc"), "dd"},
     12},
    {"a paragraph end in the text is a line break",
     QString::fromUtf8("ab$\u00B6cd"),
     10,
     10 * kLine,
     0,
     with(),
     {"ab", "cd"},
     6},
    {"a terminator ends the text", QString::fromUtf8("ab\0cd", 5), 10, 10 * kLine, 0, with(), {"ab"}, 2},
    {"a tab goes to the next default stop",
     QString::fromUtf8("a\tb"),
     8,
     10 * kLine,
     0,
     with(),
     {"a\t", "b"},
     3},
    {"tabs inside the width stay on the line",
     QString::fromUtf8("a\tb"),
     9,
     10 * kLine,
     0,
     with(),
     {"a\tb"},
     3},
    {"a box exactly one line high holds one line",
     QString::fromUtf8("ab cd"),
     2,
     kLine,
     0,
     with(),
     {"ab"},
     2},
    {"a box lower than one line holds none and keeps the position",
     QString::fromUtf8("ab cd"),
     2,
     kLine - 1,
     3,
     with(),
     {},
     3},
    {"the box holds whole lines only",
     QString::fromUtf8("a b c"),
     1,
     3 * kLine - 1,
     0,
     with(),
     {"a", "b"},
     3},
    {"leading adds to every line",
     QString::fromUtf8("a b c"),
     1,
     2 * (kLine + 500),
     0,
     with(false, taLeftJustified, false, 500),
     {"a", "b"},
     3},
    {"a word that does not fit at the box's end is placed next time",
     QString::fromUtf8("aaa bbb ccc ddd"),
     5,
     2 * kLine,
     0,
     with(),
     {"aaa", "bbb"},
     8},
    {"a continuation starts with the first word not yet placed",
     QString::fromUtf8("aaa bbb ccc ddd"),
     5,
     2 * kLine,
     8,
     with(),
     {"ccc", "ddd"},
     15},
    {"a word broken at the box's end continues with its rest",
     QString::fromUtf8("abcdefgh"),
     3,
     2 * kLine,
     0,
     with(),
     {"abc", "def"},
     6},
    {"auto-sized boxes get a third of a blank of slack",
     QString::fromUtf8("aaa"),
     3,
     10 * kLine,
     0,
     with(false, taLeftJustified, true),
     {"aaa"},
     3},
    {"position at the end produces nothing", QString::fromUtf8("abc"), 10, 10 * kLine, 3, with(), {}, 3},
};

class WrapTextCases : public testing::TestWithParam<WrapCase> {};

TEST_P(WrapTextCases, Wraps) {
    const WrapCase& c = GetParam();
    FakeTextCanvas fake;
    QStringList lines{QStringLiteral("old")};
    int position = c.start;
    // Auto-size case: a box 300 units short of its text still holds it.
    const int width = c.widthInChars * kChar - (c.options.autoSize ? 300 : 0);
    TppPlainText::WrapText(c.text, {1000, 5000, 1000 + width, 5000 + c.height}, lines, position, TppFont(),
                           fake.canvas, c.options);
    EXPECT_EQ(lines, c.expected) << c.name;
    EXPECT_EQ(position, c.position) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, WrapTextCases, testing::ValuesIn(kWrapCases), RowName());

TEST(WrapText, TabStopsComeFromTheOptions) {
    FakeTextCanvas fake;
    const QStringList stops{QStringLiteral("2000"), QStringLiteral("not a stop"), QStringLiteral("4000")};
    TppPlainText::WrapOptions options;
    options.tabStops = &stops;
    QStringList lines;
    int position = 0;
    TppPlainText::WrapText(QStringLiteral("a\tb\tc"), {0, 0, 5 * kChar, kLine}, lines, position, TppFont(),
                           fake.canvas, options);
    EXPECT_EQ(lines, QStringList{"a\tb\tc"}) << "stops at 2 and 4 characters make the line 5 characters wide";
    EXPECT_EQ(TppPlainText::ConvertTabStops(stops, utPrinterPixels, &fake.printer), QList<int>({20, 40}));
}

TEST(WrapText, LineHeightAndLinesThatFit) {
    FakeTextCanvas fake;
    const auto result = TppPlainText::LineHeight(TppFont(), 500, fake.canvas, 10 * kLine);
    EXPECT_EQ(result.lineHeight, kLine + 500);
    EXPECT_EQ(result.lineCount, 8) << "200 pixels over 25-pixel lines";
}

// The text of lines as characters placed: without blanks, breaks and marks.
QString placedCharacters(const QStringList& lines) {
    QString out;
    for (QString line : lines)
        out += line.remove(TppTextMarkups::ParagraphEnd.toString()).remove(u' ');
    return out;
}

QString expectedCharacters(QString text) {
    return text.remove(TppTextMarkups::ParagraphEnd.toString()).remove(u' ').remove(u'\r').remove(u'\n');
}

QString randomText(std::mt19937& random, int length) {
    static const QString pieces[] = {"a",  "b",       "W",          "1",          "\u00E9", "\u00B6", "$",
                                     " ",  " ",       " ",          "  ",         "\t",     "\r\n",   "\n",
                                     "\r", "$\u00B6", "\U0001F600", "longerword", "x"};
    std::uniform_int_distribution<int> pick(0, int(std::size(pieces)) - 1);
    QString text;
    while (text.size() < length)
        text += pieces[pick(random)];
    return text;
}

TEST(WrapText, PageAfterPageEveryCharacterComesBackExactlyOnce) {
    FakeTextCanvas fake;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        const QString text = randomText(random, 2000 + int(random() % 3000));
        TppPlainText::WrapOptions options;
        options.charWrap = random() % 2;
        options.autoSize = random() % 4 == 0;
        options.textAlignment = TppTextAlignment(random() % 4);
        const int width = int(random() % 12) * kChar + int(random() % kChar);

        QStringList all;
        int position = 0;
        int pages = 0;
        while (position < text.size()) {
            ASSERT_LT(++pages, 10000) << "seed " << seed << ": no end";
            const int height = kLine + int(random() % (6 * kLine));
            QStringList lines;
            const int before = position;
            TppPlainText::WrapText(text, {0, 0, width, height}, lines, position, TppFont(), fake.canvas,
                                   options);
            ASSERT_GT(position, before) << "seed " << seed << ": every box makes progress";
            ASSERT_LE(lines.size(), height / kLine) << "seed " << seed;
            for (const QString& line : lines) {
                const QString shown = QString(line).remove(TppTextMarkups::ParagraphEnd.toString());
                const int slack = options.autoSize ? 300 : 0;
                if (shown.toUcs4().size() > 1) {
                    EXPECT_LE(TppPlainText::TabbedTextWidth(TppFont(), fake.canvas, shown, {}) * 100,
                              width + slack + 50)
                        << "seed " << seed << ": line '" << shown.toStdString() << "' is too wide";
                }
            }
            all << lines;
        }
        EXPECT_EQ(placedCharacters(all), expectedCharacters(text)) << "seed " << seed;
    }
}

TEST(WrapText, WithRealFontMetricsEveryLineFitsAndTheNextWordWouldNot) {
    // Liberation Sans stands in for Arial with the same metrics.
    TppFont font;
    font.name = QStringLiteral("Liberation Sans");
    font.size = 11;
    FontMetricsMeasurer measurer;
    FakePrinterResolution printer; // 254 pixels per inch
    const TextCanvas canvas{measurer, &printer};
    const QString text = QStringLiteral(
        "The quick brown fox jumps over the lazy dog while the loan schedule keeps its twelve columns "
        "of payments, interest and principal in step with the balance that remains after each month.");
    const int width = 40000;
    QStringList lines;
    int position = 0;
    TppPlainText::WrapText(text, {0, 0, width, 100000}, lines, position, font, canvas, {});
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(position, text.size());
    const int boxPixels = canvas.toPixels(width, Axis::Horizontal);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineWidth = measurer.width(font, 254, lines[i]);
        EXPECT_LE(canvas.toMM(lineWidth, Axis::Horizontal), width) << lines[i].toStdString();
        if (i + 1 < lines.size()) {
            const QString longer = lines[i] + u' ' + lines[i + 1].section(u' ', 0, 0);
            EXPECT_GT(measurer.width(font, 254, longer), boxPixels - 1) << longer.toStdString();
        }
    }
}

} // namespace
