#include "DrawCommandRenderers.h"
#include "DrawSurface.h"
#include "RichTextDrawing.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "TppDrawRichText.h"
#include "TppRichTextDocument.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QTextCharFormat formatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1); // the format of the character before the cursor
    return cursor.charFormat();
}

const QByteArray kSample =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman Times New "
    "Roman;}}\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
    "{\\*\\generator Some Writer 1.0;}{\\info{\\title Not text}}\n"
    "\\pard\\qc\\tx1440\\tx2880\\f0\\fs20 Plain {\\b bold} {\\i\\cf1 red italic} \\ul under\\ulnone\\par\n"
    "\\pard\\qr\\li720\\sb120 \\f1\\fs32\\cf2 Caf\\'e9 \\u8364?\\tab x\\line y {\\*\\unknown skipped} "
    "\\{\\}\\\\\\par\n"
    "\\pard\\qj last}";

TEST(RtfReader, ReadsTheFormattingReportsUse) {
    QTextDocument document;
    readRtf(kSample, document);
    ASSERT_EQ(document.blockCount(), 3);
    const QTextBlock first = document.begin();
    EXPECT_EQ(first.text(), "Plain bold red italic under");
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    ASSERT_EQ(first.blockFormat().tabPositions().size(), 2);
    EXPECT_EQ(first.blockFormat().tabPositions()[1].position, 2880) << "tab stops in twips";

    EXPECT_EQ(formatAt(document, 0).fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(formatAt(document, 0).fontPointSize(), 10) << "half points";
    EXPECT_EQ(formatAt(document, 0).fontWeight(), QFont::Normal);
    EXPECT_EQ(formatAt(document, 6).fontWeight(), QFont::Bold) << "bold inside its group";
    EXPECT_EQ(formatAt(document, 11).fontWeight(), QFont::Normal) << "the group's end restores";
    EXPECT_TRUE(formatAt(document, 11).fontItalic());
    EXPECT_EQ(formatAt(document, 11).foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(formatAt(document, 22).fontItalic());
    EXPECT_TRUE(formatAt(document, 23).fontUnderline());

    const QTextBlock second = first.next();
    EXPECT_EQ(second.text(), QString::fromUtf8("Caf\u00E9 \u20AC\tx\u2028y  {}\\"))
        << "code page and Unicode characters, tab, line break; skipped groups leave nothing";
    EXPECT_EQ(second.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(second.blockFormat().leftMargin(), 720);
    EXPECT_EQ(second.blockFormat().topMargin(), 120);
    const int secondStart = second.position();
    EXPECT_EQ(formatAt(document, secondStart).fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(formatAt(document, secondStart).fontPointSize(), 16);
    EXPECT_EQ(formatAt(document, secondStart).foreground().color(), QColor(0, 0, 255));

    EXPECT_EQ(second.next().text(), "last");
    EXPECT_EQ(second.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
}

TEST(RtfReader, WhatIsNoRichTextIsPlainText) {
    QTextDocument document;
    readRtf("Just words\nand lines", document);
    EXPECT_EQ(document.toPlainText(), "Just words\nand lines");
}

TEST(RtfReader, DamagedInputEndsQuietly) {
    const QByteArray damaged[] = {"{\\rtf1 unclosed {\\b group",
                                  "{\\rtf1 too many}}} closers}",
                                  "{\\rtf1 cut \\'",
                                  "{\\rtf1 cut \\u",
                                  "{\\rtf1 \\u99999999999 big}",
                                  "{\\rtf1 \\fs-4 x\\f99 y}",
                                  "{\\rtf1 {\\colortbl ;\\red999;}\\cf1 z\\cf-3 w}",
                                  "{\\rtf1 \\"};
    for (const QByteArray& rtf : damaged) {
        QTextDocument document;
        readRtf(rtf, document);
        EXPECT_FALSE(document.toPlainText().contains(u'\\')) << rtf.constData();
    }
}

TEST(RtfWriter, WhatIsWrittenReadsBackTheSame) {
    QTextDocument original;
    readRtf(kSample, original);
    QTextDocument copy;
    readRtf(writeRtf(original), copy);
    ASSERT_EQ(copy.toPlainText(), original.toPlainText());
    for (int i = 0; i < original.characterCount() - 1; ++i) {
        const QTextCharFormat a = formatAt(original, i);
        const QTextCharFormat b = formatAt(copy, i);
        EXPECT_EQ(a.fontFamilies(), b.fontFamilies()) << i;
        EXPECT_EQ(a.fontPointSize(), b.fontPointSize()) << i;
        EXPECT_EQ(a.fontWeight(), b.fontWeight()) << i;
        EXPECT_EQ(a.fontItalic(), b.fontItalic()) << i;
        EXPECT_EQ(a.fontUnderline(), b.fontUnderline()) << i;
        EXPECT_EQ(a.foreground().color(), b.foreground().color()) << i;
    }
    for (QTextBlock a = original.begin(), b = copy.begin(); a.isValid(); a = a.next(), b = b.next()) {
        EXPECT_EQ(a.blockFormat().alignment(), b.blockFormat().alignment());
        EXPECT_EQ(a.blockFormat().leftMargin(), b.blockFormat().leftMargin());
        EXPECT_EQ(a.blockFormat().topMargin(), b.blockFormat().topMargin());
        EXPECT_EQ(a.blockFormat().tabPositions(), b.blockFormat().tabPositions());
    }
}

QByteArray paragraphs(int count) {
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}\\f0\\fs24 ";
    for (int i = 0; i < count; ++i)
        rtf += "Line " + QByteArray::number(i) + (i + 1 < count ? "\\par " : "");
    return rtf + "}";
}

TEST(RichTextDocument, FitsARangeLineByLine) {
    TppRichTextDocument document(paragraphs(10));
    const int length = document.Length();
    const auto all = document.FitRange(0, length, 10000, 100000);
    EXPECT_EQ(all.firstUnfit, -1);
    const int lineHeight = all.heightUsed / 10;
    ASSERT_GT(lineHeight, 200) << "12 points are 240 twips and a little more";

    const auto three = document.FitRange(0, length, 10000, 3 * lineHeight + lineHeight / 2);
    EXPECT_EQ(three.firstUnfit, document.PlainText().indexOf("Line 3"))
        << "the fourth paragraph starts the rest";
    EXPECT_NEAR(three.heightUsed, 3 * lineHeight, 3);

    const auto rest = document.FitRange(three.firstUnfit, length, 10000, 100000);
    EXPECT_EQ(rest.firstUnfit, -1);
    EXPECT_NEAR(rest.heightUsed, 7 * lineHeight, 3) << "heights count from the range's first line";

    const auto none = document.FitRange(three.firstUnfit, length, 10000, lineHeight / 2);
    EXPECT_EQ(none.firstUnfit, three.firstUnfit) << "a box lower than a line holds nothing";
    EXPECT_EQ(none.heightUsed, 0);
}

TEST(RichTextDocument, IndentsAndSpacingAreTwipsOfTheLayout) {
    TppRichTextDocument plain(paragraphs(2));
    const int twoLines = plain.FitRange(0, plain.Length(), 10000, 100000).heightUsed;
    TppRichTextDocument spaced("{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}\\f0\\fs24 Line 0\\par "
                               "\\sb1440\\li720\\tx2160 Line 1}");
    EXPECT_NEAR(spaced.FitRange(0, spaced.Length(), 10000, 100000).heightUsed, twoLines + 1440, 3)
        << "an inch of space before is 1440 layout pixels";
    EXPECT_TRUE(spaced.ToRtf().contains("\\li720\\sb1440\\tx2160")) << spaced.ToRtf().constData();
}

TEST(RichTextDocument, LengthsAndHeightsBeyondAnyPageEndTheLayoutQuickly) {
    struct Case {
        const char* name;
        QByteArray rtf;
        int length;   // of the whole text
        bool allText; // false: the text past the height a document may have is left out
    };
    QByteArray tallLines = "{\\rtf1\\fs99999 ";
    QByteArray spacedLines = "{\\rtf1\\sb31680\\sa31680 ";
    for (int i = 0; i < 1000; ++i) {
        tallLines += "ab\\par ";
        spacedLines += "ab\\par ";
    }
    const Case cases[] = {
        {"spacing of a million twips is cut to a page",
         "{\\rtf1 \\sb1202020 a\\par b\\par \\sa1202020 c\\par d}", 7, true},
        {"indents of a million twips",
         "{\\rtf1 \\li1202020\\ri1202020\\fi-1202020\\tx1202020 a\\tab b\\par c}", 5, true},
        {"paragraphs of the largest type", tallLines + "}", 3000, false},
        {"paragraphs of the most spacing", spacedLines + "}", 3000, false},
    };
    for (const Case& c : cases) {
        QElapsedTimer timer;
        timer.start();
        TppRichTextDocument document(c.rtf);
        const auto fit = document.FitRange(0, document.Length(), 2880, 100000);
        (void)document.ToRtf();
        EXPECT_LT(timer.elapsed(), 5000) << c.name;
        EXPECT_GE(fit.heightUsed, 0) << c.name;
        EXPECT_EQ(document.Length() == c.length, c.allText) << c.name << ": " << document.Length();
        EXPECT_GT(document.Length(), 0) << c.name;
    }
    TppRichTextDocument clamped("{\\rtf1 \\sb1202020 a\\par b}");
    EXPECT_TRUE(clamped.ToRtf().contains("\\sb31680")) << "22 inches, the longest paper";
}

TEST(RichTextDocument, MailMergeKeepsTheFormatting) {
    TppRichTextDocument document(
        "{\\rtf1 Dear {\\b <Name>}, you owe <Amount>; <Unknown> stays, <a <Name>>.}");
    document.MailMerge([](const QString& name) -> std::optional<QString> {
        if (name == "Name")
            return QStringLiteral("Ann <Amount>");
        if (name == "Amount")
            return QStringLiteral("$5");
        return std::nullopt;
    });
    QTextDocument check;
    readRtf(document.ToRtf(), check);
    EXPECT_EQ(check.toPlainText(), "Dear Ann <Amount>, you owe $5; <Unknown> stays, <a Ann <Amount>>.")
        << "replacements are not searched again";
    EXPECT_EQ(formatAt(check, 5).fontWeight(), QFont::Bold) << "the value takes the format of the field";
    EXPECT_EQ(formatAt(check, 20).fontWeight(), QFont::Normal);
}

// Rows of the image that hold ink (non-white pixels) between the columns.
QList<int> inkRows(const QImage& image) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white) {
                rows << y;
                break;
            }
    return rows;
}

TEST(RichTextDrawing, DrawsItsRangeAtTheTopOfItsBox) {
    registerRichTextRenderer();
    TppRichTextDocument document(paragraphs(10));
    TppDrawRichText command;
    command.RichTextStream = document.ToRtf();
    command.SetWidth(50000);
    command.SetHeight(20000);
    command.Transparent = true;
    QImage image(200, 200, QImage::Format_RGB32);
    const auto draw = [&](int start, int end) {
        image.fill(Qt::white);
        command.StartCharPos = start;
        command.EndCharPos = end;
        command.DeviceLeft = 10;
        command.DeviceTop = 20;
        command.DeviceRight = 190;
        command.DeviceBottom = 100;
        QPainter painter(&image);
        FontMetricsMeasurer measurer;
        DrawSurface surface(painter, 96, 96, measurer, false);
        DrawCommandRenderers::instance().find(TppDrawRichText::staticClassInfo())(surface, command);
    };
    const int third = document.PlainText().indexOf("Line 3");
    const int fourth = document.PlainText().indexOf("Line 4");
    draw(third, fourth - 1);
    const QList<int> oneLine = inkRows(image);
    ASSERT_FALSE(oneLine.isEmpty());
    EXPECT_GE(oneLine.front(), 20);
    EXPECT_LT(oneLine.back(), 20 + 20) << "one line of 12 points at 96 pixels per inch";

    draw(0, document.Length());
    const QList<int> all = inkRows(image);
    EXPECT_LT(all.back(), 100) << "clipped to the box";
    EXPECT_GT(all.back(), 80) << "the box is full";
}

} // namespace
