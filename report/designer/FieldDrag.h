#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QMimeData;

// The MIME type under which the data tree hands fields to the workspace:
// one "pipeline name<TAB>field name" line per field, in UTF-8.
inline constexpr char kFieldMimeType[] = "application/x-pagewright-fields";

// A field as the data tree drags it: its pipeline's component name and its
// field name.
struct DraggedField {
    QString pipeline;
    QString field;
    friend bool operator==(const DraggedField&, const DraggedField&) = default;
};

QMimeData* fieldMimeData(const QList<DraggedField>& fields);
// The fields a drop carries; nothing for data of another kind or lines
// that do not hold two names.
QList<DraggedField> draggedFields(const QMimeData* data);
