#include "CacheRecord.h"
#include "FixedPageReport.h"
#include "PagewrightErrors.h"
#include "RecordStream.h"
#include "RecordStreamFactory.h"
#include "TppCacheManager.h"
#include "TppComponent.h"
#include "TppDetailBand.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppHeaderBand.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An object whose record is a row of integers: any record size a test
// needs, and a state that tells every page apart.
class Counter : public TppCacheable {
public:
    Counter(OwnedComponent* owner, int recordBytes) : TppCacheable(owner), values(recordBytes / 4, 0) {}
    void setPage(int page) {
        for (int i = 0; i < int(values.size()); ++i)
            values[i] = page * 100 + i;
    }
    void PagesDiscarded(int page) override { discarded << page; }
    std::vector<int> values;
    QList<int> discarded;

protected:
    void CacheFields(CacheRecord& record) override {
        for (int& value : values)
            record.field(value);
    }
};

std::vector<int> pageValues(int page, int recordBytes) {
    Counter expected(nullptr, recordBytes);
    expected.setPage(page);
    return expected.values;
}

std::vector<int> recordAt(RecordStream& stream, qint64 offset, int recordBytes) {
    std::vector<int> values(recordBytes / 4);
    if (!stream.read(offset, reinterpret_cast<char*>(values.data()), recordBytes))
        return {};
    return values;
}

// A stream that keeps nothing: the disk is full.
class FullDiskStream : public RecordStream {
public:
    qint64 size() const override { return 0; }
    bool read(qint64, char*, qint64) override { return false; }
    bool truncate(qint64) override { return true; }
    QString fileName() const override { return QStringLiteral("full"); }

protected:
    bool writeBytes(qint64, QByteArrayView) override { return false; }
};

class FullDiskFactory : public RecordStreamFactory {
public:
    explicit FullDiskFactory(bool filesCanBeCreated) : filesCanBeCreated_(filesCanBeCreated) {}
    std::unique_ptr<RecordStream> createFileStream(const QString&) const override {
        return filesCanBeCreated_ ? std::make_unique<FullDiskStream>() : nullptr;
    }

private:
    bool filesCanBeCreated_;
};

class CacheManagerTest : public testing::Test {
protected:
    // Three members with 12-byte records and one with 20, registered mixed.
    CacheManagerTest() { cache.RebuildWith({&a, &wide, &b, &c}); }

    void savePages(int first, int last) {
        for (int page = first; page <= last; ++page) {
            for (Counter* member : {&a, &b, &c, &wide})
                member->setPage(page);
            cache.SavePage(page);
        }
    }

    void expectPage(int page) {
        for (Counter* member : {&a, &b, &c, &wide})
            EXPECT_EQ(member->values, pageValues(page, int(member->values.size()) * 4))
                << member->values.size() * 4 << "-byte member, page " << page;
    }

    Counter a{nullptr, 12}, b{nullptr, 12}, c{nullptr, 12}, wide{nullptr, 20};
    TppCacheManager cache;
};

TEST_F(CacheManagerTest, MembersOfOneRecordSizeShareAStreamInRegistrationOrder) {
    EXPECT_EQ(a.CacheStream(), b.CacheStream());
    EXPECT_EQ(a.CacheStream(), c.CacheStream());
    EXPECT_NE(a.CacheStream(), wide.CacheStream());
    EXPECT_EQ((QList<int>{a.CachePosition(), b.CachePosition(), c.CachePosition(), wide.CachePosition()}),
              (QList<int>{0, 1, 2, 0}));
    EXPECT_EQ((QList<int>{a.CacheCount(), b.CacheCount(), c.CacheCount(), wide.CacheCount()}),
              (QList<int>{3, 3, 3, 1}));

    savePages(0, 4);
    EXPECT_EQ(recordAt(*b.CacheStream(), 156, 12), pageValues(4, 12))
        << "the second 12-byte member's page 4 lies at (4 x 3 + 1) x 12";
    EXPECT_EQ(b.CacheStream()->size(), 5 * 3 * 12);
    EXPECT_EQ(wide.CacheStream()->size(), 5 * 20);
    EXPECT_EQ(cache.CachePageCount(), 4);
}

TEST_F(CacheManagerTest, RestoringAPageBringsBackItsStateAndAPageNeverSavedChangesNothing) {
    savePages(0, 5);
    cache.RestorePage(2);
    expectPage(2);
    cache.RestorePage(0);
    expectPage(0);

    cache.RestorePage(9);
    expectPage(0);
}

TEST_F(CacheManagerTest, DiscardingKeepsExactlyTheEarlierPages) {
    savePages(0, 5);
    cache.DiscardFrom(3);

    EXPECT_EQ(cache.CachePageCount(), 2);
    EXPECT_EQ(a.CacheStream()->size(), 3 * 3 * 12) << "pages 0, 1 and 2 of three members";
    EXPECT_EQ(wide.CacheStream()->size(), 3 * 20);
    EXPECT_EQ(a.discarded, QList<int>{3});
    cache.RestorePage(1);
    cache.RestorePage(3);
    expectPage(1);

    // Pages that were never there cannot come back by discarding past them.
    cache.DiscardFrom(10);
    EXPECT_EQ(cache.CachePageCount(), 2);
    cache.RestorePage(3);
    expectPage(1);

    cache.DiscardNotice = false;
    cache.DiscardFrom(1);
    EXPECT_EQ(a.discarded, (QList<int>{3, 10})) << "no notice once DiscardNotice is off";
    EXPECT_EQ(cache.CachePageCount(), 0);
}

TEST_F(CacheManagerTest, ClearTellsEveryMemberAndForgetsAllPages) {
    savePages(0, 2);
    cache.Clear();
    EXPECT_EQ(cache.CachePageCount(), -1);
    EXPECT_TRUE(cache.Members().isEmpty());
    EXPECT_EQ(wide.discarded, QList<int>{0});
    EXPECT_EQ(a.CacheStream(), nullptr);
    EXPECT_EQ(a.CachePageCount(), -1);
}

TEST(CacheManager, AFreedMemberLeavesTheOthersRecordsInTheirPlace) {
    TppCacheManager cache;
    auto* gone = new Counter(nullptr, 12);
    Counter kept(nullptr, 12);
    cache.RebuildWith({gone, &kept});
    delete gone;
    EXPECT_EQ(cache.Members(), QList<TppCacheable*>{&kept});

    for (int page = 0; page <= 2; ++page) {
        kept.setPage(page);
        cache.SavePage(page);
    }
    EXPECT_EQ(recordAt(*kept.CacheStream(), 12, 12), pageValues(0, 12))
        << "written at its own offset, past the freed member's unwritten slot";
    EXPECT_EQ(kept.CacheStream()->size(), 3 * 2 * 12);
    cache.RestorePage(1);
    EXPECT_EQ(kept.values, pageValues(1, 12));
}

TEST(CacheManager, ASnapshotCacheOverSomeMembersLeavesTheReportCacheAlone) {
    Counter member(nullptr, 8);
    TppCacheManager report;
    TppCacheManager snapshot;
    report.RebuildWith({&member});
    for (int page = 0; page <= 2; ++page) {
        member.setPage(page);
        report.SavePage(page);
    }
    snapshot.RebuildWith({&member});
    member.setPage(7);
    snapshot.SavePage(0);
    member.setPage(8);
    snapshot.RestorePage(0);
    EXPECT_EQ(member.values, pageValues(7, 8));
    snapshot.Clear();

    report.RestorePage(2);
    EXPECT_EQ(member.values, pageValues(2, 8));
    EXPECT_EQ(member.CachePageCount(), 2);
    member.setPage(3);
    report.SavePage(3);
    report.RestorePage(1);
    report.RestorePage(3);
    EXPECT_EQ(member.values, pageValues(3, 8));
}

TEST(CacheManager, PastTheMemoryBudgetTheCacheMovesToTemporaryFilesRemovedWhenCleared) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Counter narrow(nullptr, 12), wide(nullptr, 20);
    QStringList files;
    {
        TppCacheManager cache;
        cache.SetTempPath(folder.path());
        cache.SetMemoryBudget(100);
        cache.RebuildWith({&narrow, &wide});
        for (int page = 0; page <= 9; ++page) {
            narrow.setPage(page);
            wide.setPage(page);
            cache.SavePage(page);
        }
        EXPECT_EQ(cache.StorageKind(), skFile);
        files = cache.TempFileNames();
        ASSERT_EQ(files.size(), 2) << "one file per record size";
        for (const QString& file : files) {
            EXPECT_TRUE(QFileInfo(file).fileName().startsWith("cch")) << qPrintable(file);
            EXPECT_EQ(QFileInfo(file).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
            EXPECT_TRUE(QFileInfo::exists(file));
        }
        for (int page : {0, 3, 9}) {
            cache.RestorePage(page);
            EXPECT_EQ(narrow.values, pageValues(page, 12)) << "page " << page << " kept across the move";
            EXPECT_EQ(wide.values, pageValues(page, 20)) << "page " << page;
        }

        cache.Clear();
        EXPECT_EQ(cache.StorageKind(), skMemory);
        EXPECT_TRUE(cache.TempFileNames().isEmpty());
        for (const QString& file : files)
            EXPECT_FALSE(QFileInfo::exists(file)) << qPrintable(file);

        cache.RebuildWith({&narrow});
        cache.SetMemoryBudget(0);
        cache.SavePage(0);
        files = cache.TempFileNames();
        ASSERT_EQ(files.size(), 1);
        EXPECT_TRUE(QFileInfo::exists(files[0]));
    }
    EXPECT_FALSE(QFileInfo::exists(files[0])) << "removed with the cache";
}

TEST(CacheManager, StorageThatRunsOutTwiceStopsTheEngineWithAPrintError) {
    struct Case {
        const char* name;
        bool filesCanBeCreated;
    };
    for (const Case& row : {Case{"file writes fail", true}, Case{"no file can be created", false}}) {
        SCOPED_TRACE(row.name);
        const FullDiskFactory factory(row.filesCanBeCreated);
        Counter member(nullptr, 12);
        // Subscribed before the cache, so it hears each kind before the cache raises.
        TppCommunicator listener;
        listener.AddEventKind(ciCacheWriteFailed);
        listener.AddEventKind(ciCacheOutOfSpace);
        QList<int> kinds;
        listener.OnEventNotify = [&](TppCommunicator*, int kind, TppEventParams*) { kinds << kind; };
        member.SubscribeEvents(&listener);
        TppCacheManager cache;
        cache.SetStreamFactory(&factory);
        cache.SetMemoryBudget(0);
        int stops = 0;
        cache.StopEngine = [&] { ++stops; };
        cache.RebuildWith({&member});

        try {
            cache.SavePage(0);
            ADD_FAILURE() << "saving reported success";
        } catch (const EPrintError& error) {
            EXPECT_EQ(error.message(), "Not enough disk space to print report.");
        }
        EXPECT_EQ(stops, 1);
        EXPECT_EQ(cache.CachePageCount(), -1);
        EXPECT_EQ(member.CachePageCount(), -1);
        EXPECT_EQ(kinds, row.filesCanBeCreated ? (QList<int>{ciCacheWriteFailed, ciCacheOutOfSpace})
                                               : QList<int>{ciCacheWriteFailed});
    }
}

TEST(CacheManager, RebuildRegistersTheEngineThenGroupsThenEachBandWithItsObjects) {
    OwnedComponent form;
    auto* report = new FixedPageReport(&form);
    auto* detail = new TppDetailBand(&form);
    detail->SetReport(report);
    auto* header = new TppHeaderBand(&form);
    header->SetReport(report);
    auto* group = new TppGroup(&form);
    group->SetReport(report);
    group->CreateBands();
    auto* first = new TppComponent(&form);
    first->SetBand(detail);
    auto* second = new TppComponent(&form);
    second->SetBand(detail);
    auto* title = new TppComponent(&form);
    title->SetBand(header);
    Counter engine(nullptr, 4);

    TppCacheManager cache;
    cache.Rebuild(*report, &engine);
    EXPECT_EQ(cache.Members(), (QList<TppCacheable*>{&engine, group, header, title, group->HeaderBand(),
                                                     detail, first, second, group->FooterBand()}));
}

TEST(CacheRecord, FieldsAreLaidOutAsACStructWouldHoldThem) {
    TppGroup group;
    EXPECT_EQ(group.CacheRecordSize(), 24) << "int, int, bool + 3 padding, int, int, bool + 3 padding";

    bool flag = true;
    int number = -7;
    qint64 big = qint64(1) << 40;
    CacheRecord packed = CacheRecord::packing();
    packed.field(flag);
    packed.field(big);
    packed.field(number);
    EXPECT_EQ(packed.size(), 24) << "the 8-byte field aligned to 8, the whole to 8";

    bool flagBack = false;
    int numberBack = 0;
    qint64 bigBack = 0;
    CacheRecord unpacked = CacheRecord::unpacking(packed.bytes());
    unpacked.field(flagBack);
    unpacked.field(bigBack);
    unpacked.field(numberBack);
    EXPECT_EQ(std::tuple(flagBack, bigBack, numberBack), std::tuple(flag, big, number));
}

} // namespace
