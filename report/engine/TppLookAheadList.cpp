#include "TppLookAheadList.h"

#include "CalculationSupport.h"
#include "TppDrawVariable.h"
#include "TppValueListener.h"

TppLookAheadList::TppLookAheadList(TppCommunicator& owner) : owner_(owner) {}

TppLookAheadList::~TppLookAheadList() {
    Release();
}

void TppLookAheadList::Store(const QString& key, int serial, const QString& text) {
    size_t index = open_;
    for (; index < entries_.size() && entries_[index]->ValueKey != key; ++index)
        if (TppValueListener* listener = entries_[index]->ValueListener())
            listener->ClearFilter();
    if (index < entries_.size()) {
        open_ = index;
        TppEventParams params{key, serial, text};
        owner_.BroadcastEvent(&owner_, ciLookAheadValue, &params);
        return;
    }
    // A key stored before and closed since keeps its text; it cannot open again.
    for (const auto& entry : entries_)
        if (entry->ValueKey == key)
            return;
    auto entry = std::make_unique<TppDrawVariable>();
    entry->Text = text;
    entry->ValueKey = key;
    entry->ValueSerial = serial;
    entry->SetAwaitsValue(true);
    entry->ValueListener()->ListenTo(&owner_, ciLookAheadValue);
    entries_.push_back(std::move(entry));
    open_ = entries_.size() - 1;
    // Commands drawn for the scope before its first value take it too.
    TppEventParams params{key, serial, text};
    owner_.BroadcastEvent(&owner_, ciLookAheadValue, &params);
}

std::optional<QString> TppLookAheadList::TextFor(const QString& key) const {
    for (const auto& entry : entries_)
        if (entry->ValueKey == key)
            return entry->Text;
    return std::nullopt;
}

void TppLookAheadList::Draw(TppDrawCommand& command, const QString& key, bool firstPass) const {
    auto* variable = dynamic_cast<TppDrawVariable*>(&command);
    if (!variable)
        return;
    if (const auto text = TextFor(key))
        variable->Text = *text;
    if (!firstPass)
        return;
    variable->SetAwaitsValue(true);
    variable->ValueKey = key;
    variable->ValueListener()->ListenTo(&owner_, ciLookAheadValue);
}

void TppLookAheadList::Release() {
    for (const auto& entry : entries_)
        if (TppValueListener* listener = entry->ValueListener())
            listener->ClearFilter();
    open_ = entries_.size();
}
