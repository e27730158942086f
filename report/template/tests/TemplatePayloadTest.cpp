#include "TemplatePayload.h"
#include "PagewrightErrors.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray pointerTo(qint32 at, QByteArray rest) {
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(at, bytes.data());
    return bytes + rest;
}

TEST(TemplatePayloadTest, TheSignatureIsSoughtAtTheOffsetThenAtTheStartThenWhereTheFirstBytesPoint) {
    struct Row {
        const char* name;
        QByteArray bytes;
        int offset;
        int expectedOffset; // -1: "Invalid Template Format"
        TppFormatType expectedFormat;
    };
    const QByteArray binary = QByteArray("TPF0\x08TppReport", 14);
    const Row rows[] = {
        {"binary at the start", binary, 0, 0, ftBinary},
        {"nothing at the old offset: the start wins", binary, 7, 0, ftBinary},
        {"an offset past the end", binary, 4096, 0, ftBinary},
        {"a negative offset", binary, -3, 0, ftBinary},
        {"the offset kept when the signature is there", "header----object R: TppReport", 10, 10, ftASCII},
        {"the first four bytes hold 512", pointerTo(512, QByteArray(508, 'x') + binary), 0, 512, ftBinary},
        {"the first four bytes point past the end", pointerTo(512, binary), 0, -1, ftBinary},
        {"a negative pointer", pointerTo(-4, binary), 0, -1, ftBinary},
        {"text at the start", "object Report1: TppReport\r\nend\r\n", 0, 0, ftASCII},
        {"a blank line before the text", "\r\nobject Report1: TppReport\r\nend\r\n", 0, -1, ftBinary},
        {"the keyword in capitals", "OBJECT Report1: TppReport\r\nend\r\n", 0, -1, ftBinary},
        {"a byte order mark", "\xEF\xBB\xBFobject Report1: TppReport", 0, -1, ftBinary},
        {"a signature cut short", "TPF", 0, -1, ftBinary},
        {"nothing at all", "", 0, -1, ftBinary},
    };
    for (const Row& row : rows) {
        if (row.expectedOffset < 0) {
            try {
                findTemplatePayload(row.bytes, row.offset);
                ADD_FAILURE() << row.name << ": found a payload";
            } catch (const EInvalidTemplateError& error) {
                EXPECT_EQ(error.message(), "Invalid Template Format") << row.name;
            }
            continue;
        }
        const TemplatePayload payload = findTemplatePayload(row.bytes, row.offset);
        EXPECT_EQ(payload.offset, row.expectedOffset) << row.name;
        EXPECT_EQ(payload.format, row.expectedFormat) << row.name;
    }
}

} // namespace
