#include "TppDrawQueue.h"

#include "TppPrintable.h"

#include <algorithm>

void TppDrawQueue::Add(TppPrintable* component) {
    entries_.append(component);
}

QList<TppPrintable*> TppDrawQueue::Sorted() const {
    QList<TppPrintable*> sorted = entries_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TppPrintable* a, const TppPrintable* b) { return a->ZOrder < b->ZOrder; });
    return sorted;
}
