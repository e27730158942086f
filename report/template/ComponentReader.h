#pragma once

#include "StreamObject.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

class OwnedComponent;
class Persistent;
class PropertyInfo;

struct ReadOptions {
    // Called with the message of each error in an object or a property.
    // True skips what failed (the property, or the object with everything
    // inside it) and reading goes on; false, or no handler, ends the read.
    std::function<bool(const QString& message)> onError;
    // Called for each top-level object once the whole stream is loaded.
    std::function<void(OwnedComponent* component)> onComponent;
};

struct ReadResult {
    QList<OwnedComponent*> components; // the top-level objects, in stream order
    // Objects whose stored name the owner already used, with that name;
    // references by the old name found them.
    QList<std::pair<QString, OwnedComponent*>> renamed;
    // References to components that exist neither in the stream nor around
    // the root ("Report1.DataPipeline: ppDBPipeline9"); they stay unset.
    QStringList unresolvedReferences;
};

// Turns stream objects into components through the class registry: each
// object is created by its registered class name, named (a name the owner
// already uses is replaced by a free one), placed in its parent
// (SetParentComponent), given its properties by name, and filled with its
// children. References are resolved once every object exists, against the
// objects read, the owner, the root and the root's owner; then the objects
// join the owner and Loaded() is called on each.
//
// Everything is built apart from the owner, so a read that fails frees what
// it made and leaves the owner and the caller's objects as they were.
class ComponentReader {
public:
    ComponentReader(OwnedComponent& owner, OwnedComponent* root, ReadOptions options = {});
    ~ComponentReader();

    ReadResult read(const std::vector<StreamObject>& objects);

private:
    // Finds the object holding a property again when references are
    // resolved: collection items may have moved in memory meanwhile.
    using Locator = std::function<Persistent*()>;
    struct PendingReference {
        OwnedComponent* component;
        Locator holder;
        const PropertyInfo* property;
        QString name;
        QString where;
    };

    OwnedComponent* readObject(const StreamObject& object, OwnedComponent* parent);
    OwnedComponent* create(const StreamObject& object);
    void name(OwnedComponent& component, const QString& stored);
    void assign(OwnedComponent& component, const Locator& holder, const StreamProperty& property,
                const QString& where);
    void assignPublished(OwnedComponent& component, const Locator& holder, const PropertyInfo& property,
                         const StreamValue& value, const QString& where);
    void assignCollection(OwnedComponent& component, const Locator& holder, const PropertyInfo& property,
                          const StreamValue& value, const QString& where);
    void resolveReferences(ReadResult& result);
    OwnedComponent* findReference(const QString& name) const;
    bool isTaken(const QString& name) const;
    // Reports an error: returns when the handler skips it, else throws.
    // `place` says where in the stream the object or property was read.
    void report(const QString& message, const QString& place = QString());
    void discard(OwnedComponent* component);
    void discardAll();

    OwnedComponent& owner_;
    OwnedComponent* root_;
    ReadOptions options_;
    std::unique_ptr<OwnedComponent> staging_;
    QList<OwnedComponent*> created_;
    QHash<QString, OwnedComponent*> renames_; // by lower-case stored name
    QList<std::pair<QString, OwnedComponent*>> renamed_;
    QList<PendingReference> pending_;
};

// Reads every object of a component stream in either form (binary or text)
// into `owner`, resolving references against `root` (the owner when null).
ReadResult ReadComponents(QByteArrayView data, OwnedComponent& owner, OwnedComponent* root = nullptr,
                          const ReadOptions& options = {});
