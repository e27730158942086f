#pragma once

#include "TppPage.h"

#include <QByteArrayView>
#include <memory>
#include <vector>

// Reads an archive written by TppArchiveDevice back into its pages, in the
// order they were stored. Nothing in the file is trusted: D must be 4 plus
// 8 per page and lie within the file, every offset must be below 2^31, lead
// to the next page's data inside the file and to "TPF0", and each page's
// bytes must hold exactly one TppPage. A damaged or truncated archive
// raises ETemplateLoadError saying which page and byte broke the rule.
std::vector<std::unique_ptr<TppPage>> ReadArchive(QByteArrayView data);
// The same for a file; ETemplateLoadError also when it cannot be read.
std::vector<std::unique_ptr<TppPage>> ReadArchiveFile(const QString& fileName);
