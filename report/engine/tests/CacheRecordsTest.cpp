#include "DataSource.h"
#include "GenerationFixture.h"
#include "MemoryTable.h"
#include "PageDump.h"
#include "TppCacheManager.h"
#include "TppDBMemo.h"
#include "TppDBPipeline.h"
#include "TppDBText.h"
#include "TppDrawText.h"
#include "TppGroup.h"
#include "TppLabel.h"
#include "TppMemo.h"
#include "TppRichText.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Sets every field a record should hold from a seed, so that seeds 21
// (binary 10101) and 10 (01010) give states differing in every field.
void setPrintable(TppPrintable& printable, int seed) {
    printable.DrawComponent = seed & 1;
}

QString printableState(const TppPrintable& printable) {
    return QStringLiteral("draw %1").arg(printable.DrawComponent);
}

void setStretchable(TppStretchable& stretchable, int seed) {
    setPrintable(stretchable, seed);
    stretchable.ShiftersStarted = seed & 2;
    stretchable.OverFlow = seed & 4;
    stretchable.PartialGeneration = seed & 8;
    stretchable.KeptTogether = seed & 16;
    stretchable.ShifterIndex = seed;
}

QString stretchableState(const TppStretchable& stretchable) {
    return printableState(stretchable) +
           QStringLiteral(" started %1 overflow %2 partial %3 kept %4 shifter %5")
               .arg(stretchable.ShiftersStarted)
               .arg(stretchable.OverFlow)
               .arg(stretchable.PartialGeneration)
               .arg(stretchable.KeptTogether)
               .arg(stretchable.ShifterIndex);
}

void setRepeated(TppPrintable& printable, RepeatedValue& repeated, int seed) {
    printable.ResetOnCompute = seed & 2;
    repeated.FirstPage = seed;
    repeated.PriorValueSame = seed & 4;
    repeated.AlreadyPrinted = seed & 8;
}

QString repeatedState(const TppPrintable& printable, const RepeatedValue& repeated) {
    return QStringLiteral(" reset %1 first page %2 same %3 printed %4")
        .arg(printable.ResetOnCompute)
        .arg(repeated.FirstPage)
        .arg(repeated.PriorValueSame)
        .arg(repeated.AlreadyPrinted);
}

QString words(int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("word%1 ").arg(i);
    return text;
}

QByteArray richParagraphs(int count) {
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}\\f0\\fs20 ";
    for (int i = 0; i < count; ++i)
        rtf += "Paragraph " + QByteArray::number(i) + " with {\\b bold} words\\par ";
    return rtf + "}";
}

class CacheRecordsTest : public testing::Test, public GenerationFixture {
protected:
    // The band's own continuation state; its record belongs to the band engine.
    struct BandState {
        bool overFlow;
        bool partial;
        int adjustment;
    };
    BandState bandState() const { return {band->OverFlow, band->PartialGeneration, band->PartialAdjustment}; }
    void setBandState(const BandState& state) {
        band->OverFlow = state.overFlow;
        band->PartialGeneration = state.partial;
        band->PartialAdjustment = state.adjustment;
    }

    // Generates three pages of a component that continues from page to page,
    // then each page again from the state saved at the end of the one before.
    void expectPagesGeneratedAgainAlike(TppStretchable* component) {
        component->SetStretch(true);
        startReport();
        TppCacheManager cache;
        cache.RebuildWith({component});
        cache.SavePage(0);
        QList<BandState> bandStates{bandState()};
        QList<QStringList> pages;
        for (int number = 1; number <= 3; ++number) {
            runPass(20000, 40000);
            pages << pageDumpLines(page);
            cache.SavePage(number);
            bandStates << bandState();
        }
        ASSERT_TRUE(component->OverFlow) << "still going after page 3";

        for (int number : {2, 1, 3}) {
            cache.RestorePage(number - 1);
            setBandState(bandStates[number - 1]);
            runPass(20000, 40000);
            EXPECT_EQ(pageDumpLines(page), pages[number - 1]) << "page " << number << " generated again";
        }
    }
};

TEST_F(CacheRecordsTest, EachClassTakesBackEveryFieldOfItsRecord) {
    auto* label = add<TppLabel>(0, 0, 1000, 1000);
    auto* text = add<TppDBText>(0, 0, 1000, 1000);
    auto* memo = add<TppMemo>(0, 0, 1000, 1000);
    auto* dataMemo = add<TppDBMemo>(0, 0, 1000, 1000);
    auto* rich = add<TppRichText>(0, 0, 1000, 1000);
    auto* group = new TppGroup(&form);
    struct Row {
        const char* name;
        TppCacheable* object;
        std::function<void(int)> set;
        std::function<QString()> state;
    };
    const Row rows[] = {
        {"label", label, [&](int seed) { setPrintable(*label, seed); },
         [&] { return printableState(*label); }},
        {"data text", text,
         [&](int seed) {
             setPrintable(*text, seed);
             setRepeated(*text, text->Repeated, seed);
         },
         [&] { return printableState(*text) + repeatedState(*text, text->Repeated); }},
        {"memo", memo,
         [&](int seed) {
             setStretchable(*memo, seed);
             memo->TextPosition = seed * 7;
         },
         [&] { return stretchableState(*memo) + QStringLiteral(" at %1").arg(memo->TextPosition); }},
        {"data memo", dataMemo,
         [&](int seed) {
             setStretchable(*dataMemo, seed);
             dataMemo->TextPosition = seed * 7;
             setRepeated(*dataMemo, dataMemo->Repeated, seed);
         },
         [&] {
             return stretchableState(*dataMemo) + QStringLiteral(" at %1").arg(dataMemo->TextPosition) +
                    repeatedState(*dataMemo, dataMemo->Repeated);
         }},
        {"rich text", rich,
         [&](int seed) {
             setStretchable(*rich, seed);
             rich->StartCharPos = seed;
             rich->EndCharPos = seed * 3;
         },
         [&] {
             return stretchableState(*rich) +
                    QStringLiteral(" %1-%2").arg(rich->StartCharPos).arg(rich->EndCharPos);
         }},
        {"group", group,
         [&](int seed) {
             for (int i = 0; i < seed; ++i)
                 group->DoAfterGroupBreak();
             group->SetFirstPageNo(seed);
             group->SetLastPageNo(seed + 1);
             group->SetBreaking(seed & 1);
             group->SetFirstColumn(seed + 2);
             group->SetKeptTogether(seed & 2);
         },
         [&] {
             return QStringLiteral("pages %1-%2 breaking %3 breaks %4 column %5 kept %6")
                 .arg(group->FirstPageNo())
                 .arg(group->LastPageNo())
                 .arg(group->Breaking())
                 .arg(group->BreakNo())
                 .arg(group->FirstColumn())
                 .arg(group->KeptTogether());
         }},
    };
    for (const Row& row : rows) {
        TppCacheManager cache;
        cache.RebuildWith({row.object});
        row.set(21);
        const QString first = row.state();
        cache.SavePage(1);
        row.set(10);
        const QString second = row.state();
        cache.SavePage(2);
        cache.RestorePage(1);
        EXPECT_EQ(row.state(), first) << row.name;
        cache.RestorePage(2);
        EXPECT_EQ(row.state(), second) << row.name;
    }
    EXPECT_EQ(rich->CacheRecordSize(), 20)
        << "2 flags + 2 padding, the shifter index, 3 flags + 1 padding, two character positions";
}

TEST_F(CacheRecordsTest, AMemoGeneratedAgainFromTheCacheDrawsTheSamePages) {
    auto* memo = add<TppMemo>(1000, 0, 30000, 5000);
    memo->SetLines({words(300)});
    expectPagesGeneratedAgainAlike(memo);
}

TEST_F(CacheRecordsTest, RichTextGeneratedAgainFromTheCacheDrawsTheSamePages) {
    auto* rich = add<TppRichText>(0, 0, 60000, 5000);
    rich->SetRichText(richParagraphs(60));
    expectPagesGeneratedAgainAlike(rich);
}

// A page generated again must compare its first value with the value its
// previous page ended with, not with the value read last (a later page's).
TEST_F(CacheRecordsTest, ARepeatedValueOnAPageGeneratedAgainComparesWithThePageBefore) {
    auto table = std::make_unique<MemoryTable>();
    table->setFieldDefs({{"F", FieldType::String, 20, 0}});
    table->open();
    for (const char* value : {"A", "A", "C"}) {
        table->append();
        table->setValue(0, QString::fromLatin1(value));
        table->post();
    }
    auto* pipeline = new TppDBPipeline(&form);
    pipeline->SetDataSource(new DataSource(&form, table.get()));
    pipeline->Open();
    pipeline->First();
    auto* text = add<TppDBText>(0, 0, 10000, 4000);
    text->SetDataPipeline(pipeline);
    text->SetDataField(QStringLiteral("F"));
    text->SetSuppressRepeatedValues(true);
    startReport();
    TppCacheManager cache;
    cache.RebuildWith({text});

    // One record a page; the state is saved before the next record is announced.
    const auto shown = [&] {
        runPass();
        const QStringList dump = pageDumpLines(page);
        return dump.size() > 1 ? dump[1].section(u' ', 5) : QStringLiteral("-");
    };
    QStringList sequential;
    for (int record = 1; record <= 3; ++record) {
        sequential << shown();
        cache.SavePage(record);
        pipeline->Next();
        text->RecordAdvanced();
    }
    ASSERT_EQ(sequential, QStringList({"\"A\"", "-", "\"C\""}));

    cache.RestorePage(1);
    pipeline->First();
    pipeline->Next();
    text->RecordAdvanced();
    EXPECT_EQ(shown(), "-") << "the second A repeats the first, as it did the first time";
}

} // namespace
