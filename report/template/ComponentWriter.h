#pragma once

#include "ComponentStream.h"
#include "PropertyInfo.h"
#include "StreamObject.h"

#include <QByteArray>

// Describes components as stream objects through the class registry: no
// class writes itself. An object holds its published properties in stream
// order (stored, and not at their defaults), nested objects' properties with
// a dotted prefix ("PageDef.mmWidth"), then its defined properties, then the
// objects GetChildren() lists.
//
// References to other components are written by name, prefixed by their
// owner's name and a point when they belong to another root. Names that
// cannot be read back (a handler method "My Click") raise ETemplateSaveError.
class ComponentWriter {
public:
    explicit ComponentWriter(const OwnedComponent* root) : root_(root) {}

    StreamObject describe(const OwnedComponent& component) const;

private:
    void addProperties(std::vector<StreamProperty>& properties, const Persistent& object,
                       const QByteArray& prefix) const;
    void addPublished(std::vector<StreamProperty>& properties, const Persistent& object,
                      const PropertyInfo& property, const QByteArray& prefix) const;
    // `property` gives enumeration, set and colour names; defined properties have none.
    StreamValue valueOf(const QVariant& value, PropertyKind kind, const PropertyInfo* property,
                        const QByteArray& name) const;
    std::vector<StreamCollectionItem> collectionItems(Persistent& collection) const;
    QByteArray identifier(const QString& name, const QByteArray& property) const;
    QByteArray referenceName(const OwnedComponent& target, const QByteArray& property) const;

    const OwnedComponent* root_;
};

// "TPF0", before each top-level object.
void WriteSignature(QByteArray& out);
// One component in the binary form, without the signature.
void WriteComponent(QByteArray& out, const OwnedComponent* root, const OwnedComponent& component);
// Components as a template holds them: each after its signature, then the
// end-of-list byte; or their text form.
QByteArray WriteComponents(const QList<const OwnedComponent*>& components, const OwnedComponent* root,
                           StreamForm form = StreamForm::Binary);
