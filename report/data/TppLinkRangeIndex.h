#pragma once

#include <QHash>

// Where the run of detail records for one master record begins and ends, as
// detail record indexes; -1 while unknown.
struct TppLinkRange {
    static constexpr int kNoDetails = -99;
    int begin = -1;
    int end = -1;
    bool hasNoDetails() const { return begin == kNoDetails; }
};

// The runs seen so far, keyed by the master's record index, so that coming
// back to a master record (the engine generating a page again) jumps
// straight to its run.
class TppLinkRangeIndex {
public:
    TppLinkRange range(int masterIndex) const { return ranges_.value(masterIndex); }
    void setBegin(int masterIndex, int begin) { ranges_[masterIndex].begin = begin; }
    void setEnd(int masterIndex, int end) { ranges_[masterIndex].end = end; }
    void setNoDetails(int masterIndex) {
        ranges_[masterIndex] = {TppLinkRange::kNoDetails, TppLinkRange::kNoDetails};
    }
    void clear() { ranges_.clear(); }

private:
    QHash<int, TppLinkRange> ranges_;
};
