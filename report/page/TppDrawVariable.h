#pragma once

#include "TppDrawText.h"

#include <memory>

class TppValueListener;

// A variable's text that may still change after its page was made: a
// look-ahead value (a group total shown in the group header). While it
// awaits its value, its listener hears the values stored for its key
// and the newest one becomes the text.
class TppDrawVariable : public TppDrawText {
public:
    PW_CLASS_INFO

    explicit TppDrawVariable(OwnedComponent* owner = nullptr);
    ~TppDrawVariable() override;

    bool AwaitsValue() const { return awaitsValue_; }
    // Creates the listener when set, frees it when cleared.
    void SetAwaitsValue(bool value);
    QString ValueKey;
    int ValueSerial = 0;
    // Present while awaiting.
    TppValueListener* ValueListener() const { return listener_.get(); }

    // A value notice: (key, serial, text).
    void ReceiveValue(const QString& key, int serial, const QString& text);

    bool IsUpdatable() const override { return awaitsValue_; }
    bool UpdateText() override;
    void Assign(const TppDrawCommand& source) override;

private:
    bool awaitsValue_ = false;
    std::unique_ptr<TppValueListener> listener_;
};
