#include "BarCodeClasses.h"
#include "ClassRegistry.h"
#include "ComponentReader.h"
#include "ComponentStream.h"
#include "ComponentWriter.h"
#include "IntegerIdents.h"
#include "OwnedComponent.h"
#include "PagewrightErrors.h"
#include "ReportModelClasses.h"
#include "TemplateClasses.h"

#include <gtest/gtest.h>

namespace {

// A value of the property's kind that is not its default: named values where
// the property has names, so that those are written and read by name.
std::optional<QVariant> otherValue(const PropertyInfo& property, const Persistent& object) {
    const QVariant current = property.get(object);
    switch (property.kind) {
    case PropertyKind::Boolean:
        return QVariant(!current.toBool());
    case PropertyKind::Integer:
        if (property.idents)
            for (const int candidate : {0x808000, 204, 0x0000FF})
                if (property.idents->nameOf(candidate) && candidate != current.toInt())
                    return QVariant(candidate);
        return QVariant(current.toInt() + 3);
    case PropertyKind::Int64:
        return QVariant(qint64(1) << 40);
    case PropertyKind::Enumeration:
        if (property.enumNames.size() < 2)
            return std::nullopt;
        return QVariant(current.toInt() == 1 ? 0 : 1);
    case PropertyKind::Set:
        return property.enumNames.isEmpty() ? std::nullopt
                                            : std::optional<QVariant>(QVariant(current.toUInt() ^ 1u));
    case PropertyKind::String:
        return QVariant(QString::fromUtf8("Intérêt ") + property.name);
    case PropertyKind::StringList:
        return QVariant(QStringList{QStringLiteral("1000"), QString::fromUtf8("zwei Zeilen é")});
    case PropertyKind::Extended:
    case PropertyKind::Single:
    case PropertyKind::Double:
    case PropertyKind::Currency:
    case PropertyKind::DateTime:
        return QVariant(current.toDouble() + 1.5);
    case PropertyKind::Binary:
        return QVariant(QByteArray("\x01\x02\x03", 3));
    case PropertyKind::Event:
        return QVariant(QStringLiteral("Handle") + property.name);
    case PropertyKind::Object:
    case PropertyKind::Reference:
    case PropertyKind::Collection:
        break;
    }
    return std::nullopt;
}

// Every stored published property, nested objects' too, set away from its
// default. Setters that refuse the value (a paper name no printer has) keep
// theirs; what counts is that what the object holds goes through the stream.
void setEveryProperty(Persistent& object) {
    for (const PropertyInfo* property : object.classInfo().properties()) {
        if (!property->isStored(object))
            continue;
        if (property->kind == PropertyKind::Object) {
            if (Persistent* nested = property->object(object))
                setEveryProperty(*nested);
            continue;
        }
        if (!property->set)
            continue;
        if (const std::optional<QVariant> value = otherValue(*property, object)) {
            try {
                property->set(object, *value);
            } catch (const std::exception&) {
            }
        }
    }
}

QByteArray converted(const QByteArray& stream, StreamForm form) {
    return writeComponentStream(parseComponentStream(stream), form);
}

// For every class a template can create: an object with every published
// property set is written, read back and written again to the same bytes,
// and its binary stream goes to the text form and back byte for byte.
TEST(PublishedProperties, EveryRegisteredClassGoesThroughBothFormsUnchanged) {
    registerReportModelClasses();
    registerBarCodeClasses();
    registerTemplateClasses();
    int classes = 0;
    for (const ClassInfo* info : ClassRegistry::instance().classes()) {
        if (!info->isCreatable())
            continue;
        SCOPED_TRACE(info->name().toStdString());
        OwnedComponent form;
        form.SetName(QStringLiteral("Form1"));
        auto* component = dynamic_cast<OwnedComponent*>(info->create(&form));
        ASSERT_NE(component, nullptr);
        component->SetName(QStringLiteral("Sample1"));
        setEveryProperty(*component);

        QByteArray binary;
        try {
            binary = WriteComponents({component}, &form);
        } catch (const EPagewrightError& error) {
            ADD_FAILURE() << "not written: " << error.message().toStdString();
            continue;
        }
        const QByteArray text = converted(binary, StreamForm::Text);
        EXPECT_EQ(converted(text, StreamForm::Binary).toHex().toStdString(), binary.toHex().toStdString())
            << text.toStdString();

        OwnedComponent other;
        other.SetName(QStringLiteral("Form1"));
        QStringList errors;
        ReadOptions options;
        options.onError = [&errors](const QString& message) {
            errors << message;
            return true;
        };
        const ReadResult read = ReadComponents(binary, other, nullptr, options);
        EXPECT_EQ(errors.join(u'\n').toStdString(), "");
        ASSERT_EQ(read.components.size(), 1);
        EXPECT_EQ(WriteComponents({read.components[0]}, &other, StreamForm::Text).toStdString(),
                  text.toStdString());
        ++classes;
    }
    EXPECT_GT(classes, 30) << "the report, bands, groups, controls, pipelines and draw commands";
}

} // namespace
