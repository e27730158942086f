#pragma once

#include "TppPrintable.h"

class TppBand;
class TppComponentHolder;
class TppReportModel;
class TppGroup;
class TppPrintParent;

// A printable placed in the report tree: in a band, possibly inside a region
// of that band. It keeps inside its band's bounds, records which kind of
// band holds it ("BandType", "GroupNo"), follows its band's pipeline unless
// given its own, and knows the group whose breaks reset it.
class TppComponent : public TppPrintable {
public:
    PW_CLASS_INFO

    explicit TppComponent(OwnedComponent* owner = nullptr);
    ~TppComponent() override;

    TppBand* Band() const { return band_; }
    void SetBand(TppBand* band);
    // Only regions are accepted; anything else is ignored.
    TppComponent* Region() const { return region_; }
    void SetRegion(TppComponent* region);
    TppComponentHolder* Holder() const;

    int BandType() const { return bandType_; }
    int GroupNo() const { return groupNo_; }
    // Takes the type and group index from the band again (groups renumbered).
    void RefreshBandType();
    // Position in the band's drawing order, -1 without band.
    int Index() const;
    // Position in the region's list when in a region, else in the band's.
    int HolderIndex() const;
    void BringToFront();
    void SendToBack();

    TppReportModel* Report() const;
    // What the component prints in: its region when it has one, else its band.
    TppPrintParent* PrintParent() const;

    bool ParentDataPipeline() const { return parentDataPipeline_; }
    void SetParentDataPipeline(bool follow);
    void SetDataPipeline(TppDataPipeline* pipeline) override;

    TppGroup* ResetGroup() const { return resetGroup_; }
    void SetResetGroup(TppGroup* group);

    // Components that take the whole width or height of their band or region.
    bool ParentWidth() const { return parentWidth_; }
    void SetParentWidth(bool value);
    bool ParentHeight() const { return parentHeight_; }
    void SetParentHeight(bool value);

    void SetmmLeft(int value) override;
    void SetmmTop(int value) override;
    void SetmmWidth(int value) override;
    void SetmmHeight(int value) override;
    void SetBounds(int left, int top, int width, int height) override;

    // What bands and groups ask of the classes built on this one.
    // A text component with Save set is written to text files.
    virtual bool Save() const { return false; }
    // A component that may grow makes its band's height dynamic.
    virtual bool CanGrow() const { return false; }
    // A component whose current text can drive a group break.
    virtual bool IsTextComponent() const { return false; }
    virtual QString Text() const { return QString(); }
    // The field a data-aware component shows; empty for the others.
    virtual QString DataField() const { return QString(); }

    void Change() override;
    void Notify(TppCommunicator* sender, int operation) override;
    // Read from a template: a component lives in a band, or in a region of
    // a band.
    bool SetParentComponent(OwnedComponent* parent) override;

private:
    void sizeToHolder();
    QRect holderRect() const;
    int holderRight() const;

    TppBand* band_ = nullptr;
    TppComponent* region_ = nullptr;
    // Kept apart from region_: a region's own destructor frees its
    // components after its holder part is no longer reachable by a cast.
    TppComponentHolder* regionHolder_ = nullptr;
    int bandType_ = btDetail;
    int groupNo_ = -1;
    bool parentDataPipeline_ = true;
    TppGroup* resetGroup_ = nullptr;
    bool parentWidth_ = false;
    bool parentHeight_ = false;
};
