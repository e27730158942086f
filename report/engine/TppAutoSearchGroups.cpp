#include "TppAutoSearchGroups.h"

#include "ClassInfo.h"
#include "PropertyInfo.h"
#include "TppAutoSearchField.h"

#include <algorithm>

namespace {

// The data object's published property of that name; none without object or property.
const PropertyInfo* dataObjectProperty(const TppAutoSearchField& field, const char* name) {
    const TppCommunicator* object = field.DataObject();
    if (!object)
        return nullptr;
    const PropertyInfo* property = object->classInfo().property(QString::fromLatin1(name));
    return property && property->get ? property : nullptr;
}

QVariant dataObjectValue(const TppAutoSearchField& field, const char* name) {
    const PropertyInfo* property = dataObjectProperty(field, name);
    return property ? property->get(*field.DataObject()) : QVariant();
}

} // namespace

TppAutoSearchGroup::~TppAutoSearchGroup() {
    if (Fields.isEmpty())
        return;
    TppAutoSearchField& first = *Fields.first();
    const PropertyInfo* property = dataObjectProperty(first, "AutoSearchTabOrder");
    if (property && property->set)
        property->set(*first.DataObject(), TabOrder);
}

TppAutoSearchGroups::TppAutoSearchGroups(const QList<TppAutoSearchField*>& fields) {
    for (TppAutoSearchField* field : fields) {
        const QString description = dataObjectValue(*field, "Description").toString();
        auto group = std::find_if(groups_.begin(), groups_.end(),
                                  [&](const auto& g) { return g->Description == description; });
        if (group == groups_.end()) {
            groups_.push_back(std::make_unique<TppAutoSearchGroup>());
            group = std::prev(groups_.end());
            (*group)->Description = description;
        }
        (*group)->TabOrder = dataObjectValue(*field, "AutoSearchTabOrder").toInt();
        (*group)->Fields.append(field);
    }
}

std::vector<TppAutoSearchGroup*> TppAutoSearchGroups::ByTabOrder() const {
    std::vector<TppAutoSearchGroup*> ordered;
    for (const auto& group : groups_)
        ordered.push_back(group.get());
    // By "%8d" keys compared as text, as every sort key of a report is.
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const TppAutoSearchGroup* a, const TppAutoSearchGroup* b) {
                         return QString::asprintf("%8d", a->TabOrder) < QString::asprintf("%8d", b->TabOrder);
                     });
    return ordered;
}
