#pragma once

// The building blocks of the hand-written descriptions: a member is a name, a
// kind, a type and the lambdas that read, write or call it on an object of
// the described class. A lambda meets an object of another class only when a
// script casts wrongly; it then answers false and the access does nothing.

#include "Persistent.h"
#include "TppCommunicator.h"
#include "TraRTTI.h"
#include "TraRunError.h"
#include "TraStream.h"
#include "TraStringList.h"
#include "Units.h"

#include <QString>
#include <QStringList>

namespace TraDescribe {

using Kind = TraMember::Kind;

inline TraValue integerValue(int v) {
    return TraValue::ofInteger(v);
}
inline TraValue booleanValue(bool v) {
    TraValue value;
    value.setBoolean(v);
    return value;
}
inline TraValue stringValue(const QString& v) {
    return TraValue::ofString(v.toLatin1());
}
inline TraValue singleValue(float v) {
    TraValue value;
    value.setSingle(v);
    return value;
}
inline TraValue doubleValue(double v) {
    TraValue value;
    value.setDouble(v);
    return value;
}
// A length in screen pixels, as the designer shows it.
inline TraValue screenPixels(int mm, Axis axis) {
    return integerValue(qRound(UnitsFromMM(mm, utScreenPixels, axis)));
}
inline TraValue objectValue(Persistent* v) {
    TraValue value;
    value.setObject(daClass, v);
    if (v)
        value.setClassRef(&v->classInfo());
    return value;
}
inline QString textOf(const TraValue& v) {
    return QString::fromLatin1(v.text());
}
// Lists of lines travel as one text, lines ended by CR LF.
inline TraValue linesValue(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return stringValue(text);
}
QStringList splitLines(const QString& text);

template <class T, class Get>
TraMember readOnly(const char* name, TraDataType type, Get get, const char* typeName = nullptr) {
    TraMember member{name, Kind::Property, type, typeName};
    member.get = [get](Persistent& object, TraValue& out) {
        auto* typed = dynamic_cast<T*>(&object);
        if (!typed)
            return false;
        out = get(*typed);
        return true;
    };
    return member;
}

template <class T, class Get, class Set>
TraMember readWrite(const char* name, TraDataType type, Get get, Set set, const char* typeName = nullptr) {
    TraMember member = readOnly<T>(name, type, get, typeName);
    member.set = [set](Persistent& object, const TraValue& value) {
        auto* typed = dynamic_cast<T*>(&object);
        if (!typed)
            return false;
        set(*typed, value);
        return true;
    };
    return member;
}

// Stops the script when `index` lies outside a list of `size` items, instead
// of reaching past the list.
inline void checkIndex(const char* name, int index, int size) {
    if (index < 0 || index >= size)
        throw TraRunError(QStringLiteral("%1[%2] is out of bounds: the list holds %3 items")
                              .arg(QLatin1String(name))
                              .arg(index)
                              .arg(size));
}

// An indexed list of objects, "Bands[i]", bounds-checked.
template <class T, class Count, class At>
TraMember indexed(const char* name, const char* typeName, Count count, At at) {
    TraMember member{name, Kind::Indexed, daClass, typeName, {{"Index", daInteger}}};
    member.call = [name, count, at](Persistent* object, TraCallFrame& frame) {
        auto* typed = dynamic_cast<T*>(object);
        if (!typed)
            return false;
        const int index = frame.args[0].integer();
        checkIndex(name, index, count(*typed));
        frame.result = objectValue(at(*typed, index));
        return true;
    };
    return member;
}

// Lets an indexed property be written: `store` finds the index in the
// frame's arguments and the value in its result, and checks the index itself.
template <class T, class Store> TraMember writable(TraMember member, Store store) {
    member.store = [store](Persistent* object, TraCallFrame& frame) {
        auto* typed = dynamic_cast<T*>(object);
        if (!typed)
            return false;
        store(*typed, frame);
        return true;
    };
    return member;
}

// An indexed value of another type ("Strings[i]", "Values['name']"); `at`
// fills the frame's result and checks its own index.
template <class T, class At>
TraMember indexedValue(const char* name, TraDataType type, TraParam index, At at) {
    TraMember member{name, Kind::Indexed, type, nullptr, {std::move(index)}};
    member.call = [at](Persistent* object, TraCallFrame& frame) {
        auto* typed = dynamic_cast<T*>(object);
        if (!typed)
            return false;
        at(*typed, frame);
        return true;
    };
    return member;
}

template <class T, class Fn>
TraMember method(const char* name, TraParamList params, TraDataType result, Fn fn,
                 const char* typeName = nullptr) {
    TraMember member{name, Kind::Method, result, typeName, std::move(params)};
    member.call = [fn](Persistent* object, TraCallFrame& frame) {
        auto* typed = dynamic_cast<T*>(object);
        if (!typed)
            return false;
        fn(*typed, frame);
        return true;
    };
    return member;
}

// A method that reads or writes a file: refused unless the run allows it.
template <class T, class Fn> TraMember fileMethod(const char* name, Fn fn) {
    TraMember member = method<T>(name, {{"FileName", daString}}, daUnknown, fn);
    member.readsFiles = true;
    return member;
}

// A member that ancestors name and descendants publish (a printable's
// Caption, Font ...): scripts may name it on the ancestor; at run time the
// object's own published property answers, and one without it does nothing.
inline TraMember publishedBelow(const char* name, TraDataType type, const char* typeName = nullptr) {
    return {name, Kind::Property, type, typeName};
}

// A report object's lines as a TStrings the module keeps for it: what the
// script does to the list reaches the object's own lines at once, and
// "Memo1.Lines := List" copies the lines of another list in. Without
// `write` the lines are read-only to scripts.
template <class T, class Read>
TraMember boundLines(const char* name, Read read, std::function<void(T&, const QStringList&)> write = {}) {
    TraMember member{name, Kind::Property, daClass, "TStrings"};
    member.held = [read, write](TppCommunicator& owner) -> std::unique_ptr<Persistent> {
        if (!dynamic_cast<T*>(&owner))
            return nullptr;
        TraBoundStrings::Write store;
        if (write)
            store = [write](TppCommunicator& o, const QStringList& lines) {
                write(dynamic_cast<T&>(o), lines);
            };
        return std::make_unique<TraBoundStrings>(
            owner, [read](TppCommunicator& o) { return QStringList(read(dynamic_cast<T&>(o))); }, store);
    };
    if (write)
        member.set = [write](Persistent& object, const TraValue& value) {
            auto* typed = dynamic_cast<T*>(&object);
            auto* source = dynamic_cast<TraStrings*>(value.object());
            if (!typed || !source)
                return false;
            source->pull();
            write(*typed, source->lines());
            return true;
        };
    return member;
}

// A member whose value is a stream the module keeps for the report object,
// refilled from `content` each time a script reads it.
template <class T, class Content> TraMember contentStream(const char* name, Content content) {
    TraMember member{name, Kind::Property, daClass, "TStream"};
    member.held = [](TppCommunicator& owner) -> std::unique_ptr<Persistent> {
        if (!dynamic_cast<T*>(&owner))
            return nullptr;
        return std::make_unique<TraMemoryStream>();
    };
    member.refresh = [content](Persistent& held, TppCommunicator& owner) {
        dynamic_cast<TraStream&>(held).refill(content(dynamic_cast<T&>(owner)));
    };
    return member;
}

[[noreturn]] inline void cannotOpenFile(const QString& fileName) {
    throw TraRunError(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
}

// The stream a method is given; a script error when it is none.
TraStream& streamArgument(const TraValue& value, const char* member);

inline TraMember event(const char* name, int kind, TraParamList params = {}) {
    TraMember member{name, Kind::Event};
    member.eventID = kind;
    member.params = std::move(params);
    return member;
}

inline const TraParam kVarText{"Text", daString, nullptr, -1, false, true};
inline const TraParam kVarValue{"Value", daVariant, nullptr, -1, false, true};
inline const TraParam kVarBreakValue{"BreakValue", daString, nullptr, -1, false, true};

// Registers a description that lives as long as the process.
const TraRTTI* describe(const char* name, const ClassInfo* cls, const TraRTTI* parent,
                        std::vector<TraMember> members);
// A registered description by its described class's name; it must exist.
const TraRTTI* described(const char* name);
bool anyDescribed();

} // namespace TraDescribe

namespace TraDescribe {
// The groups of descriptions beyond the report's core classes, registered
// after them (their parents must exist).
void describeLists();
void describeGraphics();
void describeReportParts();
void describeSubReports();
// The report's members that read the engine while it prints.
std::vector<TraMember> describedReportRunState();
void describeAutoSearchField();
// The report's members for its search criteria.
std::vector<TraMember> autoSearchReportMembers();
// The state the engine keeps for bands, groups and components while printing.
std::vector<TraMember> bandRunMembers();
std::vector<TraMember> detailBandRunMembers();
std::vector<TraMember> groupBandRunMembers();
std::vector<TraMember> groupHeaderBandRunMembers();
std::vector<TraMember> groupRunMembers();
std::vector<TraMember> dbTextRunMembers();
std::vector<TraMember> printableRunMembers();
std::vector<TraMember> componentRunMembers();
std::vector<TraMember> cacheableRunMembers();
// The members a pipeline describes beyond its records' fields.
std::vector<TraMember> pipelineMembers();
TraMember fieldPictureMember();
// Windows and dialogs the program's window layers hand on.
std::vector<TraMember> reportWindowMembers();
std::vector<TraMember> producerWindowMembers();
// The producer's own members beyond its events and devices.
std::vector<TraMember> producerMembers();
std::vector<TraMember> printableDesignMembers();
std::vector<TraMember> customReportDesignMembers();
// Streams, and the members that hand them out.
void describeStreams();
std::vector<TraMember> memoStreamMembers();
std::vector<TraMember> cacheStreamMembers();
std::vector<TraMember> richTextMembers();
void describeRichTextAttributes();

// `members` followed by `more`.
inline std::vector<TraMember> joined(std::vector<TraMember> members, std::vector<TraMember> more) {
    for (TraMember& member : more)
        members.push_back(std::move(member));
    return members;
}
} // namespace TraDescribe
