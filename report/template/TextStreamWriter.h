#pragma once

#include "StreamObject.h"

#include <QByteArray>

// Writes StreamObjects in the text form of a component stream: blocks from
// "object" to "end", two spaces of indentation per level, lines ended by
// CR LF. The output is plain ASCII: every other character is written as #
// and its code, so the text reads the same in any encoding.
//
// A float that is infinite or not a number has no text form; writing one
// raises ETemplateLoadError rather than text that would not read back.
class TextStreamWriter {
public:
    explicit TextStreamWriter(QByteArray& out) : out_(out) {}

    void writeObject(const StreamObject& object, int level = 0);

private:
    void newLine(int level);
    void writeProperties(const std::vector<StreamProperty>& properties, int level);
    void writeValue(const StreamValue& value, int level);
    // `ansi`: the text's characters are the bytes of an ANSI string.
    void writeString(const QString& text, int level, bool ansi);
    void writeBinary(const QByteArray& data, int level);
    [[noreturn]] void fail(const QString& problem) const;

    QByteArray& out_;
    QByteArray property_;
};
