#pragma once

#include "TppBrush.h"
#include "TppComponentHolder.h"
#include "TppComponentPass.h"
#include "TppDrawQueue.h"
#include "TppPen.h"
#include "TppPrintParent.h"
#include "TppStretchable.h"

#include <memory>

class TppCacheManager;
class TppPage;

// A box in a band that groups components: they move and grow with it, are
// generated as a unit (kept together on one page when asked), and draw
// above its frame and fill. The children stay members of the band's object
// list, right after the region, so the band resets and caches them; the
// region alone places and draws them.
class TppRegion : public TppStretchable, public TppComponentHolder, public TppPrintParent {
public:
    PW_CLASS_INFO

    explicit TppRegion(OwnedComponent* owner = nullptr);
    ~TppRegion() override;

    const TppPen& Pen() const { return pen_; }
    void SetPen(const TppPen& pen);
    const TppBrush& Brush() const { return brush_; }
    // The brush decides Transparent: a clear brush lets the band show through.
    void SetBrush(const TppBrush& brush);
    bool Transparent() const { return brush_.style == TppBrush::bsClear; }
    void SetTransparent(bool value);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // The designer's colour commands, as for shapes.
    void SetFillColor(int color);
    void SetNoFill();
    void SetLineColor(int color);
    void SetNoLine();
    void SetLineWidth(int width);

    // The region's design box, band-relative.
    QRect HolderRect() const override;
    const ClassInfo* CommandClass() const override;

    // Design positions of the children are band-relative, so the children
    // see the band corner moved by wherever the region was placed.
    int ParentOriginLeft() const override { return PrintRect.Left - mmLeft(); }
    int ParentOriginTop() const override { return PrintRect.Top - mmTop(); }
    int ParentCurrentPosition() const override { return CurrentPosition; }
    int ParentPageBottom() const override { return PageBottom; }
    int ParentSpaceUsed() const override { return SpaceUsed; }
    int ParentDesignHeight() const override { return mmHeight(); }
    bool ParentOverFlow() const override { return OverFlow; }
    bool ParentPartialGeneration() const override { return PartialGeneration; }
    int ParentPartialAdjustment() const override { return PartialAdjustment; }
    TppPrintable* ParentMaxStretchable() const override { return maxStretchable_; }
    bool ParentIsDynamic() const override { return Stretch(); }

    void InitForReport() override;
    void ResetForBand() override;
    void MarkForReprint() override;
    void MeasureContent() override;
    void DrawOnPage(TppPage& page) override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;
    void Loaded() override;

protected:
    void AddObject(TppComponent* component) override;
    void BoundsChanged() override;
    // The resume position of the children besides the stretchable's fields.
    void CacheFields(CacheRecord& record) override;

private:
    struct PassMarks {
        bool objectRecorded = false;
        bool listRecorded = false;
        bool objectOverFlow = false;
        bool allComplete = true;
        int partialAdjustment = 0;
    };

    void generateChildren();
    void generateList(int listIndex, int startIndex, PassMarks& marks);
    void snapshot(TppPage& page);
    void rollBack(TppPage& page);
    TppPage* enginePage() const;
    bool stopped() const;
    void placeAfterRegion(TppComponent& component);
    void rememberBox();

    TppPen pen_;
    TppBrush brush_;
    QString caption_;

    QList<TppComponentPass::GenerationList> lists_;
    TppDrawQueue drawQueue_;
    TppPrintable* maxStretchable_ = nullptr;
    int resumeListIndex_ = 0;
    int resumeObjectIndex_ = 0;
    QRect savedBox_;
    // The page and the children's state before a keep-together attempt.
    std::unique_ptr<TppPage> snapshotPage_;
    std::unique_ptr<TppCacheManager> snapshotCache_;
};
