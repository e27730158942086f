#include "TppDrawVariable.h"

#include "ClassBuilder.h"
#include "TppValueListener.h"

const ClassInfo& TppDrawVariable::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDrawVariable>("TppDrawVariable", &TppDrawText::staticClassInfo(), [](auto& c) {
            using V = TppDrawVariable;
            c.property("AwaitsValue", &V::AwaitsValue, &V::SetAwaitsValue).withDefault(false);
            c.property(
                "ValueKey", [](const V& v) { return v.ValueKey; },
                [](V& v, const QString& k) { v.ValueKey = k; });
            c.property(
                 "ValueSerial", [](const V& v) { return v.ValueSerial; },
                 [](V& v, int s) { v.ValueSerial = s; })
                .withDefault(0);
        });
    return info;
}

TppDrawVariable::TppDrawVariable(OwnedComponent* owner) : TppDrawText(owner) {}

TppDrawVariable::~TppDrawVariable() {
    markDestroying();
}

void TppDrawVariable::SetAwaitsValue(bool value) {
    awaitsValue_ = value;
    if (value && !listener_)
        listener_ = std::make_unique<TppValueListener>([this](const TppEventParams& params) {
            ReceiveValue(params.value(0).toString(), params.value(1).toInt(), params.value(2).toString());
        });
    else if (!value)
        listener_.reset();
}

void TppDrawVariable::ReceiveValue(const QString& key, int serial, const QString& text) {
    if (key != ValueKey) {
        // Values of another key mean the look-ahead has moved on: this
        // command's value is final.
        if (listener_)
            listener_->ClearFilter();
        return;
    }
    if (serial > ValueSerial) {
        Text = text;
        ValueSerial = serial;
    }
}

bool TppDrawVariable::UpdateText() {
    return awaitsValue_ && listener_ && listener_->HasFilter();
}

void TppDrawVariable::Assign(const TppDrawCommand& source) {
    TppDrawText::Assign(source);
    const auto* variable = dynamic_cast<const TppDrawVariable*>(&source);
    if (!variable)
        return;
    ValueKey = variable->ValueKey;
    SetAwaitsValue(variable->awaitsValue_);
    if (awaitsValue_ && variable->listener_)
        for (const auto& [communicator, kind] : variable->listener_->Sources())
            listener_->ListenTo(communicator, kind);
}
