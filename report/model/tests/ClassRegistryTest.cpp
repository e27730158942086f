#include "ClassRegistry.h"
#include "ClassBuilder.h"
#include "TppEvent.h"
#include "TppPageDef.h"

#include <gtest/gtest.h>

namespace {

class Column : public Persistent {
public:
    PW_CLASS_INFO
    int width = 0;
};

const ClassInfo& Column::staticClassInfo() {
    static const ClassInfo info =
        describeClass<Column>("TColumn", &Persistent::staticClassInfo(), [](auto& c) {
            c.property(
                "Width", [](const Column& col) { return col.width; },
                [](Column& col, int w) { col.width = w; });
        });
    return info;
}

class Columns : public PersistentCollection {
public:
    int count() const override { return int(items.size()); }
    Persistent* item(int index) override { return &items[size_t(index)]; }
    Persistent* add() override { return &items.emplace_back(); }
    void clear() override { items.clear(); }
    std::vector<Column> items;
};

enum Shade { shLight, shDark };

// One property of every kind the registry describes.
class Sample : public OwnedComponent {
public:
    PW_CLASS_INFO
    using OwnedComponent::OwnedComponent;
    int count = 0;
    qint64 big = 0;
    double amount = 0;
    float ratio = 0;
    QString caption;
    bool enabled = true;
    Shade shade = shLight;
    unsigned styles = 0;
    TppPageDef page;
    Columns columns;
    OwnedComponent* target = nullptr;
    TppEvent<OwnedComponent*> onClick;
    QByteArray blob;
};

const ClassInfo& Sample::staticClassInfo() {
    static const ClassInfo info =
        describeClass<Sample>("TSample", &OwnedComponent::staticClassInfo(), [](auto& c) {
            c.property(
                "Count", [](const Sample& s) { return s.count; }, [](Sample& s, int v) { s.count = v; });
            c.property(
                 "Big", [](const Sample& s) { return s.big; }, [](Sample& s, qint64 v) { s.big = v; })
                .withDefault(qint64(0));
            c.property(
                 "Amount", [](const Sample& s) { return s.amount; },
                 [](Sample& s, double v) { s.amount = v; })
                .as(PropertyKind::Currency);
            c.property(
                "Ratio", [](const Sample& s) { return s.ratio; }, [](Sample& s, float v) { s.ratio = v; });
            c.property(
                 "Caption", [](const Sample& s) { return s.caption; },
                 [](Sample& s, QString v) { s.caption = v; })
                .storedWhen([](const Sample& s) { return s.enabled; });
            c.property(
                 "Enabled", [](const Sample& s) { return s.enabled; },
                 [](Sample& s, bool v) { s.enabled = v; })
                .withDefault(true);
            c.property(
                 "Shade", [](const Sample& s) { return s.shade; }, [](Sample& s, Shade v) { s.shade = v; })
                .names({"shLight", "shDark"})
                .withDefault(shLight);
            c.property(
                 "Styles", [](const Sample& s) { return s.styles; },
                 [](Sample& s, unsigned v) { s.styles = v; })
                .names({"fsBold", "fsItalic"})
                .withDefault(0u);
            c.object("Page", [](Sample& s) { return &s.page; });
            c.collection("Columns", [](Sample& s) { return &s.columns; });
            c.reference(
                "Target", [](const Sample& s) { return s.target; },
                [](Sample& s, OwnedComponent* t) { s.target = t; });
            c.event("OnClick", &Sample::onClick);
            c.defined(
                 "Data", PropertyKind::Binary, [](const Sample& s) { return s.blob; },
                 [](Sample& s, const QVariant& v) { s.blob = v.toByteArray(); })
                .writtenWhen([](const Sample& s) { return !s.blob.isEmpty(); });
        });
    return info;
}

TEST(ClassRegistryTest, EveryKindKnowsWhenItIsAtItsDefault) {
    Sample sample;
    const ClassInfo& info = sample.classInfo();
    struct Row {
        const char* property;
        PropertyKind kind;
        bool atDefault; // for a fresh object
        const char* why;
    };
    const Row rows[] = {
        {"Count", PropertyKind::Integer, false, "an ordinal without a declared default is always written"},
        {"Big", PropertyKind::Int64, true, "declared default 0"},
        {"Amount", PropertyKind::Currency, true, "floats are at default when 0"},
        {"Ratio", PropertyKind::Single, true, ""},
        {"Caption", PropertyKind::String, true, "empty text"},
        {"Enabled", PropertyKind::Boolean, true, "declared default true"},
        {"Shade", PropertyKind::Enumeration, true, ""},
        {"Styles", PropertyKind::Set, true, "the empty set"},
        {"Page", PropertyKind::Object, false, "nested objects are walked into"},
        {"Columns", PropertyKind::Collection, false, ""},
        {"Target", PropertyKind::Reference, true, "unset"},
        {"OnClick", PropertyKind::Event, true, "no handler named"},
    };
    for (const Row& row : rows) {
        const PropertyInfo* p = info.property(row.property);
        ASSERT_NE(p, nullptr) << row.property;
        EXPECT_EQ(p->kind, row.kind) << row.property;
        EXPECT_EQ(p->isDefault(sample), row.atDefault) << row.property << ": " << row.why;
    }

    sample.enabled = false;
    sample.shade = shDark;
    sample.onClick.methodName = "SampleClick";
    EXPECT_FALSE(info.property("Caption")->isStored(sample)) << "stored only while enabled";
    EXPECT_FALSE(info.property("Shade")->isDefault(sample));
    EXPECT_EQ(info.property("shade")->enumIndex("SHDARK"), 1);
    EXPECT_EQ(info.property("OnClick")->get(sample), "SampleClick");

    auto* page = static_cast<TppPageDef*>(info.property("Page")->object(sample));
    EXPECT_EQ(page->classInfo().property("mmMarginTop")->get(*page), 6350);
    auto* columns = static_cast<PersistentCollection*>(info.property("Columns")->object(sample));
    columns->add();
    EXPECT_EQ(sample.columns.items.size(), 1u);

    const DefinedProperty* data = info.definedProperty("data");
    EXPECT_FALSE(data->isWritten(sample));
    data->assign(sample, QByteArray("\x01\x02", 2));
    EXPECT_TRUE(data->isWritten(sample));
    EXPECT_EQ(data->value(sample).toByteArray().size(), 2);
}

TEST(ClassRegistryTest, ClassesAreCreatedByNameWithAnOwner) {
    ClassRegistry::instance().registerClass(Sample::staticClassInfo());
    OwnedComponent form;
    const ClassInfo* info = ClassRegistry::instance().find("tsample");
    ASSERT_NE(info, nullptr);
    auto* created = dynamic_cast<Sample*>(info->create(&form));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->Owner(), &form);
    EXPECT_TRUE(info->inheritsFrom("TComponent"));
    ClassRegistry::instance().unregisterClass("TSample");
    EXPECT_EQ(ClassRegistry::instance().find("TSample"), nullptr);
}

} // namespace
