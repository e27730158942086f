#pragma once

#include "PropertyInfo.h"

// A property that a class writes to templates beside its published ones, for
// values the published set cannot express: lengths in thousandths of a
// millimetre ("mmHeight"), references by name ("DataPipelineName"), binary
// blocks ("ProgramStream"), and the old names that older templates still
// hold ("OnPrint"), which are read but never written.
struct DefinedProperty {
    QString name;
    PropertyKind kind = PropertyKind::Integer;
    // The value to write; unset for properties that are only read.
    std::function<QVariant(const Persistent&)> value;
    // Takes a value read from a stream.
    std::function<void(Persistent&, const QVariant&)> assign;
    // Unset means written whenever `value` is set. With an ancestor the
    // stream also skips values equal to the ancestor's.
    std::function<bool(const Persistent&)> written;

    bool isWritten(const Persistent& object) const { return value && (!written || written(object)); }
};
