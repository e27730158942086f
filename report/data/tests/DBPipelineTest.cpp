#include "ClassRegistry.h"
#include "DataPipelineClasses.h"
#include "PagewrightErrors.h"
#include "PipelineFixtures.h"
#include "TppField.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

const QList<Column> kSchedule = {
    {"DATE", FieldType::String, "TEXT"},          {"PAYMENT", FieldType::Float, "REAL"},
    {"PRINCIPAL_PAID", FieldType::Float, "REAL"}, {"INTEREST_PAID", FieldType::Float, "REAL"},
    {"TOTAL_INTEREST", FieldType::Float, "REAL"}, {"BALANCE", FieldType::Float, "REAL"}};

class DBPipelineTest : public testing::TestWithParam<Backend> {
protected:
    TppDBPipeline& schedule() {
        data = std::make_unique<PipelineOver>(
            form, makeDataset(GetParam(), kSchedule, {{"Mar 2024", 860.66, 810.66, 50.0, 50.0, 9189.34}}),
            "ppDBPipeline1");
        return *data->pipeline;
    }
    OwnedComponent form;
    std::unique_ptr<PipelineOver> data;
};

TEST_P(DBPipelineTest, FieldsAreBuiltFromTheDatasetInTableOrder) {
    TppDBPipeline& p = schedule();
    ASSERT_EQ(p.FieldCount(), 6);
    for (int i = 0; i < 6; ++i) {
        const TppField* field = p.Fields(i);
        const bool isDate = i == 0;
        EXPECT_EQ(field->FieldName(), kSchedule[i].name);
        EXPECT_EQ(field->FieldAlias(), kSchedule[i].name) << "the alias starts as the name";
        EXPECT_EQ(field->DataType(), isDate ? dtString : dtDouble) << field->FieldName().toStdString();
        EXPECT_EQ(field->Alignment(), isDate ? taLeftJustify : taRightJustify)
            << field->FieldName().toStdString();
        EXPECT_EQ(field->Position(), i);
    }
    EXPECT_EQ(p.FieldForName("balance"), p.Fields(5)) << "names compare without regard to case";
    p.Open();
    p.First();
    EXPECT_DOUBLE_EQ(p.Fields(1)->AsDouble(), 860.66);
    EXPECT_EQ(p.GetFieldAsString("DATE"), "Mar 2024");
    EXPECT_TRUE(p.GetFieldIsNull("NO_SUCH_FIELD"));
    EXPECT_EQ(p.GetFieldAsString("NO_SUCH_FIELD"), "") << "unknown names never raise";
}

TEST_P(DBPipelineTest, ClosingTheDatasetClosesThePipelineAndEmptiesTheFields) {
    TppDBPipeline& p = schedule();
    p.Open();
    p.First();
    ASSERT_EQ(p.FieldCount(), 6);
    bool closed = false;
    p.OnClose.handler = [&](TppCommunicator*) { closed = true; };
    p.dataset()->close();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(p.Active());
    EXPECT_EQ(p.State(), 0u);
    EXPECT_EQ(p.ChildCount(), 0) << "fields freed with the dataset closed";
}

TEST_P(DBPipelineTest, FreeingTheDataSourceOrDatasetLeavesNoReference) {
    TppDBPipeline& p = schedule();
    p.Open();
    delete data->source;
    EXPECT_EQ(p.GetDataSource(), nullptr);
    EXPECT_FALSE(p.Active());
    data->dataset.reset();
    p.First();
    EXPECT_TRUE(p.HasState(NoRecords) || p.State() == 0u);
}

TEST_P(DBPipelineTest, RenamingAFieldCarriesAnUncustomisedAlias) {
    TppDBPipeline& p = schedule();
    TppField* payment = p.FieldForName("PAYMENT");
    payment->SetFieldName("AMOUNT");
    EXPECT_EQ(payment->FieldAlias(), "AMOUNT");
    payment->SetFieldAlias("Payment due");
    payment->SetFieldName("DUE");
    EXPECT_EQ(payment->FieldAlias(), "Payment due");
    payment->SetMandatory(true);
    payment->SetShowAllValues(true);
    EXPECT_FALSE(payment->Mandatory());
    EXPECT_TRUE(p.Fields(2)->sameAs(*p.Fields(2)));
    EXPECT_FALSE(p.Fields(2)->sameAs(*p.Fields(3)));
    delete p.FieldForName("BALANCE");
    EXPECT_EQ(p.CurrentField(), nullptr) << "a freed field is not left as the current one";
    EXPECT_EQ(p.FieldCount(), 5);
}

TEST(DBPipelineEditTest, LocateEditAndBlobsGoThroughTheDataset) {
    OwnedComponent form;
    PipelineOver data(form,
                      makeDataset(Backend::Memory,
                                  {{"NAME", FieldType::String, ""}, {"PICTURE", FieldType::Blob, ""}},
                                  {{"apple", QByteArray("\x89PNG", 4)}, {"Banana", QVariant()}}),
                      "ppFruit");
    TppDBPipeline& p = *data.pipeline;
    p.Open();
    EXPECT_TRUE(p.Locate("NAME", "ban", Dataset::CaseInsensitive | Dataset::PartialKey));
    EXPECT_EQ(p.GetFieldAsString("NAME"), "Banana");
    EXPECT_FALSE(p.Locate("NAME", "cherry", 0));
    p.Edit();
    p.SetFieldValue("NAME", "Blueberry");
    p.SetFieldBytes("PICTURE", "GIF8");
    p.SetFieldBytes("NAME", "ignored: not a blob");
    p.Post();
    EXPECT_EQ(p.GetFieldAsString("NAME"), "Blueberry");
    EXPECT_EQ(p.GetFieldBytes("PICTURE"), "GIF8");
    EXPECT_EQ(p.GetFieldBytes("NAME"), "Blueberry") << "any other field gives its text";
    p.Delete();
    EXPECT_EQ(p.dataset()->recordCount(), 1);
}

// A pipeline that cannot hold floating-point fields.
class NoFloatPipeline : public TppDBPipeline {
public:
    using TppDBPipeline::TppDBPipeline;
    bool IsDataTypeSupported(TppDataType type) const override { return type != dtDouble; }
};

TEST_P(DBPipelineTest, AnUnsupportedFieldTypeIsReportedAndLeavesThePipelineUsable) {
    auto dataset = makeDataset(GetParam(), kSchedule, {});
    auto* source = new DataSource(&form, dataset.get());
    auto* p = new NoFloatPipeline(&form);
    p->SetName("ppNoFloat");
    p->SetDataSource(source);
    try {
        p->FieldCount();
        FAIL() << "expected EInvalidPropertyError";
    } catch (const EInvalidPropertyError& error) {
        EXPECT_EQ(error.message(), "DataType not supported by TppDBPipeline");
    }
    EXPECT_EQ(p->ChildCount(), 0) << "no half-built field list";
    int dataChanges = 0;
    p->OnDataChange.handler = [&](TppCommunicator*) { ++dataChanges; };
    p->SetMoveBy(1);
    EXPECT_EQ(dataChanges, 1) << "notices flow again after the failed build";
    EXPECT_THROW(p->FieldCount(), EInvalidPropertyError) << "tried again, not silently empty";
}

TEST_P(DBPipelineTest, RegisteredForTemplatesWithPublishedDefaults) {
    registerDataPipelineClasses();
    const ClassInfo* info = ClassRegistry::instance().find("TppDBPipeline");
    ASSERT_NE(info, nullptr);
    TppDBPipeline& p = schedule();
    QStringList written;
    for (const PropertyInfo* property : info->properties())
        if (property->isStored(p) && !property->isDefault(p))
            written << property->name;
    EXPECT_EQ(written, QStringList({"DataSource", "UserName"})) << "everything else is at its default";
    EXPECT_EQ(p.UserName(), "DBPipeline1") << "the user name follows the component name";
}

INSTANTIATE_TEST_SUITE_P(BothDatasets, DBPipelineTest, testing::Values(Backend::Memory, Backend::Sqlite),
                         backendName);

TEST(SqlDatasetTest, ABadQueryIsADataErrorWhenThePipelineOpens) {
    OwnedComponent form;
    const QSqlDatabase db = SqlDataset::openSqlite(":memory:", "badquery");
    SqlDataset dataset;
    dataset.setDatabase(db);
    dataset.setQuery("SELECT * FROM missing_table");
    auto* source = new DataSource(&form, &dataset);
    auto* p = new TppDBPipeline(&form);
    p->SetDataSource(source);
    EXPECT_THROW(p->Open(), EDataError);
    EXPECT_THROW(dataset.edit(), EDataError) << "query rows are read only";
}

// A detail query takes its master's fields as parameters; its pipeline then
// follows the master without field links, and masters without detail rows
// are skipped.
TEST(SqlDatasetTest, ADetailQueryOnTheMastersSourceIsLinkedAutomatically) {
    OwnedComponent form;
    const QSqlDatabase db = SqlDataset::openSqlite(":memory:", "autolink");
    QSqlQuery query(db);
    query.exec("CREATE TABLE customers (CUSTNO INTEGER, NAME TEXT)");
    query.exec("INSERT INTO customers VALUES (1, 'one'), (2, 'two'), (3, 'three')");
    query.exec("CREATE TABLE orders (CUSTNO INTEGER, ITEM TEXT)");
    query.exec("INSERT INTO orders VALUES (3, 'c'), (1, 'a'), (1, 'b')");

    SqlDataset customers;
    customers.setDatabase(db);
    customers.setTable("customers");
    SqlDataset orders;
    orders.setDatabase(db);
    orders.setQuery("SELECT * FROM orders WHERE CUSTNO = :CUSTNO ORDER BY ITEM");
    auto* customerSource = new DataSource(&form, &customers);
    orders.setMasterSource(customerSource);
    auto* master = new TppDBPipeline(&form);
    master->SetDataSource(customerSource);
    auto* detail = new TppDBPipeline(&form);
    detail->SetDataSource(new DataSource(&form, &orders));

    master->Open();
    detail->Open();
    const QList<TppDataPipeline*> pipelines = {master, detail};
    for (TppDataPipeline* p : pipelines)
        p->InitializeTraversal(pipelines);
    EXPECT_EQ(detail->MasterDataPipeline(), master);

    QStringList lines;
    master->ClearState();
    master->First();
    while (!master->AtEOF() && lines.size() < 10) {
        lines << master->GetFieldAsString("NAME") + ":" + walk(*detail, "ITEM").join(",");
        master->Next();
    }
    EXPECT_EQ(lines, QStringList({"one:a,b", "three:c"}));

    // A master chosen explicitly is kept.
    auto* other = new TppDBPipeline(&form);
    other->SetDataSource(new DataSource(&form, &customers));
    detail->SetMasterDataPipeline(other);
    master->InitializeTraversal({master, detail, other});
    EXPECT_EQ(detail->MasterDataPipeline(), other);
}

} // namespace
