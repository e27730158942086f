#pragma once

#include "Persistent.h"
#include "WeakReference.h"

#include <QList>
#include <QStringList>
#include <functional>

class TppCommunicator;

// The lists scripts make for themselves: TList of objects, TStrings of lines
// each with an object beside it, and TStringList that can keep its lines
// sorted. They hold no report state; the script that creates one owns it.
class TraList : public Persistent {
public:
    PW_CLASS_INFO

    QList<Persistent*> items;
};

class TraStrings : public Persistent {
public:
    PW_CLASS_INFO

    int count() const { return int(strings_.size()); }
    const QString& at(int index) const { return strings_[index]; }
    Persistent* objectAt(int index) const { return objects_[index]; }
    // Where the line went: at the end, or at its sorted place.
    virtual int add(const QString& text, Persistent* object = nullptr);
    // Raises a script error on a sorted list, whose order is its own.
    virtual void insert(int index, const QString& text, Persistent* object = nullptr);
    // Replaces one line; the same refusal on a sorted list.
    virtual void put(int index, const QString& text);
    void setObjectAt(int index, Persistent* object);
    // "Name=Value": replaces the value of the line so named, or adds one; an
    // empty value removes the line.
    void setValue(const QString& name, const QString& value);
    void remove(int index);
    void clear();
    void exchange(int a, int b);
    void move(int from, int to);
    int indexOf(const QString& text) const;
    int indexOfObject(const Persistent* object) const;
    // "Name=Value" lines: the index of the line named so, its name, its value.
    int indexOfName(const QString& name) const;
    QString nameAt(int index) const;
    QString value(const QString& name) const;
    // Lines ended by CR LF; setting it replaces every line.
    QString text() const;
    void setText(const QString& text);
    bool sameLines(const TraStrings& other) const { return strings_ == other.strings_; }
    const QStringList& lines() const { return strings_; }

    // A list that stands for a report object's lines reads them before each
    // use and writes back what the use changed; a list of its own does neither.
    virtual void pull() {}
    virtual void push() {}

    // What the file holds, as the platform's 8-bit text; false when it does not open.
    bool loadFromFile(const QString& fileName);
    bool saveToFile(const QString& fileName) const;

protected:
    QStringList strings_;
    QList<Persistent*> objects_;
};

class TraStringList final : public TraStrings {
public:
    PW_CLASS_INFO

    bool sorted() const { return sorted_; }
    void setSorted(bool sorted);
    void sort();
    // Binary search of a sorted list (a linear one of another): whether the
    // line is there, and where it is or would go.
    bool find(const QString& text, int& index) const;

    int add(const QString& text, Persistent* object = nullptr) override;
    void insert(int index, const QString& text, Persistent* object = nullptr) override;
    void put(int index, const QString& text) override;

private:
    bool sorted_ = false;
};

// The lines of a report object as a TStrings (a memo's Lines): every use
// reads the object's lines afresh and writes a change straight back, so the
// list and the object never disagree. Without `write` the lines are the
// object's to change alone (PrintLines) and a change stays in the list.
class TraBoundStrings final : public TraStrings {
public:
    using Read = std::function<QStringList(TppCommunicator& owner)>;
    using Write = std::function<void(TppCommunicator& owner, const QStringList& lines)>;

    TraBoundStrings(TppCommunicator& owner, Read read, Write write);

    void pull() override;
    void push() override;

private:
    TppCommunicator& owner() const;

    WeakReference<TppCommunicator> owner_;
    Read read_;
    Write write_;
    QStringList pulled_;
};
