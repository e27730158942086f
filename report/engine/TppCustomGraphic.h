#pragma once

#include "TppBrush.h"
#include "TppCustomComponent.h"
#include "TppPen.h"

// A fixed-size component drawn with a pen and a brush (shapes and lines).
class TppCustomGraphic : public TppCustomComponent {
public:
    PW_CLASS_INFO

    explicit TppCustomGraphic(OwnedComponent* owner = nullptr);
    ~TppCustomGraphic() override;

    const TppPen& Pen() const { return pen_; }
    virtual void SetPen(const TppPen& pen);
    const TppBrush& Brush() const { return brush_; }
    void SetBrush(const TppBrush& brush);

    // The designer's colour commands: a colour also makes a clear pen or
    // brush solid, "no fill" and "no line" make them clear.
    void SetFillColor(int color);
    void SetNoFill();
    void SetLineColor(int color);
    void SetNoLine();
    void SetLineWidth(int width);

protected:
    // After the pen or the brush changed (not while reading).
    virtual void GraphicChanged();

private:
    TppPen pen_;
    TppBrush brush_;
};
