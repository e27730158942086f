#pragma once

#include "Bookmark.h"

class CacheRecord;
class TppDataPipeline;

// Where a pipeline stood: its record-state flags, traversal count, record
// index and a bookmark of its record. The engine takes one at the end of
// every page and around each page request, and puts the pipeline back there.
class PipelineState {
public:
    // Takes a bookmark of the current record; an inactive pipeline gives
    // an empty state, which puts nothing back.
    static PipelineState of(TppDataPipeline& pipeline);

    // First record and last record are found again by moving there, any
    // other record by its bookmark (by its index when the bookmark is gone).
    void applyTo(TppDataPipeline& pipeline) const;
    // Back onto the very record by its bookmark, with the counters and flags
    // as they were: for a pipeline others may have moved since its flags
    // were last set.
    void returnTo(TppDataPipeline& pipeline) const;
    // Gives the bookmark back to the pipeline; the state is empty afterwards.
    void release(TppDataPipeline& pipeline);
    bool isEmpty() const { return !taken_; }
    // The state in a page's record; the bookmark goes by its number.
    void CacheFields(CacheRecord& record);

    unsigned Flags = 0;
    int TraversalCount = 0;
    int RecordIndex = 0;
    Bookmark Position;

private:
    bool taken_ = false;
};
