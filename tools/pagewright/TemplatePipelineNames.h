#pragma once

#include <QByteArrayView>
#include <QStringList>

// The pipeline names a stored template refers to (the report's, the bands',
// the groups', the components' and master pipelines'), without loading it.
// A template written by hand may call a pipeline by any name; one made in
// the designer calls it by its component name, "pp" and the user name.
// Nothing for bytes that hold no readable template: loading it says why.
QStringList pipelineNamesReferredTo(QByteArrayView templateBytes);
