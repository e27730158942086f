#pragma once

#include "TppCustomTemplate.h"

#include <QByteArrayView>

// Where the component stream starts in a stored template and which form it
// has. Stored templates may carry other bytes before it (a header of the
// application's own, a length prefix).
struct TemplatePayload {
    int offset = 0;
    TppFormatType format = ftBinary;
};

// The payload of a stored template: at `offset` when a signature starts
// there; else at the start; else where the first four bytes, a
// little-endian integer, point. The signatures are "TPF0" and the lower-case
// "object" (a text template has nothing before its first keyword). Raises
// EInvalidTemplateError "Invalid Template Format" when none is found.
TemplatePayload findTemplatePayload(QByteArrayView bytes, int offset);
