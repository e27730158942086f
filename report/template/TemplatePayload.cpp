#include "TemplatePayload.h"

#include "PagewrightErrors.h"

#include <QtEndian>
#include <optional>

namespace {

std::optional<TppFormatType> signatureAt(QByteArrayView bytes, qint64 at) {
    if (at < 0 || at >= bytes.size())
        return std::nullopt;
    const QByteArrayView rest = bytes.sliced(at);
    if (rest.startsWith("TPF0"))
        return ftBinary;
    if (rest.startsWith("object"))
        return ftASCII;
    return std::nullopt;
}

} // namespace

TemplatePayload findTemplatePayload(QByteArrayView bytes, int offset) {
    if (const std::optional<TppFormatType> format = signatureAt(bytes, offset))
        return {offset, *format};
    if (const std::optional<TppFormatType> format = signatureAt(bytes, 0))
        return {0, *format};
    if (bytes.size() >= 4) {
        const qint32 pointed = qFromLittleEndian<qint32>(bytes.data());
        if (pointed > 0)
            if (const std::optional<TppFormatType> format = signatureAt(bytes, pointed))
                return {pointed, *format};
    }
    throw EInvalidTemplateError(QStringLiteral("Invalid Template Format"));
}
