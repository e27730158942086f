#pragma once

#include <QString>
#include <QVariantList>
#include <functional>

class TppCommunicator;

// A published event: the name of the handler method that templates store,
// and the handler itself, bound by code or by the script module.
template <class... Args> struct TppEvent {
    QString methodName;
    std::function<void(Args...)> handler;

    explicit operator bool() const { return bool(handler); }

    // Takes over the event of a layout that replaces this one: its method
    // name, and its handler only where it has one, so that a handler bound
    // by code survives a template, which names methods only.
    void TakeOver(const TppEvent& other) {
        methodName = other.methodName;
        if (other.handler)
            handler = other.handler;
    }
    void operator()(Args... args) const {
        if (handler)
            handler(args...);
    }
};

using TppNotifyEvent = TppEvent<TppCommunicator*>;

// Parameters of a broadcast event; handlers may change them (a break value
// passed by reference).
using TppEventParams = QVariantList;
