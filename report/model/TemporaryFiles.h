#pragma once

#include <QString>

// The system's folder for temporary files.
QString TemporaryFolder();
// A name for a new file in `folder` starting with `prefix`; the file is created
// empty so that no other caller is handed the same name.
QString UniqueTemporaryFileName(const QString& folder, const QString& prefix);
