#pragma once

#include "Persistent.h"
#include "WeakReference.h"

class TppCommunicator;
class TppCustomRichText;

// The formats of a rich text component's selection as its SelAttributes
// (TTextAttributes: font, size, colour, style) and its Paragraph
// (TParaAttributes: alignment, indents). A read takes the format where the
// selection starts; a write applies it to the whole selection, or to every
// paragraph it touches, and stores the document again.
class TraRichTextFormat : public Persistent {
public:
    explicit TraRichTextFormat(TppCustomRichText& owner);
    // Raises a script error once the component is gone.
    TppCustomRichText& owner() const;

private:
    WeakReference<TppCommunicator> owner_;
};

class TraTextAttributes final : public TraRichTextFormat {
public:
    PW_CLASS_INFO
    using TraRichTextFormat::TraRichTextFormat;
};

class TraParaAttributes final : public TraRichTextFormat {
public:
    PW_CLASS_INFO
    using TraRichTextFormat::TraRichTextFormat;
};
