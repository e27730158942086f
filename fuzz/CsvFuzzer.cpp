// Feeds arbitrary bytes to both CSV readers: the one that loads a whole
// table into memory and the streamed dataset that walks a file by its
// index, forwards, backwards and by bookmark. Crashes, sanitizer reports
// and hangs are findings; tables refused with a data error are not.

#include "CsvDataset.h"
#include "CsvTable.h"
#include "FuzzSupport.h"
#include "MemoryTable.h"
#include "PagewrightErrors.h"

#include <QFile>

namespace {

// Every value of every record; the dataset's errors surface here.
void walk(Dataset& dataset) {
    const int fields = int(dataset.fieldDefs().size());
    for (dataset.first(); !dataset.eof(); dataset.next())
        for (int field = 0; field < fields; ++field)
            (void)dataset.value(field);
    dataset.last();
    const Bookmark end = dataset.bookmark();
    while (!dataset.bof())
        dataset.prior();
    if (dataset.bookmarkValid(end))
        dataset.gotoBookmark(end);
    dataset.moveBy(-3);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes = bytesOf(data, size);

    try {
        MemoryTable table;
        loadCsvTable(QString::fromUtf8(bytes), table);
        walk(table);
    } catch (const EPagewrightError&) {
    }

    const QString path = scratchFolder().filePath(QStringLiteral("table.csv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
            abort();
    }
    try {
        CsvDataset dataset;
        dataset.setFileName(path);
        dataset.open();
        walk(dataset);
    } catch (const EPagewrightError&) {
    }
    return 0;
}
