#include "TppComponentHolder.h"

void TppComponentHolder::MoveObject(TppComponent* component, int index) {
    const qsizetype from = objects_.indexOf(component);
    if (from < 0)
        return;
    objects_.move(from, std::clamp<qsizetype>(index, 0, objects_.size() - 1));
}

void TppComponentHolder::AddObject(TppComponent* component) {
    if (!objects_.contains(component))
        objects_.append(component);
}

void TppComponentHolder::RemoveObject(TppComponent* component) {
    objects_.removeOne(component);
}
