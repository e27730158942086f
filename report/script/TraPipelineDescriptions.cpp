// What scripts see of a pipeline beyond its current record: its field
// objects, its links to a master, and the flags that steer traversal. Every
// pipeline answers them; one that keeps no field objects or links (a pipeline
// that only forwards its fields by name) answers none.

#include "TppCustomDataPipeline.h"
#include "TppDataPipeline.h"
#include "TppField.h"
#include "TppMasterFieldLink.h"
#include "TppPicture.h"
#include "TraDescribe.h"

#include <QImage>

namespace TraDescribe {

namespace {

TppCustomDataPipeline* withFields(TppDataPipeline& pipeline) {
    return dynamic_cast<TppCustomDataPipeline*>(&pipeline);
}

int fieldCount(TppDataPipeline& pipeline) {
    TppCustomDataPipeline* custom = withFields(pipeline);
    return custom ? custom->FieldCount() : 0;
}

int linkCount(TppDataPipeline& pipeline) {
    TppCustomDataPipeline* custom = withFields(pipeline);
    return custom ? custom->LinkCount() : 0;
}

QStringList fieldNames(TppDataPipeline& pipeline) {
    QStringList names;
    pipeline.GetFieldNames(names);
    return names;
}

} // namespace

std::vector<TraMember> pipelineMembers() {
    return {
        indexed<TppDataPipeline>("Fields", "TppField", fieldCount,
                                 [](TppDataPipeline& p, int i) { return withFields(p)->Fields(i); }),
        [] {
            // FieldObjects['Name']: the field object of that name, or nil.
            TraMember member{"FieldObjects", Kind::Indexed, daClass, "TppField", {{"aFieldName", daString}}};
            member.call = [](Persistent* object, TraCallFrame& f) {
                auto* p = dynamic_cast<TppDataPipeline*>(object);
                if (!p)
                    return false;
                TppCustomDataPipeline* custom = withFields(*p);
                f.result = objectValue(custom ? custom->FieldForName(textOf(f.args[0])) : nullptr);
                return true;
            };
            return member;
        }(),
        readOnly<TppDataPipeline>("FieldCount", daInteger,
                                  [](TppDataPipeline& p) { return integerValue(fieldCount(p)); }),
        readOnly<TppDataPipeline>(
            "CurrentField", daClass,
            [](TppDataPipeline& p) {
                TppCustomDataPipeline* custom = withFields(p);
                return objectValue(custom ? custom->CurrentField() : nullptr);
            },
            "TppField"),
        // FieldName[i]: the name of the pipeline's i-th field, as its data gives them.
        indexedValue<TppDataPipeline>("FieldName", daString, {"Index", daInteger},
                                      [](TppDataPipeline& p, TraCallFrame& f) {
                                          const QStringList names = fieldNames(p);
                                          checkIndex("FieldName", f.args[0].integer(), int(names.size()));
                                          f.result = stringValue(names[f.args[0].integer()]);
                                      }),
        indexed<TppDataPipeline>("Links", "TppRelative", linkCount,
                                 [](TppDataPipeline& p, int i) { return withFields(p)->Links(i); }),
        readOnly<TppDataPipeline>("LinkCount", daInteger,
                                  [](TppDataPipeline& p) { return integerValue(linkCount(p)); }),
        // The component that holds the pipeline with the report's other data
        // (a data module of the designer); nil for a pipeline of its own.
        readOnly<TppDataPipeline>(
            "DataView", daClass, [](TppDataPipeline& p) { return objectValue(p.Owner()); }, "TComponent"),
        readWrite<TppDataPipeline>(
            "SkipWhenNoRecords", daBoolean,
            [](TppDataPipeline& p) { return booleanValue(p.SkipWhenNoRecords()); },
            [](TppDataPipeline& p, const TraValue& v) { p.SetSkipWhenNoRecords(v.boolean()); }),
        readWrite<TppDataPipeline>(
            "Visible", daBoolean, [](TppDataPipeline& p) { return booleanValue(p.Visible()); },
            [](TppDataPipeline& p, const TraValue& v) { p.SetVisible(v.boolean()); }),
    };
}

// The field's value as a picture: one picture per field, read again from
// the current record each time a script asks.
TraMember fieldPictureMember() {
    TraMember member{"AsPicture", Kind::Property, daClass, "TPicture"};
    member.held = [](TppCommunicator& owner) -> std::unique_ptr<Persistent> {
        if (!dynamic_cast<TppField*>(&owner))
            return nullptr;
        return std::make_unique<TppPicture>();
    };
    member.refresh = [](Persistent& held, TppCommunicator& owner) {
        auto& picture = dynamic_cast<TppPicture&>(held);
        auto& field = dynamic_cast<TppField&>(owner);
        TppDataPipeline* pipeline = field.DataPipeline();
        QImage image;
        if (pipeline)
            image.loadFromData(pipeline->GetFieldValue(field.FieldName()).toByteArray());
        if (image.isNull())
            picture.Clear();
        else
            picture.SetImage(image);
    };
    return member;
}

} // namespace TraDescribe
