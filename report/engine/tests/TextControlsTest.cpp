#include "GenerationFixture.h"
#include "OneFieldData.h"
#include "TppDBPipeline.h"
#include "TppDBText.h"
#include "TppDrawRichText.h"
#include "TppDrawText.h"
#include "TppLabel.h"
#include "TppMemo.h"
#include "TppRichText.h"
#include "TppRichTextDocument.h"
#include "TppTextMarkups.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// Texts are measured with Qt's font metrics at the screen's 96 pixels per
// inch; the default font is Arial, for which Liberation Sans stands in.
class TextControlsTest : public testing::Test, public GenerationFixture {
protected:
    template <class Command> QList<Command*> commands(TppPage& page) {
        QList<Command*> found;
        for (int i = 0; i < page.DrawCommandCount(); ++i)
            if (auto* command = dynamic_cast<Command*>(page.DrawCommand(i)))
                found << command;
        return found;
    }

    // Runs band passes until the band is finished; the pages' commands of the class.
    template <class Command, class Collect> int runPages(int top, int bottom, Collect collect) {
        int pages = 0;
        do {
            runPass(top, bottom);
            for (Command* command : commands<Command>(page))
                collect(*command);
        } while (band->OutOfSpace && ++pages < 50);
        return pages + 1;
    }

    // A one-field table and a pipeline over it, on its first record.
    TppDBPipeline* pipelineOver(FieldType type, const QVariantList& values) {
        return data.pipeline(form, type, values);
    }

    OneFieldData data;
};

QString words(int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text +=
            QStringLiteral("word%1%2").arg(i).arg(i % 7 == 6 ? QStringLiteral("\r\n") : QStringLiteral(" "));
    return text;
}

QString withoutBlanksAndBreaks(QString text) {
    return text.remove(TppTextMarkups::ParagraphEnd.toString()).remove(u' ').remove(u'\r').remove(u'\n');
}

TEST_F(TextControlsTest, AMemoSpansPagesAndPrintsEveryWordOnce) {
    auto* memo = add<TppMemo>(1000, 0, 30000, 5000);
    memo->SetStretch(true);
    memo->SetTextAlignment(taFullJustified);
    const QString text = words(120);
    memo->SetLines(text.split(QStringLiteral("\r\n")));
    startReport();

    QStringList printed;
    QList<int> heights;
    const int pages = runPages<TppDrawText>(20000, 60000, [&](TppDrawText& command) {
        EXPECT_TRUE(command.IsMemo);
        EXPECT_EQ(command.Left(), 5000 + 1000);
        heights << command.Height();
        printed << command.WrappedText;
    });
    EXPECT_GT(pages, 2);
    EXPECT_EQ(withoutBlanksAndBreaks(printed.join(QString())), withoutBlanksAndBreaks(memo->MemoText()));
    EXPECT_EQ(memo->TextPosition, 0) << "ready for the next record";
    EXPECT_FALSE(memo->OverFlow);
    for (qsizetype i = 0; i + 1 < heights.size(); ++i)
        EXPECT_LE(heights[i], 40000) << "page " << i + 1 << " stays above the page bottom";
    EXPECT_TRUE(printed.last().endsWith(TppTextMarkups::ParagraphEnd)) << "the last line ends a paragraph";
}

TEST_F(TextControlsTest, AMemoThatGetsNoLineResumesWhereItStartedAndOneThatNeverCanStillProgresses) {
    auto* memo = add<TppMemo>(0, 0, 30000, 5000);
    memo->SetStretch(true);
    memo->SetLines({QStringLiteral("first second third fourth fifth sixth seventh eighth ninth tenth")});
    startReport();

    runPass(20000, 29000);
    const QStringList firstPage =
        commands<TppDrawText>(page).value(0) ? commands<TppDrawText>(page)[0]->WrappedText : QStringList();
    ASSERT_FALSE(firstPage.isEmpty());
    const int reached = memo->TextPosition;
    ASSERT_TRUE(memo->OverFlow);

    // Something else already fills the page: not even a line fits below it.
    report->pageHasContent = true;
    runPass(20000, 20500);
    EXPECT_TRUE(commands<TppDrawText>(page).isEmpty());
    EXPECT_EQ(memo->TextPosition, reached) << "the text is not started again";
    EXPECT_TRUE(memo->OverFlow);

    // A page on which nothing else is and still no line fits.
    report->pageHasContent = false;
    int pages = 0;
    while (memo->OverFlow && ++pages < 30)
        runPass(20000, 20500);
    EXPECT_FALSE(memo->OverFlow) << "one line per page, clipped, until the text is done";
    EXPECT_LT(pages, 30);
}

TEST_F(TextControlsTest, AnAutoSizedRightAlignedLabelKeepsItsRightEdge) {
    auto* label = add<TppLabel>(10000, 0, 20000, 5000);
    label->SetAlignment(taRightJustify);
    label->SetCaption(QStringLiteral("Short"));
    const int right = label->mmRight();
    label->SetCaption(QStringLiteral("A much longer caption"));
    EXPECT_EQ(label->mmRight(), right);
    EXPECT_GT(label->mmWidth(), 20000 / 4);
    label->SetTextAlignment(taFullJustified);
    EXPECT_EQ(label->TextAlignment(), taRightJustified) << "a single text cannot be fully justified";
}

TEST_F(TextControlsTest, AWrappedLabelDrawsTheLinesThatFitItsBox) {
    auto* label = add<TppLabel>(0, 0, 15000, 9000);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBounds(0, 0, 15000, 9000); // turning AutoSize off fitted the height to one line
    label->SetCaption(words(30));
    label->OnGetText.handler = [](TppCommunicator*, QString& text) { text = text.toUpper(); };
    startReport();
    runPass();
    const QList<TppDrawText*> texts = commands<TppDrawText>(page);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0]->Text.startsWith("WORD0 WORD1")) << "OnGetText replaced the text";
    EXPECT_GE(texts[0]->WrappedText.size(), 2);
    EXPECT_LE(texts[0]->WrappedText.size(), 3) << "lines below the box are left out";
    EXPECT_EQ(texts[0]->SourceComponent(), label);
}

TEST_F(TextControlsTest, BlankWhenZeroBlanksNumbersAndDatesButNotText) {
    const struct {
        const char* name;
        FieldType type;
        QVariant value;
        bool blank;
    } cases[] = {
        {"integer 0", FieldType::Integer, 0, true},
        {"floating 0.0", FieldType::Float, 0.0, true},
        {"zero currency", FieldType::Currency, 0.0, true},
        {"date of day 0", FieldType::Date, QDate(1899, 12, 30), true},
        {"integer 5", FieldType::Integer, 5, false},
        {"the character 0 in a text field", FieldType::String, QStringLiteral("0"), false},
    };
    for (const auto& c : cases) {
        auto* text = add<TppDBText>(0, 0, 10000, 4000);
        text->SetDataPipeline(pipelineOver(c.type, {c.value}));
        text->SetDataField(QStringLiteral("F"));
        text->SetBlankWhenZero(true);
        EXPECT_EQ(text->Text().isEmpty(), c.blank) << c.name << ": " << text->Text().toStdString();
        delete text;
    }
}

TEST_F(TextControlsTest, TheFormatHandlerSeesBlankEmptyAndNullValuesToo) {
    const struct {
        const char* name;
        FieldType type;
        QVariant value;
        const char* seen;
    } cases[] = {
        {"a blank zero", FieldType::Integer, 0, "0|"},
        {"an empty text", FieldType::String, QStringLiteral(""), "|"},
        {"a null", FieldType::Integer, QVariant(), "|"},
        {"a number", FieldType::Integer, 7, "7|7"},
    };
    for (const auto& c : cases) {
        auto* text = add<TppDBText>(0, 0, 10000, 4000);
        text->SetDataPipeline(pipelineOver(c.type, {c.value}));
        text->SetDataField(QStringLiteral("F"));
        text->SetBlankWhenZero(true);
        QString seen;
        text->OnFormat.handler = [&seen](TppCommunicator*, const QString&, TppDataType, const QVariant& value,
                                         QString& shown) {
            seen = value.toString() + u'|' + shown;
            shown = QStringLiteral("n/a");
        };
        EXPECT_EQ(text->Text(), "n/a") << c.name;
        EXPECT_EQ(seen, c.seen) << c.name;
        delete text;
    }
}

TEST_F(TextControlsTest, WithoutDataADataTextShowsWhatItWouldPrint) {
    auto* text = add<TppDBText>(0, 0, 10000, 4000);
    text->SetUserName(QStringLiteral("Amount"));
    EXPECT_EQ(text->Text(), "Amount") << "no field: its name in the report";
    text->SetDataField(QStringLiteral("PAYMENT"));
    EXPECT_EQ(text->Text(), "PAYMENT") << "a field but no pipeline";
    report->SetPrinting(true);
    EXPECT_EQ(text->Text(), "") << "while printing, nothing";
    report->SetPrinting(false);
}

TEST_F(TextControlsTest, ARepeatedValueIsSuppressedUntilItsGroupBreaks) {
    TppDBPipeline* pipeline = pipelineOver(FieldType::String, {"A", "A", "A", "B"});
    auto* text = add<TppDBText>(0, 0, 10000, 4000);
    text->SetDataPipeline(pipeline);
    text->SetDataField(QStringLiteral("F"));
    text->SetSuppressRepeatedValues(true);
    startReport();

    QStringList shown;
    const auto record = [&] {
        runPass();
        const QList<TppDrawText*> texts = commands<TppDrawText>(page);
        shown << (texts.isEmpty() ? QStringLiteral("-") : texts[0]->Text);
        pipeline->Next();
        text->RecordAdvanced();
    };
    record();
    record();
    text->ResetGroupBroke();
    record();
    record();
    EXPECT_EQ(shown, QStringList({"A", "-", "A", "B"}));
}

QByteArray richParagraphs(int count) {
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}\\f0\\fs20 ";
    for (int i = 0; i < count; ++i)
        rtf += "Paragraph " + QByteArray::number(i) + " with {\\b bold} words\\par ";
    return rtf + "}";
}

TEST_F(TextControlsTest, RichTextContinuesFromTheFirstCharacterThatDidNotFit) {
    auto* rich = add<TppRichText>(0, 0, 60000, 5000);
    rich->SetStretch(true);
    rich->SetRichText(richParagraphs(40));
    startReport();
    QList<QPair<int, int>> ranges;
    runPages<TppDrawRichText>(20000, 60000, [&](TppDrawRichText& command) {
        ranges << qMakePair(command.StartCharPos, command.EndCharPos);
        EXPECT_LE(command.Top() + command.Height(), 60000);
    });
    ASSERT_GT(ranges.size(), 2);
    EXPECT_EQ(ranges.front().first, 0);
    for (qsizetype i = 0; i + 1 < ranges.size(); ++i)
        EXPECT_EQ(ranges[i + 1].first, ranges[i].second + 1)
            << "page " << i + 2 << " goes on where " << i + 1 << " ended";
    EXPECT_GE(ranges.back().second, TppRichTextDocument(richParagraphs(40)).Length() - 2);
}

TEST_F(TextControlsTest, RichTextThatCannotFitACharacterOverflowsAndKeepsItsPlace) {
    auto* rich = add<TppRichText>(0, 0, 60000, 5000);
    rich->SetStretch(true);
    rich->SetRichText(richParagraphs(3));
    startReport();
    report->pageHasContent = true;
    runPass(20000, 20300);
    EXPECT_TRUE(commands<TppDrawRichText>(page).isEmpty());
    EXPECT_TRUE(rich->OverFlow) << "it does not vanish";
    runPass(20000, 100000);
    const QList<TppDrawRichText*> drawn = commands<TppDrawRichText>(page);
    ASSERT_EQ(drawn.size(), 1);
    EXPECT_EQ(drawn[0]->StartCharPos, 0) << "and starts from its first character";
    EXPECT_FALSE(rich->OverFlow);
}

TEST_F(TextControlsTest, ABandOfTextControlsDrawsInItsObjectOrder) {
    TppDBPipeline* pipeline = pipelineOver(FieldType::Float, {1234.5});
    auto* label = add<TppLabel>(0, 0, 10000, 4000);
    label->SetCaption(QStringLiteral("Payment"));
    auto* amount = add<TppDBText>(12000, 0, 20000, 4000);
    amount->SetDataPipeline(pipeline);
    amount->SetDataField(QStringLiteral("F"));
    amount->SetDisplayFormat(QStringLiteral("#,0.00"));
    auto* memo = add<TppMemo>(0, 5000, 40000, 4000);
    memo->SetLines({QStringLiteral("Notes on the loan")});
    auto* rich = add<TppRichText>(50000, 0, 40000, 9000);
    rich->SetRichText("{\\rtf1 Dear {\\b customer}}");
    auto* frame = add<TestBox>(0, 0, 100000, 10000);
    startReport();
    runPass();
    ASSERT_EQ(page.DrawCommandCount(), 5);
    EXPECT_EQ(static_cast<TppDrawText*>(page.DrawCommand(0))->Text, "Payment");
    EXPECT_EQ(static_cast<TppDrawText*>(page.DrawCommand(1))->Text, "1,234.50");
    EXPECT_EQ(page.DrawCommand(1)->DataType(), dtDouble);
    EXPECT_EQ(static_cast<TppDrawText*>(page.DrawCommand(2))->WrappedText, QStringList{"Notes on the loan"});
    EXPECT_EQ(page.DrawCommand(2)->Top(), 20000 + 5000);
    EXPECT_EQ(static_cast<TppDrawRichText*>(page.DrawCommand(3))->StartCharPos, 0);
    EXPECT_EQ(page.DrawCommand(4)->Width(), frame->mmWidth());
}

} // namespace
