#include "ComponentStream.h"

#include "BinaryStreamReader.h"
#include "BinaryStreamWriter.h"
#include "PagewrightErrors.h"
#include "TextStreamReader.h"
#include "TextStreamWriter.h"

std::optional<StreamForm> detectStreamForm(QByteArrayView data) {
    if (data.startsWith("TPF0"))
        return StreamForm::Binary;
    qsizetype start = 0;
    while (start < data.size() &&
           (data[start] == ' ' || data[start] == '\t' || data[start] == '\r' || data[start] == '\n'))
        ++start;
    const QByteArrayView rest = data.sliced(start);
    for (const char* keyword : {"object", "inherited", "inline"}) {
        const qsizetype length = qsizetype(qstrlen(keyword));
        if (rest.size() > length && rest.first(length).compare(keyword, Qt::CaseInsensitive) == 0 &&
            QByteArrayView(" \t\r\n").contains(rest[length]))
            return StreamForm::Text;
    }
    return std::nullopt;
}

std::vector<StreamObject> parseComponentStream(QByteArrayView data) {
    const std::optional<StreamForm> form = detectStreamForm(data);
    if (!form)
        throw EInvalidTemplateError(
            QStringLiteral("Invalid stream format: neither \"TPF0\" nor \"object\" at the start"));
    if (*form == StreamForm::Binary)
        return BinaryStreamReader(data).readComponents();
    return TextStreamReader(data).readComponents();
}

QByteArray writeComponentStream(const std::vector<StreamObject>& objects, StreamForm form) {
    QByteArray out;
    if (form == StreamForm::Binary) {
        BinaryStreamWriter(out).writeComponents(objects);
    } else {
        TextStreamWriter writer(out);
        for (const StreamObject& object : objects)
            writer.writeObject(object);
    }
    return out;
}

QByteArray ObjectBinaryToText(QByteArrayView binary) {
    BinaryStreamReader reader(binary);
    reader.readSignature();
    QByteArray text;
    TextStreamWriter(text).writeObject(reader.readObject());
    return text;
}

QByteArray ObjectTextToBinary(QByteArrayView text) {
    QByteArray binary;
    BinaryStreamWriter writer(binary);
    writer.WriteSignature();
    writer.writeObject(TextStreamReader(text).readObject());
    return binary;
}
