#pragma once

#include <QByteArray>
#include <QList>

class TppOutlineNode;

// Qt's PDF writer has no document outline, so one is added afterwards as an
// incremental update: the outline's objects, a catalog that names them and
// opens the outline beside the pages, a cross-reference section for the new
// objects and a trailer pointing back to the writer's. The writer's bytes
// stay as they are. `pageNumbers` lists the report's page number of each PDF
// page in order; an entry whose page is not in the file leads nowhere. A
// file that cannot be read as the writer's output is returned unchanged.
QByteArray withPdfOutline(const QByteArray& pdf, const TppOutlineNode& root, const QList<int>& pageNumbers);
