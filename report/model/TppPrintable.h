#pragma once

#include "PendingPipelineName.h"
#include "TppCacheable.h"
#include "TppEvent.h"
#include "TppPrintRect.h"
#include "TppTypes.h"

#include <QRect>

class TppDataPipeline;
class TppDrawCommand;
class TppPage;

// Everything that can be placed in a band: a design box in thousandths of a
// millimetre, visibility, the pipeline it reads, and the state of its
// generation on the current page. The operations that place, size and draw
// it are virtual: the component classes of the engine layer give them their
// meaning, and the band's pass calls them in a fixed order.
class TppPrintable : public TppCacheable {
public:
    PW_CLASS_INFO

    explicit TppPrintable(OwnedComponent* owner = nullptr);
    ~TppPrintable() override;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    int mmLeft() const { return box_.left; }
    int mmTop() const { return box_.top; }
    int mmWidth() const { return box_.width; }
    int mmHeight() const { return box_.height; }
    virtual void SetmmLeft(int value);
    virtual void SetmmTop(int value);
    virtual void SetmmWidth(int value);
    virtual void SetmmHeight(int value);
    // All four at once, as the designer moves a component.
    virtual void SetBounds(int left, int top, int width, int height);
    int mmRight() const { return box_.left + box_.width; }
    int mmBottom() const { return box_.top + box_.height; }

    // The same lengths in the report's units.
    TppUnitType Units() const { return units_; }
    void SetUnits(TppUnitType units) { units_ = units; }
    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void SetLeft(float value);
    void SetTop(float value);
    void SetWidth(float value);
    void SetHeight(float value);

    TppDataPipeline* DataPipeline() const { return pipeline_; }
    virtual void SetDataPipeline(TppDataPipeline* pipeline);

    void Notify(TppCommunicator* sender, int operation) override;
    void Loaded() override;

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // How the component follows a parent that grows or continues on another
    // page. Shifting and stretching with the parent exclude each other.
    bool ReprintOnOverFlow() const { return reprintOnOverFlow_; }
    virtual void SetReprintOnOverFlow(bool value);
    bool ShiftWithParent() const { return shiftWithParent_; }
    virtual void SetShiftWithParent(bool value);
    bool StretchWithParent() const { return stretchWithParent_; }
    virtual void SetStretchWithParent(bool value);

    // State of the pass over the current page; lengths are page positions.
    bool DrawComponent = false;      // to be placed and drawn in this pass
    bool GenerationComplete = false; // finished in this pass
    bool OutOfSpace = false;         // did not fit below the parent's page bottom
    bool OverFlow = false;           // has content left for the next page
    int SpaceUsed = 0;
    TppPrintRect PrintRect;
    int ZOrder = 0; // index among its band's objects: the drawing order
    bool ResetOnCompute = false;

    // The draw command class the component creates; none draws nothing itself.
    virtual const ClassInfo* CommandClass() const { return nullptr; }

    // Generation, in the order the parent calls them.
    virtual void InitForReport();
    // Each page start: what a component shows once per page starts over.
    virtual void PageStarted() {}
    virtual void ResetForBand();
    virtual void Generate();
    virtual void MarkForReprint();
    virtual void MeasureContent() {}
    virtual void FinishBandPass();
    virtual void DrawOnPage(TppPage& page);
    virtual void CreateDrawCommand(TppPage&) {}
    virtual void PropertiesToDrawCommand(TppDrawCommand&) {}
    virtual void DrawCommandClick(TppDrawCommand&) {}

    // Fires OnPrint, then tells the script handlers.
    void DoOnPrint();

    TppNotifyEvent OnPrint;
    TppEvent<TppCommunicator*, TppDrawCommand*> OnDrawCommandCreate;
    TppEvent<TppCommunicator*, TppDrawCommand*> OnDrawCommandClick;

protected:
    // Every printable keeps whether it still has to draw on the next page.
    void CacheFields(CacheRecord& record) override;
    // Stores a box without the holder's rules (loading, parent sizing).
    void storeBox(int left, int top, int width, int height);
    // Called after the box changed.
    virtual void BoundsChanged() {}

private:
    struct Box {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };
    Box box_;
    bool visible_ = true;
    TppUnitType units_ = utInches;
    TppDataPipeline* pipeline_ = nullptr;
    PendingPipelineName pendingPipelineName_;
    int tag_ = 0;
    bool reprintOnOverFlow_ = false;
    bool shiftWithParent_ = false;
    bool stretchWithParent_ = false;
};
