#pragma once

#include <QList>

class TppPrintable;

// The components that used space in a pass, drawn in their ZOrder however
// the pass met them. Keys are ZOrders; sorting them as numbers gives the
// order of their "%8d" texts, since ZOrders are never negative.
class TppDrawQueue {
public:
    void Add(TppPrintable* component);
    void Clear() { entries_.clear(); }
    bool IsEmpty() const { return entries_.isEmpty(); }
    int Count() const { return int(entries_.size()); }
    // The entries by ZOrder; equal keys keep the order they were added in.
    QList<TppPrintable*> Sorted() const;

private:
    QList<TppPrintable*> entries_;
};
