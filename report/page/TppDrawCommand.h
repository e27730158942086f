#pragma once

#include "TppRelative.h"
#include "TppTypes.h"
#include "WeakReference.h"

#include <QRect>
#include <functional>

class TppBand;
class PageDrawTarget;
class TppPage;

// One drawing instruction of a page, its box in thousandths of a millimetre
// from the paper's top-left corner. Devices render it by class; the device
// box (DeviceLeft ...) is filled in each time a device draws it and serves
// hit-testing of clicks.
class TppDrawCommand : public TppRelative {
public:
    PW_CLASS_INFO

    explicit TppDrawCommand(OwnedComponent* owner = nullptr);
    ~TppDrawCommand() override;

    int Left() const { return left_; }
    void SetLeft(int value) { left_ = value; }
    int Top() const { return top_; }
    void SetTop(int value) { top_ = value; }
    int Width() const { return width_; }
    void SetWidth(int value) { width_ = value; }
    int Height() const { return height_; }
    void SetHeight(int value) { height_ = value; }
    QRect Box() const { return QRect(left_, top_, width_, height_); }
    void SetBox(int left, int top, int width, int height);

    TppDataType DataType() const { return dataType_; }
    void SetDataType(TppDataType value) { dataType_ = value; }
    bool Clickable() const { return clickable_; }
    void SetClickable(bool value);
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }

    TppPage* Page() const { return page_; }
    // Moves the command to another page; none only takes it off its page.
    void SetPage(TppPage* page);
    bool RedrawPage = false;
    TppBand* SourceBand() const { return sourceBand_.get(); }
    void SetSourceBand(TppBand* band);
    QString DrillDownKey;
    std::function<void(TppDrawCommand* sender)> ClickHandler;

    int DeviceLeft = 0;
    int DeviceTop = 0;
    int DeviceRight = 0;
    int DeviceBottom = 0;

    // Renders on a device: the base asks the device to draw it.
    virtual void Draw(PageDrawTarget& target);
    // The same class with the same published values.
    virtual bool IsSameAs(const TppDrawCommand& other) const;
    // Whether its text waits for numbers known only later (page counts).
    virtual bool IsUpdatable() const { return false; }
    // Refreshes that text from the page; true when it changed.
    virtual bool UpdateText() { return false; }
    // A deep copy of another command's fields; sources of other classes
    // give their common part.
    virtual void Assign(const TppDrawCommand& source);

private:
    friend class TppPage;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TppDataType dataType_ = dtString;
    bool clickable_ = false;
    int tag_ = 0;
    TppPage* page_ = nullptr;
    WeakReference<TppBand> sourceBand_;
};
