#include "PipelineFixtures.h"

#include <gtest/gtest.h>

namespace {

QList<QVariantList> numbered(int count) {
    QList<QVariantList> rows;
    for (int i = 1; i <= count; ++i)
        rows.append({i, QStringLiteral("r%1").arg(i)});
    return rows;
}

const QList<Column> kColumns = {{"ID", FieldType::Integer, "INTEGER"}, {"NAME", FieldType::String, "TEXT"}};

// Records every event kind a pipeline broadcasts.
class EventRecorder : public TppCommunicator {
public:
    explicit EventRecorder(OwnedComponent* owner) : TppCommunicator(owner) {
        for (int kind = ciPipelineDataSetChange; kind <= ciPipelineClose; ++kind)
            AddEventKind(kind);
        AddEventKind(ciPipelineClosing);
    }
    void EventNotify(TppCommunicator*, int kind, TppEventParams*) override { kinds << kind; }
    QList<int> kinds;
};

class PipelineTraversalTest : public testing::TestWithParam<Backend> {
protected:
    TppDBPipeline& over(int records) {
        data.reset();
        data = std::make_unique<PipelineOver>(form, makeDataset(GetParam(), kColumns, numbered(records)),
                                              "ppDB");
        data->pipeline->Open();
        return *data->pipeline;
    }
    OwnedComponent form;
    std::unique_ptr<PipelineOver> data;
};

TEST_P(PipelineTraversalTest, WalksTheWholeRangeWithItsFlags) {
    TppDBPipeline& p = over(3);
    p.First();
    EXPECT_EQ(p.State(), unsigned(FirstRecord));
    p.Next();
    EXPECT_EQ(p.State(), 0u) << "in the middle";
    p.Next();
    EXPECT_EQ(p.GetFieldAsString("NAME"), "r3");
    EXPECT_FALSE(p.AtEOF()) << "the last record is still inside the range";
    p.Next();
    EXPECT_TRUE(p.AtEOF());
    EXPECT_EQ(p.State(), unsigned(LastRecord));
    EXPECT_EQ(p.TraversalCount(), 3);
    p.Next();
    EXPECT_EQ(p.TraversalCount(), 4) << "Next at the end still counts";
    EXPECT_EQ(walk(p, "ID"), QStringList({"1", "2", "3"}));
}

TEST_P(PipelineTraversalTest, AnEmptySourceHasNoRecords) {
    TppDBPipeline& p = over(0);
    int firsts = 0;
    p.OnFirst.handler = [&](TppCommunicator*) { ++firsts; };
    EXPECT_TRUE(p.HasState(NoRecords)) << "known when opened";
    p.ClearState();
    p.First();
    EXPECT_TRUE(p.HasState(NoRecords));
    EXPECT_TRUE(p.AtBOF());
    EXPECT_TRUE(p.AtEOF());
    EXPECT_EQ(firsts, 1);
    p.First();
    EXPECT_EQ(firsts, 1) << "a second First without clearing the flags does nothing";
    EXPECT_TRUE(p.GetFieldValue("ID").isNull());
}

struct RangeCase {
    const char* name;
    TppRangeBeginType begin;
    TppRangeEndType end;
    int count;
    QStringList expected;
    QString last; // where Last() lands
};

TEST_P(PipelineTraversalTest, Ranges) {
    const RangeCase cases[] = {
        {"first to last", rbFirstRecord, reLastRecord, 0, {"1", "2", "3", "4", "5"}, "5"},
        {"three records", rbFirstRecord, reCount, 3, {"1", "2", "3"}, "3"},
        {"no records counted", rbFirstRecord, reCount, 0, {}, ""},
        {"more counted than there are", rbFirstRecord, reCount, 9, {"1", "2", "3", "4", "5"}, "5"},
        {"backwards from the last", rbLastRecord, reFirstRecord, 0, {"5", "4", "3", "2", "1"}, "1"},
        {"two from the end backwards", rbLastRecord, reCount, 2, {"5", "4"}, "4"},
    };
    for (const RangeCase& c : cases) {
        TppDBPipeline& p = over(5);
        p.SetRangeBegin(c.begin);
        p.SetRangeEnd(c.end);
        p.SetRangeEndCount(c.count);
        EXPECT_EQ(walk(p, "ID"), c.expected) << c.name;
        p.ClearState();
        p.Last();
        EXPECT_EQ(p.GetFieldAsString("ID"), c.last) << c.name << ": Last()";
    }
}

TEST_P(PipelineTraversalTest, RangeEndSetsTheDirection) {
    TppDBPipeline& p = over(2);
    p.SetRangeBegin(rbLastRecord);
    p.SetRangeEnd(reFirstRecord);
    EXPECT_EQ(p.MoveBy(), -1);
    p.SetRangeBegin(rbFirstRecord);
    p.SetRangeEnd(reLastRecord);
    EXPECT_EQ(p.MoveBy(), 1);
}

TEST_P(PipelineTraversalTest, AStepOfZeroStillReachesTheEnd) {
    TppDBPipeline& p = over(3);
    p.SetMoveBy(0);
    EXPECT_EQ(walk(p, "ID"), QStringList({"1", "2", "3"})) << "a zero step would never end the walk";
}

TEST_P(PipelineTraversalTest, AStepOfTwoSkipsRecords) {
    TppDBPipeline& p = over(5);
    p.SetMoveBy(2);
    EXPECT_EQ(walk(p, "ID"), QStringList({"1", "3", "5"}));
}

TEST_P(PipelineTraversalTest, CurrentRecordRanges) {
    TppDBPipeline& p = over(5);
    p.First();
    p.Next();
    p.Next();
    p.SetCurrentRecordBookmark(p.GetBookmark());
    p.SetRangeEnd(reCurrentRecord);
    EXPECT_EQ(walk(p, "ID"), QStringList({"1", "2", "3"})) << "from the first to the current record";
    p.SetRangeBegin(rbCurrentRecord);
    p.SetRangeEnd(reLastRecord);
    EXPECT_EQ(walk(p, "ID"), QStringList({"3", "4", "5"})) << "from the current record to the last";
}

TEST_P(PipelineTraversalTest, BookmarkListsAreWalkedInTheirOrder) {
    TppDBPipeline& p = over(5);
    QList<Bookmark> marks;
    for (int i = 0; i < 5; ++i) {
        p.dataset()->first();
        p.dataset()->moveBy(i);
        marks.prepend(p.GetBookmark());
    }
    marks.removeAt(1);
    p.SetBookmarkList(marks);
    EXPECT_EQ(walk(p, "ID"), QStringList({"5", "3", "2", "1"}));
    p.Prior();
    EXPECT_EQ(p.GetFieldAsString("ID"), "1") << "back from the end to the last listed record";
    p.SetBookmarkList(QList<Bookmark>());
    p.ClearState();
    EXPECT_EQ(walk(p, "ID"), QStringList()) << "an empty list has no records";
}

TEST_P(PipelineTraversalTest, AnInvalidBookmarkReturnsToTheSamePlaceOfTheRange) {
    struct Case {
        const char* name;
        TppRangeBeginType begin;
        TppRangeEndType end;
        QString expected;
    };
    const Case cases[] = {
        {"forwards: the third record", rbFirstRecord, reLastRecord, "3"},
        {"backwards: the third from the end, not from the start", rbLastRecord, reFirstRecord, "3"},
    };
    for (const Case& c : cases) {
        TppDBPipeline& p = over(5);
        p.SetRangeBegin(c.begin);
        p.SetRangeEnd(c.end);
        p.First();
        p.Next();
        p.Next();
        const QString here = p.GetFieldAsString("ID");
        EXPECT_EQ(here, c.expected) << c.name;
        p.dataset()->first();
        p.GotoBookmark(Bookmark{});
        EXPECT_EQ(p.GetFieldAsString("ID"), here) << c.name;
    }
}

TEST_P(PipelineTraversalTest, EventsArriveInOrder) {
    TppDBPipeline& p = over(2);
    auto* recorder = new EventRecorder(&form);
    p.SubscribeEvents(recorder);
    p.First();
    p.Next();
    const Bookmark mark = p.GetBookmark();
    p.GotoBookmark(mark);
    p.Close();
    const QList<int> expected = {ciPipelineRecordPositionChange,
                                 ciPipelineFirst, // First: the move, then OnFirst
                                 ciPipelineDataChange,
                                 ciPipelineRecordPositionChange, // Next: the step's notices
                                 ciPipelineNext,                 // then OnNext
                                 ciPipelineGotoBookmark,
                                 ciPipelineRecordPositionChange, // GotoBookmark
                                 ciPipelineTraversal,            // and the dataset pipeline's own
                                 ciPipelineClosing,
                                 ciPipelineDataChange,
                                 ciPipelineClose};
    EXPECT_EQ(recorder->kinds, expected);
}

INSTANTIATE_TEST_SUITE_P(BothDatasets, PipelineTraversalTest,
                         testing::Values(Backend::Memory, Backend::Sqlite), backendName);

} // namespace
