#pragma once

#include "TppCacheable.h"
#include "TppTypes.h"

#include <QRect>

class TppDataPipeline;

// Everything that can be placed in a band: a design box in thousandths of a
// millimetre, visibility, and the pipeline it reads. Generation (placing,
// stretching, drawing) builds on this in the engine.
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

protected:
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
    QString pendingPipelineName_;
};
