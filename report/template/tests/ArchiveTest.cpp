#include "ArchiveReader.h"
#include "ComponentWriter.h"
#include "OutputClasses.h"
#include "PageDump.h"
#include "PagewrightErrors.h"
#include "TppArchiveDevice.h"
#include "TppDrawShape.h"
#include "TppDrawText.h"
#include "TppOutlineDrawCommand.h"
#include "TppOutlineNode.h"
#include "TppPage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using Pages = std::vector<std::unique_ptr<TppPage>>;

// The outline as the engine leaves it at the end of page `number`: the
// report's entry with an entry per page so far.
TppOutlineDrawCommand* outlineUpTo(int number, int count) {
    TppOutlineNode root;
    root.NodeType = ntRoot;
    root.PageReference = -1;
    auto* main = new TppOutlineNode;
    main->Caption = QStringLiteral("Main");
    main->NodeType = ntReport;
    main->PageReference = 1;
    main->SetParent(&root);
    for (int page = 1; page <= number; ++page) {
        auto* entry = new TppOutlineNode;
        entry->Caption = QStringLiteral("Page %1").arg(page);
        entry->NodeType = ntPage;
        entry->PageReference = page;
        entry->SetParent(main);
    }
    auto* command = new TppOutlineDrawCommand;
    command->Completed = number == count;
    command->SetTree(root);
    return command;
}

// Pages of a small report: a heading, a word-wrapped text, a coloured
// box, and an outline entry on every page as the engine makes them.
Pages reportPages(int count) {
    Pages pages;
    for (int number = 1; number <= count; ++number) {
        auto page = std::make_unique<TppPage>();
        page->Final = true;
        page->AbsolutePageNo = page->PageNo = number;
        page->AbsolutePageCount = page->PageCount = count;
        page->FirstPage = number == 1;
        page->LastPage = number == count;
        page->DocumentName = QStringLiteral("Orders");
        auto* heading = new TppDrawText(page.get());
        heading->Text = QStringLiteral("Page %1, \"quoted\"").arg(number);
        heading->SetLeft(10000);
        heading->SetTop(12000);
        heading->SetWidth(80000);
        heading->SetHeight(5000);
        heading->Font.name = QStringLiteral("Liberation Serif");
        heading->Font.style = TppFont::fsBold;
        page->AddDrawCommand(heading);
        auto* memo = new TppDrawText(page.get());
        memo->Text = QStringLiteral("first line second line");
        memo->WordWrap = true;
        memo->WrappedText = QStringList{"first line", "second line"};
        memo->SetTop(20000);
        memo->SetWidth(30000);
        memo->SetHeight(10000);
        page->AddDrawCommand(memo);
        auto* box = new TppDrawShape(page.get());
        box->Brush.color = 0x00FF00;
        box->SetTop(40000);
        box->SetWidth(5000);
        box->SetHeight(5000);
        page->AddDrawCommand(box);
        page->AddDrawCommand(outlineUpTo(number, count));
        pages.push_back(std::move(page));
    }
    return pages;
}

QByteArray streamOf(const TppPage& page) {
    QByteArray bytes;
    WriteComponent(bytes, &page, page);
    return bytes;
}

class Archive : public testing::Test {
protected:
    static void SetUpTestSuite() { registerOutputClasses(); }

    QByteArray archived(const Pages& pages, bool removeInnerOutlines = true) {
        TppArchiveDevice device;
        device.RemoveInnerOutlines = removeInnerOutlines;
        device.SetFileName(path);
        device.BeginJob();
        for (const auto& page : pages)
            device.AcceptPage(*page);
        device.FinishJob();
        return contents();
    }
    QByteArray contents() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    const QString path = folder.filePath("report.raf");
};

qint32 wordAt(const QByteArray& data, qsizetype at) {
    return qFromLittleEndian<qint32>(data.constData() + at);
}

TEST_F(Archive, AnArchiveOfThreePagesStartsWithItsOffsetTable) {
    const QByteArray data = archived(reportPages(3));
    EXPECT_EQ(wordAt(data, 0), 28) << "4 + 8 bytes per page";
    EXPECT_EQ(wordAt(data, 4), 0);
    EXPECT_EQ(wordAt(data, 8), 1);
    EXPECT_EQ(wordAt(data, 16), 2) << "the second entry's page number";
    EXPECT_EQ(data.mid(28, 4), "TPF0");
    EXPECT_EQ(data.mid(28 + wordAt(data, 12), 4), "TPF0") << "the second page where its offset says";
}

TEST_F(Archive, ReadsBackThePagesItWasWrittenFrom) {
    const Pages pages = reportPages(3);
    const Pages read = ReadArchive(archived(pages, false));
    ASSERT_EQ(read.size(), pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pageDumpLines(*read[i]), pageDumpLines(*pages[i]));
        EXPECT_EQ(streamOf(*read[i]), streamOf(*pages[i])) << "page " << i + 1 << ", every property";
    }
}

TEST_F(Archive, OnlyTheLastPageKeepsItsOutlineAndThePagesHandedOutKeepTheirs) {
    const Pages pages = reportPages(3);
    const Pages read = ReadArchive(archived(pages));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0]->FindOutlineDrawCommand(), nullptr);
    EXPECT_EQ(read[1]->FindOutlineDrawCommand(), nullptr);
    ASSERT_NE(read[2]->FindOutlineDrawCommand(), nullptr);
    EXPECT_TRUE(read[2]->FindOutlineDrawCommand()->IsSameAs(*pages[2]->FindOutlineDrawCommand()))
        << "the whole tree is kept: " << pageDumpLines(*read[2]).join(u'\n').toStdString();
    EXPECT_NE(pages[0]->FindOutlineDrawCommand(), nullptr) << "the archive works on a copy";
}

TEST_F(Archive, AppearsUnderItsNameOnlyOnceCompleteAndACancelledJobIsCompletedWhenTheDeviceGoes) {
    const Pages pages = reportPages(3);
    {
        TppArchiveDevice device;
        device.SetFileName(path);
        device.BeginJob();
        EXPECT_TRUE(QFile::exists(device.TempFileName()));
        EXPECT_TRUE(QFileInfo(device.TempFileName()).fileName().startsWith("arc"));
        device.AcceptPage(*pages[0]);
        device.AcceptPage(*pages[1]);
        device.AbortJob();
        EXPECT_FALSE(QFile::exists(path)) << "no half archive under the target name";
    }
    const Pages read = ReadArchive(contents());
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1]->AbsolutePageNo, 2);
}

TEST_F(Archive, AnEmptyJobIsAnArchiveOfNoPages) {
    const QByteArray data = archived({});
    EXPECT_EQ(data, QByteArray("\x04\0\0\0", 4));
    EXPECT_TRUE(ReadArchive(data).empty());
}

TEST_F(Archive, AFileThatCannotBeCreatedStopsTheJob) {
    TppArchiveDevice device;
    device.SetFileName(folder.filePath("missing/report.raf"));
    EXPECT_THROW(device.BeginJob(), EPrintError);
    EXPECT_FALSE(device.InJob());
}

// Damaged archives, each from a good one of two pages.
struct Damage {
    const char* name;
    std::function<void(QByteArray&)> apply;
    const char* says;
};

QByteArray withWord(QByteArray data, qsizetype at, quint32 value) {
    qToLittleEndian(value, data.data() + at);
    return data;
}

TEST_F(Archive, RefusesDamagedArchivesSayingWhatIsWrong) {
    const QByteArray good = archived(reportPages(2));
    const qint32 second = wordAt(good, 12);
    const Damage cases[] = {
        {"shorter than its header", [](QByteArray& d) { d.truncate(3); }, "fewer than the 4"},
        {"D not 4 plus 8 per page", [](QByteArray& d) { d = withWord(d, 0, 18); }, "not 4 plus 8 per page"},
        {"D past the end", [](QByteArray& d) { d = withWord(d, 0, 4 + 8 * 1000); }, "past its end"},
        {"offset of 2^31", [](QByteArray& d) { d = withWord(d, 12, 0x80000000u); }, "2^31 or more"},
        {"offset past the end", [](QByteArray& d) { d = withWord(d, 12, d.size()); }, "truncated"},
        {"first page not at the start", [second](QByteArray& d) { d = withWord(d, 4, second); }, "not where"},
        {"pages out of order", [](QByteArray& d) { d = withWord(d, 12, 0); }, "not after page 1"},
        {"page data without its signature", [](QByteArray& d) { d[20] = 'X'; }, "\"TPF0\""},
        {"truncated page stream", [](QByteArray& d) { d.chop(5); }, "page 2"},
        {"page number not the listed one", [](QByteArray& d) { d = withWord(d, 8, 7); }, "listed as page 7"},
    };
    for (const Damage& damage : cases) {
        QByteArray data = good;
        damage.apply(data);
        try {
            ReadArchive(data);
            ADD_FAILURE() << damage.name << ": read";
        } catch (const ETemplateLoadError& error) {
            EXPECT_TRUE(error.message().contains(QLatin1String(damage.says)))
                << damage.name << ": " << error.message().toStdString();
        }
    }
}

TEST_F(Archive, AMissingFileIsRefusedWithItsName) {
    try {
        ReadArchiveFile(folder.filePath("none.raf"));
        FAIL();
    } catch (const ETemplateLoadError& error) {
        EXPECT_TRUE(error.message().contains("none.raf")) << error.message().toStdString();
    }
}

} // namespace
