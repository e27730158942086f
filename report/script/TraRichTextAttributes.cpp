#include "TraRichTextAttributes.h"

#include "TppCustomRichText.h"
#include "TraRunError.h"

// Made by their component for scripts, never by scripts themselves.
const ClassInfo& TraTextAttributes::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TTextAttributes"), &Persistent::staticClassInfo());
    return info;
}

const ClassInfo& TraParaAttributes::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TParaAttributes"), &Persistent::staticClassInfo());
    return info;
}

TraRichTextFormat::TraRichTextFormat(TppCustomRichText& owner) {
    owner_.reset(&owner);
}

TppCustomRichText& TraRichTextFormat::owner() const {
    auto* owner = dynamic_cast<TppCustomRichText*>(owner_.get());
    if (!owner)
        throw TraRunError(QStringLiteral("Cannot use the format: its rich text component is gone"));
    return *owner;
}
