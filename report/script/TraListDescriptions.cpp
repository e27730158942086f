// TList, TStrings and TStringList as scripts see them.

#include "TraDescribe.h"
#include "TraStringList.h"

namespace TraDescribe {

namespace {

TraParam param(const char* name, TraDataType type, const char* className = nullptr) {
    return {name, type, className ? TraRTTIClassRegistry::instance().findClass(className) : nullptr};
}

const TraParam kIndex{"Index", daInteger};

// The indexed property that "List[i]" stands for, and that may be written.
template <class T, class Store> TraMember writableDefault(TraMember member, Store store) {
    member.isDefault = true;
    return writable<T>(std::move(member), store);
}

// A list that stands for a report object's lines reads them before every
// member and writes back what the member changed.
TraStrings* pulled(Persistent* object) {
    auto* strings = dynamic_cast<TraStrings*>(object);
    if (strings)
        strings->pull();
    return strings;
}

using Access = std::function<bool(Persistent* object, TraCallFrame& frame)>;

Access pushingAfter(Access access) {
    return [access = std::move(access)](Persistent* object, TraCallFrame& frame) {
        TraStrings* strings = pulled(object);
        const bool done = access(object, frame);
        if (strings)
            strings->push();
        return done;
    };
}

TraMember syncingLines(TraMember member) {
    if (member.get)
        member.get = [get = std::move(member.get)](Persistent& object, TraValue& out) {
            pulled(&object);
            return get(object, out);
        };
    if (member.set)
        member.set = [set = std::move(member.set)](Persistent& object, const TraValue& value) {
            TraStrings* strings = pulled(&object);
            const bool done = set(object, value);
            if (strings)
                strings->push();
            return done;
        };
    if (member.call)
        member.call = pushingAfter(std::move(member.call));
    if (member.store)
        member.store = pushingAfter(std::move(member.store));
    return member;
}

TraStrings* otherLines(const TraValue& value) {
    auto* other = dynamic_cast<TraStrings*>(value.object());
    if (other)
        other->pull();
    return other;
}

} // namespace

void describeLists() {
    const TraRTTI* tPersistent = described("TPersistent");
    describe(
        "TList", &TraList::staticClassInfo(), tPersistent,
        {readOnly<TraList>("Count", daInteger, [](TraList& l) { return integerValue(int(l.items.size())); }),
         writableDefault<TraList>(indexed<TraList>(
                                      "Items", "TObject", [](TraList& l) { return int(l.items.size()); },
                                      [](TraList& l, int i) { return l.items[i]; }),
                                  [](TraList& l, TraCallFrame& f) {
                                      checkIndex("Items", f.args[0].integer(), int(l.items.size()));
                                      l.items[f.args[0].integer()] = f.result.object();
                                  }),
         method<TraList>("Add", {param("Item", daClass, "TObject")}, daInteger,
                         [](TraList& l, TraCallFrame& f) {
                             l.items.append(f.args[0].object());
                             f.result = integerValue(int(l.items.size()) - 1);
                         }),
         method<TraList>("Clear", {}, daUnknown, [](TraList& l, TraCallFrame&) { l.items.clear(); }),
         method<TraList>("Delete", {kIndex}, daUnknown,
                         [](TraList& l, TraCallFrame& f) {
                             checkIndex("Delete", f.args[0].integer(), int(l.items.size()));
                             l.items.removeAt(f.args[0].integer());
                         }),
         method<TraList>("Exchange", {{"Index1", daInteger}, {"Index2", daInteger}}, daUnknown,
                         [](TraList& l, TraCallFrame& f) {
                             checkIndex("Exchange", f.args[0].integer(), int(l.items.size()));
                             checkIndex("Exchange", f.args[1].integer(), int(l.items.size()));
                             l.items.swapItemsAt(f.args[0].integer(), f.args[1].integer());
                         }),
         method<TraList>("IndexOf", {param("Item", daClass, "TObject")}, daInteger,
                         [](TraList& l, TraCallFrame& f) {
                             f.result = integerValue(int(l.items.indexOf(f.args[0].object())));
                         }),
         method<TraList>("Insert", {kIndex, param("Item", daClass, "TObject")}, daUnknown,
                         [](TraList& l, TraCallFrame& f) {
                             checkIndex("Insert", f.args[0].integer(), int(l.items.size()) + 1);
                             l.items.insert(f.args[0].integer(), f.args[1].object());
                         }),
         method<TraList>("Move", {{"CurIndex", daInteger}, {"NewIndex", daInteger}}, daUnknown,
                         [](TraList& l, TraCallFrame& f) {
                             checkIndex("Move", f.args[0].integer(), int(l.items.size()));
                             checkIndex("Move", f.args[1].integer(), int(l.items.size()));
                             l.items.move(f.args[0].integer(), f.args[1].integer());
                         }),
         method<TraList>("Remove", {param("Item", daClass, "TObject")}, daInteger,
                         [](TraList& l, TraCallFrame& f) {
                             const int index = int(l.items.indexOf(f.args[0].object()));
                             if (index >= 0)
                                 l.items.removeAt(index);
                             f.result = integerValue(index);
                         }),
         method<TraList>(
             "First", {}, daClass,
             [](TraList& l, TraCallFrame& f) {
                 checkIndex("First", 0, int(l.items.size()));
                 f.result = objectValue(l.items.front());
             },
             "TObject"),
         method<TraList>(
             "Last", {}, daClass,
             [](TraList& l, TraCallFrame& f) {
                 checkIndex("Last", 0, int(l.items.size()));
                 f.result = objectValue(l.items.back());
             },
             "TObject")});

    std::vector<TraMember> stringsMembers = {
        readOnly<TraStrings>("Count", daInteger, [](TraStrings& s) { return integerValue(s.count()); }),
        writable<TraStrings>(
            indexed<TraStrings>(
                "Objects", "TObject", [](TraStrings& s) { return s.count(); },
                [](TraStrings& s, int i) { return s.objectAt(i); }),
            [](TraStrings& s, TraCallFrame& f) { s.setObjectAt(f.args[0].integer(), f.result.object()); }),
        writableDefault<TraStrings>(
            indexedValue<TraStrings>("Strings", daString, kIndex,
                                     [](TraStrings& s, TraCallFrame& f) {
                                         checkIndex("Strings", f.args[0].integer(), s.count());
                                         f.result = stringValue(s.at(f.args[0].integer()));
                                     }),
            [](TraStrings& s, TraCallFrame& f) { s.put(f.args[0].integer(), textOf(f.result)); }),
        indexedValue<TraStrings>("Names", daString, kIndex,
                                 [](TraStrings& s, TraCallFrame& f) {
                                     checkIndex("Names", f.args[0].integer(), s.count());
                                     f.result = stringValue(s.nameAt(f.args[0].integer()));
                                 }),
        writable<TraStrings>(
            indexedValue<TraStrings>(
                "Values", daString, {"Name", daString},
                [](TraStrings& s, TraCallFrame& f) { f.result = stringValue(s.value(textOf(f.args[0]))); }),
            [](TraStrings& s, TraCallFrame& f) { s.setValue(textOf(f.args[0]), textOf(f.result)); }),
        readWrite<TraStrings>(
            "Text", daString, [](TraStrings& s) { return stringValue(s.text()); },
            [](TraStrings& s, const TraValue& v) { s.setText(textOf(v)); }),
        method<TraStrings>(
            "Add", {{"S", daString}}, daInteger,
            [](TraStrings& s, TraCallFrame& f) { f.result = integerValue(s.add(textOf(f.args[0]))); }),
        method<TraStrings>("Append", {{"S", daString}}, daUnknown,
                           [](TraStrings& s, TraCallFrame& f) { s.add(textOf(f.args[0])); }),
        method<TraStrings>("AddObject", {{"S", daString}, param("AObject", daClass, "TObject")}, daInteger,
                           [](TraStrings& s, TraCallFrame& f) {
                               f.result = integerValue(s.add(textOf(f.args[0]), f.args[1].object()));
                           }),
        method<TraStrings>("AddStrings", {param("Strings", daClass, "TStrings")}, daUnknown,
                           [](TraStrings& s, TraCallFrame& f) {
                               TraStrings* other = otherLines(f.args[0]);
                               if (!other)
                                   return;
                               // A list added to itself adds its lines once.
                               const int count = other->count();
                               for (int i = 0; i < count; ++i)
                                   s.add(other->at(i), other->objectAt(i));
                           }),
        method<TraStrings>("BeginUpdate", {}, daUnknown, [](TraStrings&, TraCallFrame&) {}),
        method<TraStrings>("EndUpdate", {}, daUnknown, [](TraStrings&, TraCallFrame&) {}),
        method<TraStrings>("Clear", {}, daUnknown, [](TraStrings& s, TraCallFrame&) { s.clear(); }),
        method<TraStrings>("Delete", {kIndex}, daUnknown,
                           [](TraStrings& s, TraCallFrame& f) { s.remove(f.args[0].integer()); }),
        method<TraStrings>("Equals", {param("Strings", daClass, "TStrings")}, daBoolean,
                           [](TraStrings& s, TraCallFrame& f) {
                               TraStrings* other = otherLines(f.args[0]);
                               f.result = booleanValue(other && s.sameLines(*other));
                           }),
        method<TraStrings>(
            "Exchange", {{"Index1", daInteger}, {"Index2", daInteger}}, daUnknown,
            [](TraStrings& s, TraCallFrame& f) { s.exchange(f.args[0].integer(), f.args[1].integer()); }),
        method<TraStrings>(
            "IndexOf", {{"S", daString}}, daInteger,
            [](TraStrings& s, TraCallFrame& f) { f.result = integerValue(s.indexOf(textOf(f.args[0]))); }),
        method<TraStrings>("IndexOfName", {{"Name", daString}}, daInteger,
                           [](TraStrings& s, TraCallFrame& f) {
                               f.result = integerValue(s.indexOfName(textOf(f.args[0])));
                           }),
        method<TraStrings>("IndexOfObject", {param("AObject", daClass, "TObject")}, daInteger,
                           [](TraStrings& s, TraCallFrame& f) {
                               f.result = integerValue(s.indexOfObject(f.args[0].object()));
                           }),
        method<TraStrings>(
            "Insert", {kIndex, {"S", daString}}, daUnknown,
            [](TraStrings& s, TraCallFrame& f) { s.insert(f.args[0].integer(), textOf(f.args[1])); }),
        method<TraStrings>(
            "InsertObject", {kIndex, {"S", daString}, param("AObject", daClass, "TObject")}, daUnknown,
            [](TraStrings& s, TraCallFrame& f) {
                s.insert(f.args[0].integer(), textOf(f.args[1]), f.args[2].object());
            }),
        method<TraStrings>(
            "Move", {{"CurIndex", daInteger}, {"NewIndex", daInteger}}, daUnknown,
            [](TraStrings& s, TraCallFrame& f) { s.move(f.args[0].integer(), f.args[1].integer()); }),
        fileMethod<TraStrings>("LoadFromFile",
                               [](TraStrings& s, TraCallFrame& f) {
                                   if (!s.loadFromFile(textOf(f.args[0])))
                                       cannotOpenFile(textOf(f.args[0]));
                               }),
        fileMethod<TraStrings>("SaveToFile", [](TraStrings& s, TraCallFrame& f) {
            if (!s.saveToFile(textOf(f.args[0])))
                cannotOpenFile(textOf(f.args[0]));
        })};
    for (TraMember& member : stringsMembers)
        member = syncingLines(std::move(member));
    const TraRTTI* strings =
        describe("TStrings", &TraStrings::staticClassInfo(), tPersistent, std::move(stringsMembers));

    describe(
        "TStringList", &TraStringList::staticClassInfo(), strings,
        {readWrite<TraStringList>(
             "Sorted", daBoolean, [](TraStringList& s) { return booleanValue(s.sorted()); },
             [](TraStringList& s, const TraValue& v) { s.setSorted(v.boolean()); }),
         method<TraStringList>("Find", {{"S", daString}, {"Index", daInteger, nullptr, -1, false, true}},
                               daBoolean,
                               [](TraStringList& s, TraCallFrame& f) {
                                   int index = 0;
                                   f.result = booleanValue(s.find(textOf(f.args[0]), index));
                                   f.args[1] = integerValue(index);
                               }),
         method<TraStringList>("Sort", {}, daUnknown, [](TraStringList& s, TraCallFrame&) { s.sort(); })});
}

} // namespace TraDescribe
