#pragma once

#include "MemoryTable.h"

// Fills a fresh table with one integer field "N" holding 1 to `count`, and
// leaves it on its first record.
inline void fillNumberedTable(MemoryTable& table, int count) {
    table.setFieldDefs({{"N", FieldType::Integer, 0, 0}});
    table.open();
    for (int n = 1; n <= count; ++n) {
        table.append();
        table.setValue(0, n);
        table.post();
    }
    table.first();
}
