#pragma once

#include "TraDataType.h"
#include "TraValue.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <functional>
#include <memory>
#include <vector>

class ClassInfo;
class Persistent;
class PropertyInfo;
class TppCommunicator;
class TraScriptObjects;
struct TraEnvironment;

// One parameter of a method, indexed property, constructor or event. The
// last entry of a function-like member is named "Result".
struct TraParam {
    TraParam(QByteArray name_, TraDataType dataType_, const ClassInfo* classType_ = nullptr,
             int enumType_ = -1, bool isConst_ = false, bool isVar_ = false)
        : name(std::move(name_)), dataType(dataType_), classType(classType_), enumType(enumType_),
          isConst(isConst_), isVar(isVar_) {}

    QByteArray name;
    TraDataType dataType = daUnknown;
    const ClassInfo* classType = nullptr; // daClass
    int enumType = -1;                    // daEnum
    bool isConst = false;
    bool isVar = false;
};
using TraParamList = std::vector<TraParam>;

bool hasResult(const TraParamList& params);

// What a member of a described class is, as one lookup answers it.
struct TraPropRec {
    QByteArray name;
    TraDataType dataType = daUnknown; // daMethod for methods, indexed properties, constructors, events
    const ClassInfo* classType = nullptr;
    int enumType = -1;
    bool isPublished = false;
    bool isReadOnly = false;
    bool isConstructor = false;
    bool isIndexed = false;
    bool isDefault = false;  // an indexed property that "List[i]" stands for
    bool readsFiles = false; // touches the file system (SaveToFile, LoadFromFile ...)
    int eventID = -1;
    TraParamList params;

    bool isEvent() const { return eventID >= 0; }
    bool isFound() const { return !name.isEmpty(); }
};

// The arguments of one call, by position, and its result. Values travel as
// script values, never as addresses into the caller's storage: a member that
// writes a var parameter writes its slot here and the call node copies it back.
struct TraCallFrame {
    std::vector<TraValue> args;
    TraValue result;
    const TraEnvironment* environment = nullptr;
    // A constructor's class: the one named in the script, "TStringList.Create".
    const ClassInfo* createClass = nullptr;
};

// One hand-described member of a class.
struct TraMember {
    enum class Kind : quint8 { Property, Method, Indexed, Constructor, Event };

    TraMember(const char* name_, Kind kind_ = Kind::Property, TraDataType dataType_ = daUnknown,
              const char* typeName_ = nullptr, TraParamList params_ = {})
        : name(name_), kind(kind_), dataType(dataType_), typeName(typeName_), params(std::move(params_)) {}

    const char* name;
    Kind kind = Kind::Property;
    TraDataType dataType = daUnknown; // a property's type, or a function's result type
    const char* typeName = nullptr;   // class of a daClass property or result; enumeration of a daEnum one
    TraParamList params;              // without "Result": that follows from dataType
    int eventID = -1;
    bool readsFiles = false;
    // The indexed property that "List[i]" stands for: "List.Strings[i]".
    bool isDefault = false;

    std::function<bool(Persistent& object, TraValue& out)> get;
    std::function<bool(Persistent& object, const TraValue& value)> set;
    // Methods, indexed properties and constructors: `object` is none for a constructor.
    std::function<bool(Persistent* object, TraCallFrame& frame)> call;
    // Writes an indexed property, "Strings[2] := 'x'": the frame's arguments
    // hold the index, its result the value; none for a read-only one.
    std::function<bool(Persistent* object, TraCallFrame& frame)> store;
    // A property whose value is an object the scripts' module makes for the
    // report object once and keeps (a memo's Lines as a TStrings); `refresh`,
    // when set, brings it up to date on every read.
    std::function<std::unique_ptr<Persistent>(TppCommunicator& owner)> held;
    std::function<void(Persistent& held, TppCommunicator& owner)> refresh;
    // For a member of a value object (a printer setup), the report object it
    // belongs to, which keeps what it hands out; none: the object itself.
    std::function<TppCommunicator*(Persistent& object)> heldBy;
};

// The description of one class for scripts: its hand-described members, and,
// through the base case, its published properties from the class registry.
// A description answers for its own members and passes every other name to
// the description of its nearest described ancestor.
class TraRTTI {
public:
    // `cls` is the class registry's description of the C++ class, when there is one.
    TraRTTI(QByteArray describedName, const TraRTTI* parent, std::vector<TraMember> members,
            const ClassInfo* cls = nullptr);

    // The class this describes; for the classes scripts know but templates
    // never create (TObject, TStrings ...) a description of its own.
    const ClassInfo& refClass() const;
    const QByteArray& describedName() const { return describedName_; }
    const TraRTTI* parent() const { return parent_; }
    bool derivesFrom(const TraRTTI* other) const;

    // Published property names (no events), then the hand-described members.
    void getPropList(const ClassInfo& cls, QList<QByteArray>& list) const;
    void getEventList(const ClassInfo& cls, QList<QByteArray>& list) const;

    bool getPropRec(const QByteArray& name, TraPropRec& rec) const;
    // The indexed property marked as the default, in this class or an ancestor.
    bool getDefaultRec(TraPropRec& rec) const;
    bool callMethod(Persistent* object, const QByteArray& name, TraCallFrame& frame) const;
    bool storeIndexed(Persistent* object, const QByteArray& name, TraCallFrame& frame) const;
    // `objects` keeps what members hand out as objects of their own (Lines);
    // without it such a member answers nil.
    bool getPropValue(Persistent& object, const QByteArray& name, TraValue& out,
                      TraScriptObjects* objects = nullptr) const;
    bool setPropValue(Persistent& object, const QByteArray& name, const TraValue& value) const;

    // The published part, shared by every description.
    static bool getPublishedRec(const ClassInfo& cls, const QByteArray& name, TraPropRec& rec);
    static bool getPublishedValue(Persistent& object, const PropertyInfo& property, TraValue& out);
    static bool setPublishedValue(Persistent& object, const PropertyInfo& property, const TraValue& value);

private:
    const TraMember* findOwn(const QByteArray& name) const;

    QByteArray describedName_;
    const TraRTTI* parent_;
    std::vector<TraMember> members_;
    mutable const ClassInfo* refClass_ = nullptr;
    std::unique_ptr<ClassInfo> ownClass_;
};

// The process-wide list of descriptions by described class name.
class TraRTTIClassRegistry {
public:
    static TraRTTIClassRegistry& instance();

    // Registering a name twice is ignored; unregistering an unknown one does nothing.
    void registerRTTI(const TraRTTI& rtti);
    void unregisterRTTI(const QByteArray& describedName);
    // The class registry's class of that name, else a described class of that name.
    const ClassInfo* findClass(const QByteArray& name) const;
    // The description of the class itself, else the most derived description
    // among those of its ancestors.
    const TraRTTI* findRTTIClass(const ClassInfo& cls) const;
    const TraRTTI* find(const QByteArray& describedName) const;

private:
    mutable QMutex mutex_;
    std::vector<const TraRTTI*> entries_;
};

// The bridge operations the compiled script uses. Every access looks the
// member up by name again: an object may change class between two runs.
namespace TraClassManager {
// Published first unless its type is unknown (events, sets), then the most
// derived description of the class.
bool getPropRec(const ClassInfo& cls, const QByteArray& name, TraPropRec& rec);
bool hasEvent(const ClassInfo& cls, const QByteArray& name);
// "List[i]": the class's default indexed property.
bool getDefaultRec(const ClassInfo& cls, TraPropRec& rec);
// False when nothing handles the name for the object's actual class.
bool getPropValue(Persistent& object, const QByteArray& name, TraValue& out,
                  TraScriptObjects* objects = nullptr);
bool setPropValue(Persistent& object, const QByteArray& name, const TraValue& value,
                  const TraEnvironment& environment);
bool callMethod(const ClassInfo& cls, Persistent* object, const QByteArray& name, TraCallFrame& frame);
// Writes frame.result into an indexed property of the object.
bool storeIndexed(Persistent& object, const QByteArray& name, TraCallFrame& frame);
// "TppLabel" inherits "TppCustomText": is `object` an instance of `cls`? The
// root class (TObject) takes every object.
bool isInstance(const Persistent* object, const ClassInfo* cls);
const ClassInfo& rootClass();
} // namespace TraClassManager

// Fills the registry with the descriptions of the report classes; safe to
// call more than once.
void registerScriptBridge();
