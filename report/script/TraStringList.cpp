#include "TraStringList.h"

#include "TppCommunicator.h"
#include "TraDescribe.h"
#include "TraRunError.h"

#include <QFile>
#include <algorithm>
#include <numeric>

const ClassInfo& TraList::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TList"), &Persistent::staticClassInfo(),
                                [](OwnedComponent*) { return new TraList; });
    return info;
}

// Abstract, as its namesake: scripts create the string list.
const ClassInfo& TraStrings::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TStrings"), &Persistent::staticClassInfo());
    return info;
}

const ClassInfo& TraStringList::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TStringList"), &TraStrings::staticClassInfo(),
                                [](OwnedComponent*) { return new TraStringList; });
    return info;
}

int TraStrings::add(const QString& text, Persistent* object) {
    strings_.append(text);
    objects_.append(object);
    return count() - 1;
}

void TraStrings::insert(int index, const QString& text, Persistent* object) {
    TraDescribe::checkIndex("Insert", index, count() + 1);
    strings_.insert(index, text);
    objects_.insert(index, object);
}

void TraStrings::put(int index, const QString& text) {
    TraDescribe::checkIndex("Strings", index, count());
    strings_[index] = text;
}

void TraStrings::setObjectAt(int index, Persistent* object) {
    TraDescribe::checkIndex("Objects", index, count());
    objects_[index] = object;
}

void TraStrings::setValue(const QString& name, const QString& value) {
    const int index = indexOfName(name);
    if (value.isEmpty()) {
        if (index >= 0)
            remove(index);
        return;
    }
    const QString line = name + u'=' + value;
    if (index >= 0)
        put(index, line);
    else
        add(line);
}

void TraStrings::remove(int index) {
    TraDescribe::checkIndex("Delete", index, count());
    strings_.removeAt(index);
    objects_.removeAt(index);
}

void TraStrings::clear() {
    strings_.clear();
    objects_.clear();
}

void TraStrings::exchange(int a, int b) {
    TraDescribe::checkIndex("Exchange", a, count());
    TraDescribe::checkIndex("Exchange", b, count());
    strings_.swapItemsAt(a, b);
    objects_.swapItemsAt(a, b);
}

void TraStrings::move(int from, int to) {
    TraDescribe::checkIndex("Move", from, count());
    TraDescribe::checkIndex("Move", to, count());
    strings_.move(from, to);
    objects_.move(from, to);
}

int TraStrings::indexOf(const QString& text) const {
    for (int i = 0; i < count(); ++i)
        if (strings_[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TraStrings::indexOfObject(const Persistent* object) const {
    return int(objects_.indexOf(object));
}

int TraStrings::indexOfName(const QString& name) const {
    for (int i = 0; i < count(); ++i)
        if (nameAt(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TraStrings::nameAt(int index) const {
    const QString& line = strings_[index];
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.left(equals);
}

QString TraStrings::value(const QString& name) const {
    const int index = indexOfName(name);
    return index < 0 ? QString() : strings_[index].mid(nameAt(index).size() + 1);
}

QString TraStrings::text() const {
    QString text;
    for (const QString& line : strings_)
        text += line + QStringLiteral("\r\n");
    return text;
}

void TraStrings::setText(const QString& text) {
    clear();
    for (const QString& line : TraDescribe::splitLines(text))
        add(line);
}

bool TraStrings::loadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    setText(QString::fromLatin1(file.readAll()));
    return true;
}

bool TraStrings::saveToFile(const QString& fileName) const {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text().toLatin1()) >= 0;
}

// ---- string list -----------------------------------------------------------

void TraStringList::setSorted(bool sorted) {
    if (sorted && !sorted_)
        sort();
    sorted_ = sorted;
}

void TraStringList::sort() {
    std::vector<int> order(static_cast<size_t>(count()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return strings_[a].compare(strings_[b], Qt::CaseInsensitive) < 0;
    });
    QStringList strings;
    QList<Persistent*> objects;
    for (const int i : order) {
        strings.append(strings_[i]);
        objects.append(objects_[i]);
    }
    strings_ = std::move(strings);
    objects_ = std::move(objects);
}

bool TraStringList::find(const QString& text, int& index) const {
    if (!sorted_) {
        index = indexOf(text);
        return index >= 0;
    }
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (strings_[middle].compare(text, Qt::CaseInsensitive) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    index = low;
    return low < count() && strings_[low].compare(text, Qt::CaseInsensitive) == 0;
}

int TraStringList::add(const QString& text, Persistent* object) {
    if (!sorted_)
        return TraStrings::add(text, object);
    int index = 0;
    find(text, index);
    strings_.insert(index, text);
    objects_.insert(index, object);
    return index;
}

void TraStringList::insert(int index, const QString& text, Persistent* object) {
    if (sorted_)
        throw TraRunError(QStringLiteral("Operation not allowed on sorted string list"));
    TraStrings::insert(index, text, object);
}

void TraStringList::put(int index, const QString& text) {
    if (sorted_)
        throw TraRunError(QStringLiteral("Operation not allowed on sorted string list"));
    TraStrings::put(index, text);
}

// ---- lines of a report object ------------------------------------------------

TraBoundStrings::TraBoundStrings(TppCommunicator& owner, Read read, Write write)
    : read_(std::move(read)), write_(std::move(write)) {
    owner_.reset(&owner);
}

TppCommunicator& TraBoundStrings::owner() const {
    TppCommunicator* owner = owner_.get();
    if (!owner)
        throw TraRunError(QStringLiteral("Cannot use the lines: their report object is gone"));
    return *owner;
}

void TraBoundStrings::pull() {
    strings_ = read_(owner());
    // An object beside a line stays while the lines keep their number.
    if (objects_.size() != strings_.size())
        objects_ = QList<Persistent*>(strings_.size(), nullptr);
    pulled_ = strings_;
}

void TraBoundStrings::push() {
    if (!write_ || strings_ == pulled_)
        return;
    write_(owner(), strings_);
    pulled_ = strings_;
}
