#include "TppValueListener.h"

TppValueListener::TppValueListener(std::function<void(const TppEventParams&)> onValue)
    : onValue_(std::move(onValue)) {}

TppValueListener::~TppValueListener() {
    markDestroying();
    ClearFilter();
}

void TppValueListener::ListenTo(TppCommunicator* source, int kind) {
    if (!source)
        return;
    AddEventKind(kind);
    kinds_.append(kind);
    sources_.append({source, kind});
    source->SubscribeEvents(this);
    LinkTo(source);
}

void TppValueListener::ClearFilter() {
    for (int kind : std::exchange(kinds_, {}))
        RemoveEventKind(kind);
    for (const auto& [source, kind] : std::exchange(sources_, {})) {
        source->UnsubscribeEvents(this);
        UnlinkFrom(source);
    }
}

void TppValueListener::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppCommunicator::EventNotify(sender, kind, params);
    if (params && params->size() >= 3 && onValue_)
        onValue_(*params);
}

void TppValueListener::Notify(TppCommunicator* sender, int operation) {
    TppCommunicator::Notify(sender, operation);
    if (operation == ppopRemove)
        sources_.removeIf([sender](const auto& entry) { return entry.first == sender; });
}
