#include "PipelineState.h"

#include "CacheRecord.h"

#include "TppDataPipeline.h"

PipelineState PipelineState::of(TppDataPipeline& pipeline) {
    PipelineState state;
    if (!pipeline.Active())
        return state;
    state.Flags = pipeline.State();
    state.TraversalCount = pipeline.TraversalCount();
    state.RecordIndex = pipeline.RecordIndex();
    state.Position = pipeline.GetBookmark();
    state.taken_ = true;
    return state;
}

void PipelineState::applyTo(TppDataPipeline& pipeline) const {
    if (!taken_ || !pipeline.Active())
        return;
    pipeline.ClearState();
    pipeline.SetState(Flags);
    pipeline.SetTraversalCount(TraversalCount);
    if (Flags & FirstRecord) {
        pipeline.First();
    } else if (Flags & LastRecord) {
        if (!pipeline.IsLinked())
            pipeline.SetRecordIndex(RecordIndex);
        pipeline.Last();
    } else {
        pipeline.SetRecordIndex(RecordIndex);
        pipeline.GotoBookmark(Position);
    }
    // Moving there recomputes the flags; those saved are what was true.
    pipeline.ClearState();
    pipeline.SetState(Flags);
    pipeline.SetTraversalCount(TraversalCount);
}

void PipelineState::returnTo(TppDataPipeline& pipeline) const {
    if (!taken_ || !pipeline.Active())
        return;
    pipeline.SetRecordIndex(RecordIndex);
    pipeline.GotoBookmark(Position);
    pipeline.ClearState();
    pipeline.SetState(Flags);
    pipeline.SetTraversalCount(TraversalCount);
}

void PipelineState::release(TppDataPipeline& pipeline) {
    if (taken_ && Position.isValid())
        pipeline.FreeBookmark(Position);
    *this = PipelineState();
}

void PipelineState::CacheFields(CacheRecord& record) {
    int flags = int(Flags);
    record.field(flags);
    record.field(TraversalCount);
    record.field(RecordIndex);
    record.field(Position.id);
    record.field(taken_);
    if (record.isUnpacking())
        Flags = unsigned(flags);
}
