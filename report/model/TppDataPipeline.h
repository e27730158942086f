#pragma once

#include "Bookmark.h"
#include "TppRelative.h"
#include "TppTypes.h"

#include <QVariant>
#include <optional>

// The report engine reads records only through pipelines. A pipeline walks
// its source within a range (RangeBegin .. RangeEnd, stepping MoveBy), tells
// where it stands through the record-state flags, hands out field values by
// name and announces every move to its subscribers.
//
// This class holds the traversal contract; subclasses supply the source
// (SourceOpen, SourceFirst, SourceMoveBy ...) and, for detail pipelines, the
// linked positioning inside the run of records that match the master.
//
// It sits in the model layer because components, bands, groups and reports
// hold pipelines; fields, links and the dataset pipeline live in the data layer.
class TppDataPipeline : public TppRelative {
public:
    PW_CLASS_INFO

    explicit TppDataPipeline(OwnedComponent* owner = nullptr);
    ~TppDataPipeline() override;

    // Range and step.
    TppRangeBeginType RangeBegin() const { return rangeBegin_; }
    void SetRangeBegin(TppRangeBeginType value);
    TppRangeEndType RangeEnd() const { return rangeEnd_; }
    void SetRangeEnd(TppRangeEndType value);
    int RangeEndCount() const { return rangeEndCount_; }
    void SetRangeEndCount(int value);
    int MoveBy() const { return moveBy_; }
    // A step of 0 would never reach the end of a range; it is taken as 1.
    void SetMoveBy(int value);
    bool SkipWhenNoRecords() const { return skipWhenNoRecords_; }
    void SetSkipWhenNoRecords(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }

    // Master-detail: a detail follows its master's record position.
    TppDataPipeline* MasterDataPipeline() const { return master_; }
    // Ignored for itself and for a master whose chain leads back here.
    void SetMasterDataPipeline(TppDataPipeline* master);

    // Traversal.
    void Open();
    void Close();
    void First();
    void Next();
    void Prior();
    void Last();
    bool AtBOF();
    bool AtEOF();
    virtual bool Active() const = 0;

    Bookmark GetBookmark() { return SourceBookmark(); }
    // Goes to the record; a bookmark the source no longer knows returns to
    // the same position by moving from the start of the range again.
    void GotoBookmark(const Bookmark& bookmark);
    virtual void FreeBookmark(const Bookmark& bookmark);
    virtual int CompareBookmarks(const Bookmark& a, const Bookmark& b) const;

    // Called for every pipeline of a report before generation.
    virtual void InitializeTraversal(const QList<TppDataPipeline*>& pipelines);

    // State that the engine saves and restores between pages.
    unsigned State() const { return state_; }
    bool HasState(TppRecordState flag) const { return (state_ & flag) != 0; }
    void SetState(unsigned flags) { state_ |= flags; }
    void ClearState(unsigned flags = FirstRecord | LastRecord | NoRecords) { state_ &= ~flags; }
    int TraversalCount() const { return traversalCount_; }
    void SetTraversalCount(int count) { traversalCount_ = count; }
    int RecordIndex() const { return recordIndex_; }
    void SetRecordIndex(int index) { recordIndex_ = index; }
    int LastIndex() const { return lastIndex_; }
    bool DataTraversed() const { return dataTraversed_; }
    // The record that was current when generation began (rbCurrentRecord, reCurrentRecord).
    const Bookmark& CurrentRecordBookmark() const { return currentRecordBookmark_; }
    void SetCurrentRecordBookmark(const Bookmark& bookmark) { currentRecordBookmark_ = bookmark; }
    // When set, traversal walks exactly these records, in this order.
    void SetBookmarkList(std::optional<QList<Bookmark>> list) { bookmarkList_ = std::move(list); }

    // Fields by name. An unknown name gives null, empty text, 0, or true for
    // the null test; never an error. While NoRecords is set values are null.
    virtual QVariant GetFieldValue(const QString& fieldName);
    virtual QString GetFieldAsString(const QString& fieldName);
    virtual double GetFieldAsDouble(const QString& fieldName);
    virtual bool GetFieldIsNull(const QString& fieldName);
    virtual TppDataType GetFieldDataType(const QString& fieldName);
    virtual int GetFieldDisplayWidth(const QString& fieldName);
    virtual int GetFieldSize(const QString& fieldName);
    virtual TppFieldAlignment GetFieldAlignment(const QString& fieldName);
    virtual bool GetFieldNames(QStringList& names);
    virtual QString GetFieldAlias(const QString& fieldName) { return fieldName; }
    bool IsFieldName(const QString& fieldName);

    // Detail pipelines: the comparison of the detail's link values with the
    // master's (-1 before the master's run, 0 inside, 1 after); 0 when unlinked.
    virtual int CompareWithMaster() { return 0; }
    // Linked: a master and at least one field link.
    virtual bool IsLinked() const { return false; }

    // Pipelines by component name among the components of `scope`, visible ones only.
    static TppDataPipeline* FindByName(const OwnedComponent* scope, const QString& name);

    TppNotifyEvent OnRecordPositionChange;
    TppNotifyEvent OnMasterRecordPositionChange;
    TppNotifyEvent OnTraversal;
    TppNotifyEvent OnGotoBookmark;
    TppNotifyEvent OnDataChange;
    TppNotifyEvent OnFirst;
    TppNotifyEvent OnNext;
    TppNotifyEvent OnPrior;
    TppNotifyEvent OnLast;
    TppNotifyEvent OnOpen;
    TppNotifyEvent OnClose;

    void Notify(TppCommunicator* sender, int operation) override;
    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;
    void Loaded() override;

protected:
    // The source.
    virtual void SourceOpen() = 0;
    virtual void SourceClose() = 0;
    virtual void SourceFirst() = 0;
    virtual void SourceLast() = 0;
    // Moves by n records and answers how many were actually moved.
    virtual int SourceMoveBy(int n) = 0;
    virtual bool SourceBOF() const = 0;
    virtual bool SourceEOF() const = 0;
    virtual Bookmark SourceBookmark() const = 0;
    virtual bool SourceBookmarkValid(const Bookmark& bookmark) const = 0;
    virtual void SourceGotoBookmark(const Bookmark& bookmark) = 0;
    virtual void AfterGotoBookmark() {}

    // Linked positioning (detail pipelines); the base has no links.
    virtual void LinkedFirst() {}
    virtual void LinkedLast() {}
    virtual int LinkedMoveBy(int) { return 0; }
    virtual bool LinkedBeginTest() { return true; }
    virtual bool LinkedEndTest() { return true; }
    virtual bool NoMatch() const { return false; }
    virtual bool IsReady() const { return true; }
    virtual void InitializeLinkState() {}
    virtual void ClearNoMatch() {}
    virtual void FreeLinks() {}
    // Dataset pipelines also take the pipelines whose datasets follow theirs.
    virtual void AddAutomaticDetails(const QList<TppDataPipeline*>&, QList<TppDataPipeline*>&) {}
    // True while the field list is being rebuilt: data-change notices wait.
    virtual bool IsCreatingFields() const { return false; }

    // The source's first and last record, announced as a position change.
    void RawFirst();
    void RawLast();
    // One raw step of the source, keeping the record index.
    int RawMoveBy(int n);
    // Positions at the start of the range without events (First's step 4).
    void PositionAtRangeBegin();
    void RecomputeState();
    void DataChange();
    void RecordPositionChange();
    void MasterRecordPositionChange();
    bool InMove() const { return inMove_; }

private:
    void raise(const TppNotifyEvent& event, int kind);
    void recomputeMoveBy();
    bool currentToCurrent() const { return rangeBegin_ == rbCurrentRecord && rangeEnd_ == reCurrentRecord; }
    int stepForward();
    int stepBackward();
    bool someDetailHasRecords();
    void skipForward();
    void skipBackward();
    void rewalkToRecordIndex();

    TppRangeBeginType rangeBegin_ = rbFirstRecord;
    TppRangeEndType rangeEnd_ = reLastRecord;
    int rangeEndCount_ = 0;
    int moveBy_ = 1;
    bool skipWhenNoRecords_ = true;
    bool visible_ = true;
    TppDataPipeline* master_ = nullptr;
    QString pendingMasterName_;

    unsigned state_ = 0;
    int traversalCount_ = 0;
    bool dataTraversed_ = false;
    int recordIndex_ = 0;
    int lastIndex_ = -1;
    Bookmark currentRecordBookmark_;
    std::optional<QList<Bookmark>> bookmarkList_;
    bool inMove_ = false;

    QList<TppDataPipeline*> details_;
    bool skipping_ = false;
};
