#include "FixedPageReport.h"
#include "PipelineFixtures.h"
#include "TppComponent.h"
#include "TppDetailBand.h"
#include "TppMasterFieldLink.h"

#include <gtest/gtest.h>

namespace {

const QList<Column> kMasterColumns = {{"CUSTNO", FieldType::Integer, "INTEGER"},
                                      {"NAME", FieldType::String, "TEXT"}};
const QList<Column> kDetailColumns = {{"CUSTNO", FieldType::Integer, "INTEGER"},
                                      {"ITEM", FieldType::String, "TEXT"}};

// A master over customers 1, 2, 3 and a detail over orders of customers
// 1, 1, 3, sorted by customer, linked on CUSTNO.
class MasterDetailTest : public testing::TestWithParam<Backend> {
protected:
    void build(const QList<QVariantList>& customers, const QList<QVariantList>& orders,
               const QList<Column>& masterColumns = kMasterColumns,
               const QList<Column>& detailColumns = kDetailColumns) {
        master = std::make_unique<PipelineOver>(form, makeDataset(GetParam(), masterColumns, customers, "M"),
                                                "ppMaster");
        detail = std::make_unique<PipelineOver>(form, makeDataset(GetParam(), detailColumns, orders, "D"),
                                                "ppDetail");
        detail->pipeline->SetMasterDataPipeline(master->pipeline);
        link = detail->pipeline->AddLink("CUSTNO", "CUSTNO");
        master->pipeline->Open();
        detail->pipeline->Open();
    }
    void initialize() {
        const QList<TppDataPipeline*> pipelines = {master->pipeline, detail->pipeline};
        for (TppDataPipeline* p : pipelines)
            p->InitializeTraversal(pipelines);
    }
    // Each master record with the detail records the detail walks for it.
    QStringList report(const QString& detailField = "ITEM") {
        initialize();
        QStringList lines;
        TppDBPipeline* m = master->pipeline;
        m->ClearState();
        m->First();
        while (!m->AtEOF() && lines.size() < 20) {
            QStringList items = walk(*detail->pipeline, detailField);
            lines << m->GetFieldAsString("NAME") + ":" + items.join(",");
            m->Next();
        }
        return lines;
    }
    OwnedComponent form;
    std::unique_ptr<PipelineOver> master;
    std::unique_ptr<PipelineOver> detail;
    TppMasterFieldLink* link = nullptr;
};

const QList<QVariantList> kCustomers = {{1, "one"}, {2, "two"}, {3, "three"}};
const QList<QVariantList> kOrders = {{1, "a"}, {1, "b"}, {3, "c"}};

TEST_P(MasterDetailTest, EachMasterRecordSeesItsOwnRun) {
    build(kCustomers, kOrders);
    detail->pipeline->SetSkipWhenNoRecords(false);
    EXPECT_EQ(report(), QStringList({"one:a,b", "two:", "three:c"}));
}

TEST_P(MasterDetailTest, MastersWithoutDetailsAreSkipped) {
    build(kCustomers, kOrders);
    EXPECT_EQ(report(), QStringList({"one:a,b", "three:c"}));
    EXPECT_EQ(report(), QStringList({"one:a,b", "three:c"})) << "a second pass over remembered runs";
}

TEST_P(MasterDetailTest, AMasterWithoutDetailsGivesTheDetailNoRecords) {
    build(kCustomers, kOrders);
    detail->pipeline->SetSkipWhenNoRecords(false);
    initialize();
    master->pipeline->ClearState();
    master->pipeline->First();
    master->pipeline->Next();
    EXPECT_TRUE(detail->pipeline->HasState(NoRecords));
    EXPECT_TRUE(detail->pipeline->GetFieldValue("ITEM").isNull());
}

TEST_P(MasterDetailTest, TextLinksIgnoreCaseUnlessAsked) {
    const QList<Column> textColumns = {{"CUSTNO", FieldType::String, "TEXT"},
                                       {"NAME", FieldType::String, "TEXT"}};
    const QList<Column> textDetail = {{"CUSTNO", FieldType::String, "TEXT"},
                                      {"ITEM", FieldType::String, "TEXT"}};
    build({{"abc", "one"}}, {{"ABC", "x"}}, textColumns, textDetail);
    detail->pipeline->SetSkipWhenNoRecords(false);
    EXPECT_EQ(report(), QStringList({"one:x"}));
    link->SetIsCaseSensitive(true);
    link->SetCollationType(ctASCII);
    detail->pipeline->RemoveLink(link);
    detail->pipeline->AddLink(link);
    EXPECT_EQ(report(), QStringList({"one:"}));
}

TEST_P(MasterDetailTest, NullKeysMatchOnlyNullsAndSortLast) {
    build({{1, "one"}, {QVariant(), "none"}}, {{1, "a"}, {QVariant(), "n"}});
    detail->pipeline->SetSkipWhenNoRecords(false);
    EXPECT_EQ(report(), QStringList({"one:a", "none:n"}));
}

TEST_P(MasterDetailTest, DescendingDetails) {
    build(kCustomers, {{3, "c"}, {1, "a"}, {1, "b"}});
    link->SetDetailSortOrder(soDescending);
    detail->pipeline->RemoveLink(link);
    detail->pipeline->AddLink(link);
    detail->pipeline->SetSkipWhenNoRecords(false);
    EXPECT_EQ(report(), QStringList({"one:a,b", "two:", "three:c"}));
}

// The report finds its pipelines (its own and those its components use),
// tells each its details, and starts the master at its first record.
TEST_P(MasterDetailTest, TheReportPreparesItsPipelines) {
    build(kCustomers, kOrders);
    auto* report = new FixedPageReport(&form);
    auto* band = new TppDetailBand(&form);
    band->SetReport(report);
    auto* component = new TppComponent(&form);
    component->SetBand(band);
    component->SetDataPipeline(detail->pipeline);
    report->SetDataPipeline(master->pipeline);
    master->pipeline->Next();
    master->pipeline->Next();
    report->InitializePipelines();
    EXPECT_EQ(master->pipeline->GetFieldAsString("NAME"), "one");
    master->pipeline->Next();
    EXPECT_EQ(master->pipeline->GetFieldAsString("NAME"), "three") << "two has no orders and is skipped";
}

TEST_P(MasterDetailTest, CyclesAreRefusedAndAFreedMasterUnlinks) {
    build(kCustomers, kOrders);
    master->pipeline->SetMasterDataPipeline(detail->pipeline);
    EXPECT_EQ(master->pipeline->MasterDataPipeline(), nullptr) << "would close a cycle";
    detail->pipeline->SetMasterDataPipeline(detail->pipeline);
    EXPECT_EQ(detail->pipeline->MasterDataPipeline(), master->pipeline);
    delete master->pipeline;
    EXPECT_EQ(detail->pipeline->MasterDataPipeline(), nullptr);
    EXPECT_EQ(detail->pipeline->LinkCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothDatasets, MasterDetailTest, testing::Values(Backend::Memory, Backend::Sqlite),
                         backendName);

} // namespace
