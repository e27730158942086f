#include "TraRTTI.h"

#include "ClassInfo.h"
#include "ClassRegistry.h"
#include "OwnedComponent.h"
#include "Persistent.h"
#include "PropertyInfo.h"
#include "TppCommunicator.h"
#include "TraConversions.h"
#include "TraEnumerations.h"
#include "TraEnvironment.h"
#include "TraScriptObjects.h"

#include <cmath>

bool hasResult(const TraParamList& params) {
    return !params.empty() && params.back().name.compare("Result", Qt::CaseInsensitive) == 0;
}

namespace {

bool sameName(const QByteArray& a, const char* b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// An enumeration of the class registry is the script enumeration whose value
// names it shares; one scripts do not know reads as its ordinal.
int scriptEnumType(const PropertyInfo& property) {
    if (property.enumNames.isEmpty())
        return -1;
    const std::optional<TraEnumValueRef> first =
        TraEnumerations::findValue(property.enumNames.front().toLatin1());
    if (first && first->ordinal == 0)
        return first->typeIndex;
    return -1;
}

TraDataType publishedType(const PropertyInfo& property, int& enumType) {
    enumType = -1;
    switch (property.kind) {
    case PropertyKind::Integer:
        return daInteger;
    case PropertyKind::Extended:
        return daExtended;
    case PropertyKind::Single:
        return daSingle;
    case PropertyKind::Double:
        return daDouble;
    case PropertyKind::Currency:
        return daCurrency;
    case PropertyKind::DateTime:
        return daDateTime;
    case PropertyKind::String:
        return daString;
    case PropertyKind::Boolean:
        return daBoolean;
    case PropertyKind::Enumeration:
        enumType = scriptEnumType(property);
        return enumType >= 0 ? daEnum : daInteger;
    case PropertyKind::Object:
    case PropertyKind::Reference:
        return daClass;
    case PropertyKind::Int64:
    case PropertyKind::Set:
    case PropertyKind::Binary:
    case PropertyKind::StringList:
    case PropertyKind::Collection:
    case PropertyKind::Event:
        return daUnknown;
    }
    return daUnknown;
}

// The class of what an object or reference property holds, by the names
// reports give them; others are known as objects only (TObject).
const ClassInfo* heldClass(const QByteArray& property) {
    static const std::pair<const char*, const char*> known[] = {
        {"Font", "TFont"},
        {"Brush", "TBrush"},
        {"Pen", "TPen"},
        {"PrinterSetup", "TppPrinterSetup"},
        {"DataPipeline", "TppDataPipeline"},
        {"LookupPipeline", "TppDataPipeline"},
        {"MasterDataPipeline", "TppDataPipeline"},
        {"ResetGroup", "TppGroup"},
        {"ShiftRelativeTo", "TppComponent"},
        {"Picture", "TPicture"},
        {"Icon", "TIcon"},
        {"Template", "TppTemplate"},
    };
    for (const auto& [name, cls] : known)
        if (property.compare(name, Qt::CaseInsensitive) == 0)
            if (const ClassInfo* found = TraRTTIClassRegistry::instance().findClass(cls))
                return found;
    return &TraClassManager::rootClass();
}

const ClassInfo* typeClass(const char* typeName) {
    return typeName ? TraRTTIClassRegistry::instance().findClass(typeName) : nullptr;
}

void fillFromMember(const TraMember& member, TraPropRec& rec) {
    rec = TraPropRec();
    rec.name = member.name;
    rec.readsFiles = member.readsFiles;
    switch (member.kind) {
    case TraMember::Kind::Property:
        rec.dataType = member.dataType;
        rec.isReadOnly = !member.set;
        if (member.dataType == daClass)
            rec.classType = typeClass(member.typeName);
        if (member.dataType == daEnum || member.dataType == daBoolean)
            rec.enumType = member.typeName ? TraEnumerations::findType(member.typeName).value_or(-1) : 0;
        return;
    case TraMember::Kind::Event:
        rec.dataType = daMethod;
        rec.isReadOnly = true;
        rec.eventID = member.eventID;
        rec.params = member.params;
        return;
    case TraMember::Kind::Method:
    case TraMember::Kind::Indexed:
    case TraMember::Kind::Constructor:
        rec.dataType = daMethod;
        rec.isIndexed = member.kind == TraMember::Kind::Indexed;
        rec.isReadOnly = !(rec.isIndexed && member.store);
        rec.isDefault = member.isDefault;
        rec.isConstructor = member.kind == TraMember::Kind::Constructor;
        rec.params = member.params;
        if (member.dataType != daUnknown) {
            TraParam result{"Result", member.dataType};
            if (member.dataType == daClass)
                result.classType = typeClass(member.typeName);
            if (member.dataType == daEnum && member.typeName)
                result.enumType = TraEnumerations::findType(member.typeName).value_or(-1);
            rec.params.push_back(result);
            rec.classType = result.classType;
        }
        return;
    }
}

// Whether a value may be written into a property of `type`: its own type, a
// variant, or a number or date into a number, date or variant.
bool writable(TraDataType type, const TraValue& value) {
    const TraDataType from = value.type();
    if (from == type || from == daVariant)
        return true;
    const auto numeric = [](TraDataType t) { return isRealLike(t) && t != daCurrency; };
    if (numeric(from) && (isRealLike(type) || type == daVariant))
        return true;
    if ((from == daObject || from == daClass) && (type == daObject || type == daClass))
        return true;
    if (type == daEnum && from == daBoolean)
        return true;
    return false;
}

} // namespace

// ---- descriptions ----------------------------------------------------------

TraRTTI::TraRTTI(QByteArray describedName, const TraRTTI* parent, std::vector<TraMember> members,
                 const ClassInfo* cls)
    : describedName_(std::move(describedName)), parent_(parent), members_(std::move(members)),
      refClass_(cls) {}

const ClassInfo& TraRTTI::refClass() const {
    if (refClass_)
        return *refClass_;
    if (const ClassInfo* registered = ClassRegistry::instance().find(QString::fromLatin1(describedName_))) {
        refClass_ = registered;
        return *refClass_;
    }
    // Classes templates never create still have a place in the tree, below
    // the nearest described ancestor, so that "is" and the lookup work on them.
    const_cast<TraRTTI*>(this)->ownClass_ = std::make_unique<ClassInfo>(
        QString::fromLatin1(describedName_), parent_ ? &parent_->refClass() : nullptr);
    refClass_ = ownClass_.get();
    return *refClass_;
}

bool TraRTTI::derivesFrom(const TraRTTI* other) const {
    for (const TraRTTI* rtti = this; rtti; rtti = rtti->parent_)
        if (rtti == other)
            return true;
    return false;
}

const TraMember* TraRTTI::findOwn(const QByteArray& name) const {
    for (const TraMember& member : members_)
        if (sameName(name, member.name))
            return &member;
    return nullptr;
}

void TraRTTI::getPropList(const ClassInfo& cls, QList<QByteArray>& list) const {
    for (const PropertyInfo* property : cls.properties())
        if (property->kind != PropertyKind::Event)
            list << property->name.toLatin1();
    for (const TraRTTI* rtti = this; rtti; rtti = rtti->parent_)
        for (const TraMember& member : rtti->members_)
            if (member.kind != TraMember::Kind::Event && !list.contains(member.name))
                list << member.name;
}

void TraRTTI::getEventList(const ClassInfo& cls, QList<QByteArray>& list) const {
    for (const TraRTTI* rtti = this; rtti; rtti = rtti->parent_)
        for (const TraMember& member : rtti->members_)
            if (member.kind == TraMember::Kind::Event && !list.contains(member.name))
                list << member.name;
    for (const PropertyInfo* property : cls.properties())
        if (property->kind == PropertyKind::Event && !list.contains(property->name.toLatin1()))
            list << property->name.toLatin1();
}

bool TraRTTI::getPropRec(const QByteArray& name, TraPropRec& rec) const {
    for (const TraRTTI* rtti = this; rtti; rtti = rtti->parent_)
        if (const TraMember* member = rtti->findOwn(name)) {
            fillFromMember(*member, rec);
            return true;
        }
    return false;
}

bool TraRTTI::getDefaultRec(TraPropRec& rec) const {
    for (const TraRTTI* rtti = this; rtti; rtti = rtti->parent_)
        for (const TraMember& member : rtti->members_)
            if (member.isDefault) {
                fillFromMember(member, rec);
                return true;
            }
    return false;
}

bool TraRTTI::callMethod(Persistent* object, const QByteArray& name, TraCallFrame& frame) const {
    for (const TraRTTI* rtti = this; rtti; rtti = rtti->parent_)
        if (const TraMember* member = rtti->findOwn(name))
            return member->call && member->call(object, frame);
    return false;
}

bool TraRTTI::storeIndexed(Persistent* object, const QByteArray& name, TraCallFrame& frame) const {
    for (const TraRTTI* rtti = this; rtti; rtti = rtti->parent_)
        if (const TraMember* member = rtti->findOwn(name))
            return member->store && member->store(object, frame);
    return false;
}

namespace {

// The object a report object hands out as a member of its own: one per
// owner and member, kept by the module, so "Memo1.Lines.Add" twice adds to
// the same list; nil where no module keeps objects.
bool heldValue(const TraMember& member, Persistent& object, TraScriptObjects* objects, TraValue& out) {
    auto* owner = member.heldBy ? member.heldBy(object) : dynamic_cast<TppCommunicator*>(&object);
    if (!owner)
        return false;
    Persistent* held = nullptr;
    if (objects)
        held = objects->held(*owner, member.name, [&] { return member.held(*owner); });
    if (held && member.refresh)
        member.refresh(*held, *owner);
    out.setObject(daClass, held);
    if (held)
        out.setClassRef(&held->classInfo());
    return true;
}

} // namespace

bool TraRTTI::getPropValue(Persistent& object, const QByteArray& name, TraValue& out,
                           TraScriptObjects* objects) const {
    for (const TraRTTI* rtti = this; rtti; rtti = rtti->parent_)
        if (const TraMember* member = rtti->findOwn(name)) {
            if (member->held)
                return heldValue(*member, object, objects, out);
            return member->get && member->get(object, out);
        }
    return false;
}

bool TraRTTI::setPropValue(Persistent& object, const QByteArray& name, const TraValue& value) const {
    for (const TraRTTI* rtti = this; rtti; rtti = rtti->parent_)
        if (const TraMember* member = rtti->findOwn(name))
            return member->set && member->set(object, value);
    return false;
}

// ---- published properties --------------------------------------------------

bool TraRTTI::getPublishedRec(const ClassInfo& cls, const QByteArray& name, TraPropRec& rec) {
    const PropertyInfo* property = cls.property(QString::fromLatin1(name));
    if (!property)
        return false;
    rec = TraPropRec();
    rec.name = property->name.toLatin1();
    rec.dataType = publishedType(*property, rec.enumType);
    rec.isPublished = true;
    switch (property->kind) {
    case PropertyKind::Object:
        rec.isReadOnly = true; // the nested object itself is kept; its properties are written
        rec.classType = heldClass(rec.name);
        break;
    case PropertyKind::Reference:
        rec.isReadOnly = !property->setReference;
        rec.classType = heldClass(rec.name);
        break;
    default:
        rec.isReadOnly = !property->set;
        break;
    }
    if (rec.dataType == daBoolean)
        rec.enumType = TraEnumerations::kBoolean;
    return true;
}

bool TraRTTI::getPublishedValue(Persistent& object, const PropertyInfo& property, TraValue& out) {
    switch (property.kind) {
    case PropertyKind::Object:
        out.setObject(daClass, property.object ? property.object(object) : nullptr);
        return true;
    case PropertyKind::Reference:
        out.setObject(daClass, property.getReference ? property.getReference(object) : nullptr);
        return true;
    default:
        break;
    }
    if (!property.get)
        return false;
    const QVariant value = property.get(object);
    int enumType = -1;
    switch (publishedType(property, enumType)) {
    case daInteger:
        out.setInteger(value.toInt());
        return true;
    case daExtended:
        out.setExtended(value.toDouble());
        return true;
    case daSingle:
        out.setSingle(value.toFloat());
        return true;
    case daDouble:
        out.setDouble(value.toDouble());
        return true;
    case daCurrency:
        out.setCurrencyScaled(std::llround(value.toDouble() * 10000));
        return true;
    case daDateTime:
        out.setDateValue(daDateTime, value.toDouble());
        return true;
    case daString:
        out.setString(value.toString().toLatin1());
        return true;
    case daBoolean:
        out.setBoolean(value.toBool());
        return true;
    case daEnum:
        out.setEnum(enumType, value.toInt());
        return true;
    default:
        return false;
    }
}

bool TraRTTI::setPublishedValue(Persistent& object, const PropertyInfo& property, const TraValue& value) {
    if (property.kind == PropertyKind::Reference) {
        if (!property.setReference)
            return false;
        property.setReference(object, dynamic_cast<OwnedComponent*>(value.object()));
        return true;
    }
    if (!property.set)
        return false;
    switch (value.type()) {
    case daInteger:
        property.set(object, value.integer());
        return true;
    case daExtended:
        property.set(object, double(value.extended()));
        return true;
    case daSingle:
        property.set(object, value.single());
        return true;
    case daDouble:
    case daDateTime:
    case daDate:
    case daTime:
        property.set(object, value.real());
        return true;
    case daCurrency:
        property.set(object, double(value.currencyAmount()));
        return true;
    case daString:
        property.set(object, QString::fromLatin1(value.text()));
        return true;
    case daBoolean:
        property.set(object, value.boolean());
        return true;
    case daEnum:
        property.set(object, value.ordinal());
        return true;
    default:
        return false;
    }
}

// ---- registry --------------------------------------------------------------

TraRTTIClassRegistry& TraRTTIClassRegistry::instance() {
    static TraRTTIClassRegistry registry;
    return registry;
}

void TraRTTIClassRegistry::registerRTTI(const TraRTTI& rtti) {
    QMutexLocker lock(&mutex_);
    for (const TraRTTI* entry : entries_)
        if (entry->describedName().compare(rtti.describedName(), Qt::CaseInsensitive) == 0)
            return;
    entries_.push_back(&rtti);
}

void TraRTTIClassRegistry::unregisterRTTI(const QByteArray& describedName) {
    QMutexLocker lock(&mutex_);
    std::erase_if(entries_, [&](const TraRTTI* entry) {
        return entry->describedName().compare(describedName, Qt::CaseInsensitive) == 0;
    });
}

const TraRTTI* TraRTTIClassRegistry::find(const QByteArray& describedName) const {
    QMutexLocker lock(&mutex_);
    for (const TraRTTI* entry : entries_)
        if (entry->describedName().compare(describedName, Qt::CaseInsensitive) == 0)
            return entry;
    return nullptr;
}

const ClassInfo* TraRTTIClassRegistry::findClass(const QByteArray& name) const {
    if (const ClassInfo* registered = ClassRegistry::instance().find(QString::fromLatin1(name)))
        return registered;
    if (const TraRTTI* rtti = find(name))
        return &rtti->refClass();
    return nullptr;
}

const TraRTTI* TraRTTIClassRegistry::findRTTIClass(const ClassInfo& cls) const {
    // The class's own description, else that of its nearest described
    // ancestor: the most derived description that applies.
    for (const ClassInfo* c = &cls; c; c = c->parent())
        if (const TraRTTI* rtti = find(c->name().toLatin1()))
            return rtti;
    return find("TObject");
}

// ---- bridge ----------------------------------------------------------------

namespace TraClassManager {

const ClassInfo& rootClass() {
    const TraRTTI* root = TraRTTIClassRegistry::instance().find("TObject");
    static const ClassInfo fallback(QStringLiteral("TObject"), nullptr);
    return root ? root->refClass() : fallback;
}

bool isInstance(const Persistent* object, const ClassInfo* cls) {
    if (!object || !cls)
        return false;
    return cls == &rootClass() || object->classInfo().inheritsFrom(*cls);
}

bool getPropRec(const ClassInfo& cls, const QByteArray& name, TraPropRec& rec) {
    if (TraRTTI::getPublishedRec(cls, name, rec) && rec.dataType != daUnknown)
        return true;
    rec = TraPropRec();
    const TraRTTI* rtti = TraRTTIClassRegistry::instance().findRTTIClass(cls);
    return rtti && rtti->getPropRec(name, rec);
}

bool hasEvent(const ClassInfo& cls, const QByteArray& name) {
    TraPropRec rec;
    return getPropRec(cls, name, rec) && rec.isEvent();
}

bool getDefaultRec(const ClassInfo& cls, TraPropRec& rec) {
    const TraRTTI* rtti = TraRTTIClassRegistry::instance().findRTTIClass(cls);
    return rtti && rtti->getDefaultRec(rec);
}

bool getPropValue(Persistent& object, const QByteArray& name, TraValue& out, TraScriptObjects* objects) {
    const ClassInfo& cls = object.classInfo();
    TraPropRec rec;
    if (TraRTTI::getPublishedRec(cls, name, rec) && rec.dataType != daUnknown)
        return TraRTTI::getPublishedValue(object, *cls.property(QString::fromLatin1(name)), out);
    const TraRTTI* rtti = TraRTTIClassRegistry::instance().findRTTIClass(cls);
    return rtti && rtti->getPropValue(object, name, out, objects);
}

bool setPropValue(Persistent& object, const QByteArray& name, const TraValue& value,
                  const TraEnvironment& environment) {
    const ClassInfo& cls = object.classInfo();
    TraPropRec rec;
    if (!getPropRec(cls, name, rec) || rec.isReadOnly || rec.dataType == daMethod)
        return false;
    if (!writable(rec.dataType, value))
        return false;
    TraValue converted = TraValue::initial(rec.dataType, 0, rec.enumType);
    if (rec.dataType == daClass || rec.dataType == daObject)
        converted.setObject(rec.dataType, value.object());
    else if (!assignConverted(converted, value, environment)) {
        // Numbers and dates go into any number or date property: truncated
        // into an Integer, rounded into a Currency.
        const std::optional<long double> number = readNumber(value);
        if (!number || !isRealLike(rec.dataType))
            return false;
        storeNumber(converted, *number);
    }
    if (rec.isPublished)
        return TraRTTI::setPublishedValue(object, *cls.property(QString::fromLatin1(name)), converted);
    const TraRTTI* rtti = TraRTTIClassRegistry::instance().findRTTIClass(cls);
    return rtti && rtti->setPropValue(object, name, converted);
}

bool callMethod(const ClassInfo& cls, Persistent* object, const QByteArray& name, TraCallFrame& frame) {
    const TraRTTI* rtti = TraRTTIClassRegistry::instance().findRTTIClass(object ? object->classInfo() : cls);
    return rtti && rtti->callMethod(object, name, frame);
}

bool storeIndexed(Persistent& object, const QByteArray& name, TraCallFrame& frame) {
    const TraRTTI* rtti = TraRTTIClassRegistry::instance().findRTTIClass(object.classInfo());
    return rtti && rtti->storeIndexed(&object, name, frame);
}

} // namespace TraClassManager
