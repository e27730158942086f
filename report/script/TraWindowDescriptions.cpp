// The members that reach the program's windows, dialogs and designer. They are objects the window layers hand
// on (TraWindowObjects); run headless they are nil. A component's default property, which the designer's edit
// box works on, is known here from what the class publishes.

#include "ClassInfo.h"
#include "PropertyInfo.h"
#include "TppPrintable.h"
#include "TppProducer.h"
#include "TppReport.h"
#include "TraDescribe.h"
#include "TraWindowObjects.h"

namespace TraDescribe {

namespace {

TraMember window(const char* name, const char* typeName) {
    return readOnly<Persistent>(
        name, daClass, [name](Persistent& o) { return objectValue(TraWindowObjects::find(name, o)); },
        typeName);
}

// The property a component's edit box in the designer edits: the field it
// prints, else its caption; none for components with neither.
enum DefaultEditType { etNone = 0, etText = 1, etFieldList = 2 };

const PropertyInfo* defaultProperty(const Persistent& object, DefaultEditType& type) {
    for (const auto& [name, kind] : {std::pair{"DataField", etFieldList}, std::pair{"Caption", etText}})
        if (const PropertyInfo* property = object.classInfo().property(QString::fromLatin1(name))) {
            type = kind;
            return property;
        }
    type = etNone;
    return nullptr;
}

TraValue defaultPropertyName(TppPrintable& p) {
    DefaultEditType type = etNone;
    const PropertyInfo* property = defaultProperty(p, type);
    return stringValue(property ? property->name : QString());
}

} // namespace

std::vector<TraMember> reportWindowMembers() {
    return {window("PreviewForm", "TCustomForm"), window("AutoSearchDialog", "TCustomForm")};
}

std::vector<TraMember> producerWindowMembers() {
    return {window("PreviewForm", "TCustomForm"), window("CancelDialog", "TCustomForm"),
            window("PrintDialog", "TCustomForm")};
}

std::vector<TraMember> customReportDesignMembers() {
    return {window("ReportDesigner", "TCustomForm")};
}

std::vector<TraMember> printableDesignMembers() {
    return {
        // The control that draws the component in the designer, and its selection handles.
        window("DesignControl", "TControl"),
        window("SelectionObject", "TControl"),
        readOnly<TppPrintable>("DefaultPropName", daString, defaultPropertyName),
        // What the edit box says it is for: the property's name.
        readOnly<TppPrintable>("DefaultPropHint", daString, defaultPropertyName),
        // 0: no edit box; 1: a text to type; 2: a list of the pipeline's fields.
        readOnly<TppPrintable>("DefaultPropEditType", daInteger,
                               [](TppPrintable& p) {
                                   DefaultEditType type = etNone;
                                   defaultProperty(p, type);
                                   return integerValue(type);
                               }),
    };
}

} // namespace TraDescribe
