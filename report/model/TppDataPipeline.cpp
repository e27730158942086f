#include "TppDataPipeline.h"

#include "ClassBuilder.h"

const ClassInfo& TppDataPipeline::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDataPipeline>("TppDataPipeline", &TppRelative::staticClassInfo(), [](auto& c) {
            c.defined(
                 "MasterDataPipelineName", PropertyKind::String,
                 [](const TppDataPipeline& p) { return p.master_ ? p.master_->Name() : QString(); },
                 [](TppDataPipeline& p, const QVariant& v) { p.pendingMasterName_ = v.toString(); })
                .writtenWhen([](const TppDataPipeline& p) { return p.master_ != nullptr; });
        });
    return info;
}

TppDataPipeline::TppDataPipeline(OwnedComponent* owner) : TppRelative(owner) {
    // A pipeline hears only its master's record moves.
    AddEventKind(ciPipelineRecordPositionChange);
}

TppDataPipeline::~TppDataPipeline() {
    markDestroying();
}

void TppDataPipeline::raise(const TppNotifyEvent& event, int kind) {
    event(this);
    BroadcastEvent(this, kind);
}

// Range and step ------------------------------------------------------------

void TppDataPipeline::recomputeMoveBy() {
    const bool backwards =
        rangeEnd_ == reFirstRecord || (rangeBegin_ == rbLastRecord && rangeEnd_ != reLastRecord);
    moveBy_ = backwards ? -1 : 1;
}

void TppDataPipeline::SetRangeBegin(TppRangeBeginType value) {
    rangeBegin_ = value;
    if (!isLoading())
        recomputeMoveBy();
    DataChange();
}

void TppDataPipeline::SetRangeEnd(TppRangeEndType value) {
    rangeEnd_ = value;
    if (!isLoading())
        recomputeMoveBy();
    DataChange();
}

void TppDataPipeline::SetRangeEndCount(int value) {
    rangeEndCount_ = value;
    DataChange();
}

void TppDataPipeline::SetMoveBy(int value) {
    moveBy_ = value == 0 ? 1 : value;
    DataChange();
}

void TppDataPipeline::SetSkipWhenNoRecords(bool value) {
    skipWhenNoRecords_ = value;
    DataChange();
}

void TppDataPipeline::SetMasterDataPipeline(TppDataPipeline* master) {
    if (master == master_ || master == this)
        return;
    for (const TppDataPipeline* p = master; p; p = p->master_)
        if (p == this)
            return;
    if (master_)
        master_->UnsubscribeEvents(this);
    master_ = master;
    if (!master_ && !isLoading())
        FreeLinks();
    if (master_)
        master_->SubscribeEvents(this);
}

// Opening and closing ---------------------------------------------------------

void TppDataPipeline::Open() {
    SourceOpen();
    RecomputeState();
    raise(OnOpen, ciPipelineOpen);
}

void TppDataPipeline::Close() {
    BroadcastEvent(this, ciPipelineClosing);
    SourceClose();
    ClearState();
    DataChange();
    raise(OnClose, ciPipelineClose);
}

// Moving ---------------------------------------------------------------------

void TppDataPipeline::RawFirst() {
    SourceFirst();
    RecordPositionChange();
}

void TppDataPipeline::RawLast() {
    SourceLast();
    RecordPositionChange();
}

int TppDataPipeline::RawMoveBy(int n) {
    inMove_ = true;
    if (n == 0 && recordIndex_ == 0)
        RawFirst();
    const int moved = std::abs(SourceMoveBy(n));
    // The record index counts records in the direction of traversal.
    const bool forwards = (n > 0) == (moveBy_ > 0);
    recordIndex_ += forwards ? moved : -moved;
    inMove_ = false;
    DataChange();
    RecordPositionChange();
    return moved;
}

int TppDataPipeline::stepForward() {
    return IsLinked() ? LinkedMoveBy(moveBy_) : RawMoveBy(moveBy_);
}

int TppDataPipeline::stepBackward() {
    return IsLinked() ? LinkedMoveBy(-moveBy_) : RawMoveBy(-moveBy_);
}

void TppDataPipeline::PositionAtRangeBegin() {
    switch (rangeBegin_) {
    case rbFirstRecord:
        IsLinked() ? LinkedFirst() : RawFirst();
        break;
    case rbLastRecord:
        IsLinked() ? LinkedLast() : RawLast();
        break;
    case rbCurrentRecord:
        if (currentRecordBookmark_.isValid())
            GotoBookmark(currentRecordBookmark_);
        break;
    }
}

void TppDataPipeline::First() {
    dataTraversed_ = false;
    traversalCount_ = 0;
    if (!IsLinked())
        recordIndex_ = 0;
    if (HasState(NoRecords))
        return;

    if (bookmarkList_) {
        if (!bookmarkList_->isEmpty())
            GotoBookmark(bookmarkList_->first());
    } else {
        PositionAtRangeBegin();
        if (rangeBegin_ == rbFirstRecord)
            skipForward();
        else if (rangeBegin_ == rbLastRecord)
            skipBackward();
    }

    if (!IsLinked()) {
        if (AtEOF()) {
            ClearState();
            SetState(NoRecords);
        } else {
            RecomputeState();
            SetState(FirstRecord);
        }
    } else if (!HasState(NoRecords)) {
        SetState(someDetailHasRecords() ? FirstRecord : NoRecords);
    }
    raise(OnFirst, ciPipelineFirst);
}

void TppDataPipeline::Next() {
    if (bookmarkList_) {
        // Never past the end, so that Prior comes back to the last record.
        if (traversalCount_ < bookmarkList_->size()) {
            ++traversalCount_;
            ++recordIndex_;
        }
        if (traversalCount_ < bookmarkList_->size())
            GotoBookmark(bookmarkList_->at(traversalCount_));
    } else {
        if (!AtEOF() && !currentToCurrent())
            stepForward();
        dataTraversed_ = true;
        ++traversalCount_;
    }
    skipForward();
    RecomputeState();
    raise(OnNext, ciPipelineNext);
}

void TppDataPipeline::Prior() {
    if (bookmarkList_) {
        if (traversalCount_ > 0) {
            --recordIndex_;
            GotoBookmark(bookmarkList_->at(traversalCount_ - 1));
            --traversalCount_;
        }
    } else {
        if (!AtBOF() && !currentToCurrent())
            stepBackward();
        --traversalCount_;
    }
    skipBackward();
    RecomputeState();
    raise(OnPrior, ciPipelinePrior);
}

void TppDataPipeline::Last() {
    if (!IsLinked() && lastIndex_ > 0)
        recordIndex_ = lastIndex_;
    if (HasState(NoRecords))
        return;

    if (bookmarkList_) {
        if (!bookmarkList_->isEmpty()) {
            GotoBookmark(bookmarkList_->last());
            traversalCount_ = int(bookmarkList_->size()) - 1;
        }
    } else {
        switch (rangeEnd_) {
        case reFirstRecord:
            IsLinked() ? LinkedFirst() : RawFirst();
            skipForward();
            break;
        case reLastRecord:
            IsLinked() ? LinkedLast() : RawLast();
            skipBackward();
            break;
        case reCurrentRecord:
            if (currentRecordBookmark_.isValid())
                GotoBookmark(currentRecordBookmark_);
            break;
        case reCount:
            // The last record of the range is the one reached after
            // RangeEndCount - 1 steps; one more step would leave the range.
            First();
            while (traversalCount_ < rangeEndCount_ - 1 && !AtEOF())
                Next();
            break;
        }
    }
    RecomputeState();
    SetState(LastRecord);
    raise(OnLast, ciPipelineLast);
}

// Where the pipeline stands ----------------------------------------------------

bool TppDataPipeline::AtBOF() {
    if (bookmarkList_)
        return bookmarkList_->isEmpty() || traversalCount_ == 0;
    if (IsLinked()) {
        if (NoMatch())
            return true;
        switch (rangeBegin_) {
        case rbFirstRecord:
            return LinkedBeginTest();
        case rbLastRecord:
            return LinkedEndTest();
        case rbCurrentRecord:
            return !dataTraversed_;
        }
        return true;
    }
    switch (rangeBegin_) {
    case rbFirstRecord:
        return SourceBOF();
    case rbLastRecord:
        return SourceEOF();
    case rbCurrentRecord: {
        if (dataTraversed_ || rangeEnd_ == reCurrentRecord || SourceBOF())
            return !dataTraversed_;
        const int comparison = CompareBookmarks(SourceBookmark(), currentRecordBookmark_);
        return moveBy_ < 0 ? comparison >= 0 : comparison <= 0;
    }
    }
    return true;
}

bool TppDataPipeline::AtEOF() {
    if (bookmarkList_)
        return bookmarkList_->isEmpty() || traversalCount_ >= bookmarkList_->size();
    if (IsLinked()) {
        if (NoMatch())
            return true;
        switch (rangeEnd_) {
        case reFirstRecord:
            return LinkedBeginTest();
        case reLastRecord:
            return LinkedEndTest();
        case reCurrentRecord:
            return traversalCount_ == 1;
        case reCount:
            return traversalCount_ >= rangeEndCount_ || (moveBy_ > 0 ? LinkedEndTest() : LinkedBeginTest());
        }
        return true;
    }
    bool result = true;
    switch (rangeEnd_) {
    case reFirstRecord:
        result = SourceBOF();
        break;
    case reLastRecord:
        result = SourceEOF();
        break;
    case reCurrentRecord:
        result = (SourceBOF() && SourceEOF()) || dataTraversed_;
        if (dataTraversed_ && rangeBegin_ != rbCurrentRecord && !SourceEOF()) {
            const int comparison = CompareBookmarks(SourceBookmark(), currentRecordBookmark_);
            result = moveBy_ < 0 ? comparison < 0 : comparison > 0;
        }
        break;
    case reCount:
        result = traversalCount_ >= rangeEndCount_ || (moveBy_ > 0 ? SourceEOF() : SourceBOF());
        break;
    }
    if (result && lastIndex_ < 0)
        lastIndex_ = recordIndex_;
    return result;
}

void TppDataPipeline::RecomputeState() {
    ClearState();
    if (isDestroying() || !Active())
        return;
    const bool bof = AtBOF();
    const bool eof = AtEOF();
    if (bof && eof)
        SetState(NoRecords);
    else if (bof)
        SetState(FirstRecord);
    else if (eof)
        SetState(LastRecord);
}

// Bookmarks -------------------------------------------------------------------

void TppDataPipeline::GotoBookmark(const Bookmark& bookmark) {
    if (bookmark.isValid() && SourceBookmarkValid(bookmark))
        SourceGotoBookmark(bookmark);
    else if (traversalCount_ > 0)
        rewalkToRecordIndex();
    raise(OnGotoBookmark, ciPipelineGotoBookmark);
    RecordPositionChange();
    AfterGotoBookmark();
}

void TppDataPipeline::rewalkToRecordIndex() {
    // The record index counts the records moved from the start of this
    // pipeline's own range (a detail's from the start of its source), so
    // moving it again from there lands on the same record whatever the
    // range, the direction, or the master records skipped on the way.
    const int target = recordIndex_;
    inMove_ = true;
    if (IsLinked() || rangeBegin_ == rbFirstRecord)
        SourceFirst();
    else if (rangeBegin_ == rbLastRecord)
        SourceLast();
    else if (currentRecordBookmark_.isValid() && SourceBookmarkValid(currentRecordBookmark_))
        SourceGotoBookmark(currentRecordBookmark_);
    const int direction = IsLinked() || moveBy_ > 0 ? 1 : -1;
    SourceMoveBy(target * direction);
    inMove_ = false;
}

void TppDataPipeline::FreeBookmark(const Bookmark&) {}

int TppDataPipeline::CompareBookmarks(const Bookmark& a, const Bookmark& b) const {
    return a.id < b.id ? -1 : a.id > b.id ? 1 : 0;
}

// Notices ---------------------------------------------------------------------

void TppDataPipeline::DataChange() {
    if (isLoading() || isDestroying() || FreeingChildren() || IsCreatingFields() || inMove_)
        return;
    RecomputeState();
    BroadcastNotification(this, ppopDataChange);
    BroadcastEvent(this, ciPipelineDataChange);
    OnDataChange(this);
}

void TppDataPipeline::RecordPositionChange() {
    if (IsLinked() && !IsReady())
        return;
    raise(OnRecordPositionChange, ciPipelineRecordPositionChange);
}

void TppDataPipeline::MasterRecordPositionChange() {
    raise(OnMasterRecordPositionChange, ciPipelineMasterRecordPositionChange);
    if (!Active())
        return;
    if (IsLinked()) {
        ClearState();
        ClearNoMatch();
        First();
    } else if (master_) {
        RecomputeState();
    }
}

void TppDataPipeline::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppRelative::EventNotify(sender, kind, params);
    if (sender == master_ && kind == ciPipelineRecordPositionChange)
        MasterRecordPositionChange();
}

void TppDataPipeline::Notify(TppCommunicator* sender, int operation) {
    TppRelative::Notify(sender, operation);
    if (operation != ppopRemove)
        return;
    details_.removeAll(sender);
    if (sender == master_) {
        master_ = nullptr;
        FreeLinks();
    }
}

// Details and skipping ----------------------------------------------------------

void TppDataPipeline::InitializeTraversal(const QList<TppDataPipeline*>& pipelines) {
    InitializeLinkState();
    dataTraversed_ = false;
    lastIndex_ = -1;
    skipping_ = false;
    details_.clear();
    for (TppDataPipeline* pipeline : pipelines)
        if (pipeline != this && pipeline->master_ == this && !details_.contains(pipeline))
            details_.append(pipeline);
    AddAutomaticDetails(pipelines, details_);
    if (std::any_of(details_.begin(), details_.end(),
                    [](const TppDataPipeline* d) { return !d->skipWhenNoRecords_; }))
        details_.clear();
    skipping_ = !details_.isEmpty();
}

bool TppDataPipeline::someDetailHasRecords() {
    if (!skipping_)
        return true;
    return std::any_of(details_.begin(), details_.end(), [](TppDataPipeline* detail) {
        return !detail->HasState(NoRecords) && !(detail->IsLinked() && detail->CompareWithMaster() != 0);
    });
}

void TppDataPipeline::skipForward() {
    // A step that moves nothing ends the skip: the source is at its end
    // even if the range says otherwise, and trying again would never stop.
    while (!someDetailHasRecords() && !AtEOF() && !currentToCurrent()) {
        dataTraversed_ = true;
        if (stepForward() == 0)
            break;
    }
}

void TppDataPipeline::skipBackward() {
    while (!someDetailHasRecords() && !AtBOF() && !currentToCurrent()) {
        dataTraversed_ = true;
        if (stepBackward() == 0)
            break;
    }
}

// Fields --------------------------------------------------------------------------

QVariant TppDataPipeline::GetFieldValue(const QString&) {
    return QVariant();
}
QString TppDataPipeline::GetFieldAsString(const QString&) {
    return QString();
}
double TppDataPipeline::GetFieldAsDouble(const QString&) {
    return 0;
}
bool TppDataPipeline::GetFieldIsNull(const QString&) {
    return true;
}
TppDataType TppDataPipeline::GetFieldDataType(const QString&) {
    return dtNotKnown;
}
int TppDataPipeline::GetFieldDisplayWidth(const QString&) {
    return 0;
}
int TppDataPipeline::GetFieldSize(const QString&) {
    return 0;
}
TppFieldAlignment TppDataPipeline::GetFieldAlignment(const QString&) {
    return taLeftJustify;
}

bool TppDataPipeline::GetFieldNames(QStringList& names) {
    names.clear();
    return false;
}

bool TppDataPipeline::IsFieldName(const QString& fieldName) {
    QStringList names;
    GetFieldNames(names);
    return names.contains(fieldName, Qt::CaseInsensitive);
}

TppDataPipeline* TppDataPipeline::FindByName(const OwnedComponent* scope, const QString& name) {
    if (!scope || name.isEmpty())
        return nullptr;
    for (OwnedComponent* component : scope->components()) {
        auto* pipeline = dynamic_cast<TppDataPipeline*>(component);
        if (pipeline && pipeline->visible_ && pipeline->Name().compare(name, Qt::CaseInsensitive) == 0)
            return pipeline;
    }
    return nullptr;
}

void TppDataPipeline::Loaded() {
    TppRelative::Loaded();
    if (!pendingMasterName_.isEmpty()) {
        if (TppDataPipeline* master = FindByName(Owner(), pendingMasterName_))
            SetMasterDataPipeline(master);
        pendingMasterName_.clear();
    }
}
