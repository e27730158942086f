#pragma once

#include "DataSource.h"
#include "MemoryTable.h"
#include "SqlDataset.h"
#include "TppDBPipeline.h"

#include <QSqlQuery>
#include <gtest/gtest.h>
#include <memory>

// The same records behind the pipeline's dataset interface, once in the
// in-memory table and once in a SQLite table, so every traversal test runs
// against both and shows they walk alike.
enum class Backend { Memory, Sqlite };

inline std::string backendName(const testing::TestParamInfo<Backend>& info) {
    return info.param == Backend::Memory ? "Memory" : "Sqlite";
}

struct Column {
    QString name;
    FieldType type;
    QString sqlType;
};

inline std::unique_ptr<Dataset> makeDataset(Backend backend, const QList<Column>& columns,
                                            const QList<QVariantList>& rows, const QString& table = "T") {
    if (backend == Backend::Memory) {
        auto memory = std::make_unique<MemoryTable>();
        FieldDefs defs;
        for (const Column& c : columns)
            defs.append({c.name, c.type, c.type == FieldType::String ? 20 : 0, 0});
        memory->setFieldDefs(defs);
        memory->open();
        for (const QVariantList& row : rows) {
            memory->append();
            for (int i = 0; i < row.size(); ++i)
                memory->setValue(i, row[i]);
            memory->post();
        }
        memory->first();
        return memory;
    }
    static int connections = 0;
    const QSqlDatabase db = SqlDataset::openSqlite(":memory:", QStringLiteral("test%1").arg(++connections));
    QStringList definitions;
    QStringList marks;
    for (const Column& c : columns) {
        definitions << c.name + " " + c.sqlType;
        marks << "?";
    }
    QSqlQuery query(db);
    query.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(table, definitions.join(", ")));
    for (const QVariantList& row : rows) {
        query.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(", ")));
        for (const QVariant& value : row)
            query.addBindValue(value);
        query.exec();
    }
    auto sql = std::make_unique<SqlDataset>();
    sql->setDatabase(db);
    sql->setTable(table);
    sql->open();
    return sql;
}

// One pipeline over one dataset, owned by a form; tests may free parts of it.
struct PipelineOver {
    PipelineOver(OwnedComponent& owner, std::unique_ptr<Dataset> data, const QString& name)
        : form(owner), dataset(std::move(data)), source(new DataSource(&form, dataset.get())),
          pipeline(new TppDBPipeline(&form)) {
        pipeline->SetName(name);
        pipeline->SetDataSource(source);
    }
    ~PipelineOver() {
        if (form.components().contains(pipeline))
            delete pipeline;
        if (form.components().contains(source))
            delete source;
    }
    OwnedComponent& form;
    std::unique_ptr<Dataset> dataset;
    DataSource* source;
    TppDBPipeline* pipeline;
};

// Walks the range from First() while not at its end, collecting one field.
inline QStringList walk(TppDataPipeline& pipeline, const QString& field, int limit = 100) {
    QStringList seen;
    pipeline.First();
    while (!pipeline.AtEOF() && seen.size() < limit) {
        seen << pipeline.GetFieldAsString(field);
        pipeline.Next();
    }
    return seen;
}
