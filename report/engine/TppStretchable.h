#pragma once

#include "TppComponent.h"
#include "TppDrawQueue.h"

// A component that can grow with its content and continue on later pages
// (memos, rich texts, regions, subreports). Other stretchables may follow it
// (ShiftRelativeTo): once its own content is finished it places them directly
// below its bottom, and reports the height of the whole chain to its parent.
class TppStretchable : public TppComponent {
public:
    PW_CLASS_INFO

    explicit TppStretchable(OwnedComponent* owner = nullptr);
    ~TppStretchable() override;

    bool Stretch() const { return stretch_; }
    // True makes the parent grow too; False is refused while others follow.
    virtual void SetStretch(bool value);
    // The stretchable this one is placed below; none when that one has left
    // the band. A target whose chain leads back here raises EInvalidPropertyError.
    TppStretchable* ShiftRelativeTo() const;
    void SetShiftRelativeTo(TppStretchable* target);
    // The stretchables that follow this one, in the order they attached.
    const QList<TppStretchable*>& ShifterList() const { return shifters_; }
    int ShifterCount() const { return int(shifters_.size()); }

    bool KeepTogether() const { return keepTogether_; }
    void SetKeepTogether(bool value);
    int mmBottomOffset() const { return bottomOffset_; }
    void SetmmBottomOffset(int value);
    int mmOverFlowOffset() const { return overFlowOffset_; }
    void SetmmOverFlowOffset(int value);
    int mmStopPosition() const { return stopPosition_; }
    void SetmmStopPosition(int value);
    float BottomOffset() const;
    void SetBottomOffset(float value);
    float OverFlowOffset() const;
    void SetOverFlowOffset(float value);
    float StopPosition() const;
    void SetStopPosition(float value);

    void SetReprintOnOverFlow(bool value) override;
    void SetShiftWithParent(bool value) override;
    void SetStretchWithParent(bool value) override;
    bool CanGrow() const override { return stretch_; }

    // Continuation state; page positions in thousandths of a millimetre.
    bool KeptTogether = false;
    int CurrentPosition = 0;
    int PageBottom = 0;
    bool PartialGeneration = false;
    int PartialAdjustment = 0;
    bool ShiftersStarted = false;
    int ShifterIndex = 0;
    bool ShifterOverFlow = false;
    bool AllShiftersComplete = true;
    bool IncompleteShifterSeen = false;
    TppDrawQueue ShifterDrawQueue;

    // Grows to its content down to PageBottom instead of taking its design height.
    bool StretchingMode() const;
    // Content that does not fit should rather start whole on the next page:
    // KeepTogether is set, it has not been pushed on once already, and
    // something is above it on this page.
    bool KeepTogetherApplies() const;

    void InitForReport() override;
    void ResetForBand() override;
    void Generate() override;
    void FinishBandPass() override;
    void DrawOnPage(TppPage& page) override;
    void CreateDrawCommand(TppPage& page) override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;
    void DrawCommandClick(TppDrawCommand& command) override;
    void Notify(TppCommunicator* sender, int operation) override;

protected:
    // Where the content and the shifters continue on the next page.
    void CacheFields(CacheRecord& record) override;
    // The stretchables placed below this one, after its own drawing.
    void DrawShifters(TppPage& page);

private:
    void placeInParent(const TppPrintParent& parent);
    void generateShifters();
    bool isStaleTarget(const TppStretchable* target) const;
    void detachFromTarget();
    void makeParentDynamic();
    void processMessages() const;

    bool stretch_ = false;
    TppStretchable* shiftRelativeTo_ = nullptr;
    QList<TppStretchable*> shifters_;
    bool keepTogether_ = false;
    int bottomOffset_ = 0;
    int overFlowOffset_ = 0;
    int stopPosition_ = 0;
};
