#pragma once

#include "StreamObject.h"

#include <QByteArrayView>
#include <optional>

enum class StreamForm { Binary, Text };

// Binary when the data starts with "TPF0"; text when it starts, after blanks,
// with the keyword object, inherited or inline in any case.
std::optional<StreamForm> detectStreamForm(QByteArrayView data);

// Every object of a stream in either form: binary (signature, object) pairs
// up to the end-of-list byte, or text blocks up to the end. Data in neither
// form raises EInvalidTemplateError; a damaged stream ETemplateLoadError.
std::vector<StreamObject> parseComponentStream(QByteArrayView data);

// Binary: each object after its signature, then the end-of-list byte, as a
// template holds them. Text: the blocks one after the other.
QByteArray writeComponentStream(const std::vector<StreamObject>& objects, StreamForm form);

// One object: "TPF0" and its binary form to its text form, and back (the
// signature written first). Whatever follows the object is not read.
QByteArray ObjectBinaryToText(QByteArrayView binary);
QByteArray ObjectTextToBinary(QByteArrayView text);
