#include "FieldDrag.h"

#include <QMimeData>

QMimeData* fieldMimeData(const QList<DraggedField>& fields) {
    QByteArray bytes;
    for (const DraggedField& field : fields)
        bytes += field.pipeline.toUtf8() + '\t' + field.field.toUtf8() + '\n';
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kFieldMimeType), bytes);
    return data;
}

QList<DraggedField> draggedFields(const QMimeData* data) {
    QList<DraggedField> fields;
    if (!data || !data->hasFormat(QString::fromLatin1(kFieldMimeType)))
        return fields;
    const QList<QByteArray> lines = data->data(QString::fromLatin1(kFieldMimeType)).split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> parts = line.split('\t');
        if (parts.size() != 2 || parts.at(0).isEmpty() || parts.at(1).isEmpty())
            continue;
        fields << DraggedField{QString::fromUtf8(parts.at(0)), QString::fromUtf8(parts.at(1))};
    }
    return fields;
}
