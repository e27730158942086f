#pragma once

#include "TppCommunicator.h"

// The ear of a draw command awaiting a value: subscribed to the objects
// that store values, it hands their notices (key, serial, text) on.
class TppValueListener : public TppCommunicator {
public:
    explicit TppValueListener(std::function<void(const TppEventParams&)> onValue);
    ~TppValueListener() override;

    // Subscribes to the source's events of the kind.
    void ListenTo(TppCommunicator* source, int kind);
    // Unsubscribes from everything: no value reaches it any more.
    void ClearFilter();
    bool HasFilter() const { return !kinds_.isEmpty(); }
    const QList<std::pair<TppCommunicator*, int>>& Sources() const { return sources_; }

    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;
    void Notify(TppCommunicator* sender, int operation) override;

private:
    std::function<void(const TppEventParams&)> onValue_;
    QList<std::pair<TppCommunicator*, int>> sources_;
    QList<int> kinds_;
};
