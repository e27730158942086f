#pragma once

#include <QList>
#include <QRect>

class TppComponent;

// Something components sit in and are drawn in order from: a band, or a
// region inside a band.
class TppComponentHolder {
public:
    virtual ~TppComponentHolder() = default;

    const QList<TppComponent*>& Objects() const { return objects_; }
    int ObjectCount() const { return int(objects_.size()); }
    TppComponent* Object(int index) const { return objects_.value(index); }
    int IndexOfObject(const TppComponent* component) const { return int(objects_.indexOf(component)); }
    // Moves within the drawing order; the index is clamped to the list.
    void MoveObject(TppComponent* component, int index);
    void BringToFront(TppComponent* component) { MoveObject(component, ObjectCount() - 1); }
    void SendToBack(TppComponent* component) { MoveObject(component, 0); }

    // The area a parent-sized component fills, in thousandths of a
    // millimetre relative to the band.
    virtual QRect HolderRect() const = 0;

protected:
    friend class TppComponent;
    virtual void AddObject(TppComponent* component);
    virtual void RemoveObject(TppComponent* component);

private:
    QList<TppComponent*> objects_;
};
