#include "DesignerCommands.h"

#include "OwnedComponent.h"
#include "PagewrightErrors.h"
#include "Persistent.h"
#include "PropertyInfo.h"
#include "TppBand.h"
#include "TppComponent.h"
#include "TppCustomReport.h"

MadeInReport::MadeInReport(const DesignerController& designer) : report_(designer.report().Name()) {}

PlacementCommand::PlacementCommand(DesignerController& designer, const QString& text,
                                   QList<ComponentPlacement> before, QList<ComponentPlacement> after)
    : QUndoCommand(text), designer_(designer), before_(std::move(before)), after_(std::move(after)) {}

void PlacementCommand::undo() {
    madeIn_.enter(designer_);
    for (const ComponentPlacement& placement : before_)
        designer_.applyPlacement(placement);
    designer_.notifyChanged();
}

void PlacementCommand::redo() {
    madeIn_.enter(designer_);
    for (const ComponentPlacement& placement : after_)
        designer_.applyPlacement(placement);
    designer_.notifyChanged();
}

namespace {

QList<ComponentPlacement> placementsOf(const DesignerController& designer, const TppBand& band) {
    QList<ComponentPlacement> placements;
    for (TppComponent* component : band.Objects())
        placements << designer.placementOf(*component);
    return placements;
}

} // namespace

BandHeightCommand::BandHeightCommand(DesignerController& designer, TppBand& band, int mmHeight)
    : QUndoCommand(QStringLiteral("Band Height")), designer_(designer), band_(band.Name()),
      bandType_(band.BandTypeCode()), before_(band.mmHeight()), after_(mmHeight),
      placementsBefore_(placementsOf(designer, band)) {}

void BandHeightCommand::undo() {
    madeIn_.enter(designer_);
    if (TppBand* band = designer_.findBand(band_, bandType_)) {
        band->SetmmHeight(before_);
        for (const ComponentPlacement& placement : placementsBefore_)
            designer_.applyPlacement(placement);
    }
    designer_.notifyChanged();
}

void BandHeightCommand::redo() {
    madeIn_.enter(designer_);
    if (TppBand* band = designer_.findBand(band_, bandType_)) {
        band->SetmmHeight(after_);
        if (!done_) {
            placementsAfter_ = placementsOf(designer_, *band);
            done_ = true;
        } else {
            for (const ComponentPlacement& placement : placementsAfter_)
                designer_.applyPlacement(placement);
        }
    }
    designer_.notifyChanged();
}

ComponentsCommand::ComponentsCommand(DesignerController& designer, const QString& text,
                                     StoredComponents stored, Direction direction, bool alreadyDone)
    : QUndoCommand(text), designer_(designer), stored_(std::move(stored)), direction_(direction),
      skipRedo_(alreadyDone) {}

void ComponentsCommand::undo() {
    madeIn_.enter(designer_);
    if (direction_ == Insert)
        designer_.free(stored_);
    else
        designer_.restore(stored_);
    designer_.notifyChanged();
}

void ComponentsCommand::redo() {
    madeIn_.enter(designer_);
    if (skipRedo_) {
        skipRedo_ = false;
        return;
    }
    if (direction_ == Insert)
        designer_.restore(stored_);
    else
        designer_.free(stored_);
    designer_.notifyChanged();
}

PropertyCommand::PropertyCommand(DesignerController& designer, OwnedComponent& object, QString path,
                                 QVariant before, QVariant after, bool alreadyDone)
    : QUndoCommand(QStringLiteral("Change %1").arg(path)), designer_(designer), object_(object.Name()),
      path_(std::move(path)), before_(std::move(before)), after_(std::move(after)), skipRedo_(alreadyDone) {}

std::pair<Persistent*, const PropertyInfo*> PropertyCommand::resolve(Persistent& object,
                                                                     const QString& path) {
    Persistent* holder = &object;
    const QStringList parts = path.split(QLatin1Char('.'));
    for (int index = 0; index < parts.size(); ++index) {
        const PropertyInfo* property = holder->classInfo().property(parts.at(index));
        if (!property)
            return {nullptr, nullptr};
        if (index == parts.size() - 1)
            return {holder, property};
        if (property->kind != PropertyKind::Object || !property->object)
            return {nullptr, nullptr};
        holder = property->object(*holder);
        if (!holder)
            return {nullptr, nullptr};
    }
    return {nullptr, nullptr};
}

namespace {

// References travel by name: the component of that name among the object's
// fellows on the form, none for an empty name.
OwnedComponent* referenceTarget(OwnedComponent& object, const PropertyInfo& property, const QString& name) {
    if (name.isEmpty())
        return nullptr;
    const OwnedComponent* scope = object.Owner() ? object.Owner() : &object;
    OwnedComponent* target = scope->FindComponent(name);
    if (!target)
        throw EDesignError(QStringLiteral("%1 cannot refer to %2.").arg(property.name, name));
    return target;
}

} // namespace

void PropertyCommand::apply(OwnedComponent& object, const QString& path, const QVariant& value) {
    auto [holder, property] = resolve(object, path);
    if (holder && property && property->kind == PropertyKind::Reference && property->setReference) {
        OwnedComponent* target = referenceTarget(object, *property, value.toString());
        OwnedComponent* before = property->getReference(*holder);
        property->setReference(*holder, target);
        // The setter takes only its own class and clears the reference for
        // anything else: the old one goes back before the refusal.
        if (property->getReference(*holder) != target) {
            property->setReference(*holder, before);
            throw EDesignError(
                QStringLiteral("%1 cannot refer to %2.").arg(property->name, value.toString()));
        }
        return;
    }
    if (!holder || !property || !property->set)
        throw EDesignError(QStringLiteral("%1 has no property %2 that can be set.").arg(object.Name(), path));
    property->set(*holder, value);
    // A nested value object does not know its owner; the owner hears of it here.
    if (holder != &object)
        if (auto* communicator = dynamic_cast<TppCommunicator*>(&object))
            communicator->Change();
}

QVariant PropertyCommand::read(OwnedComponent& object, const QString& path) {
    auto [holder, property] = resolve(object, path);
    if (holder && property && property->kind == PropertyKind::Reference && property->getReference) {
        const OwnedComponent* target = property->getReference(*holder);
        return target ? target->Name() : QString();
    }
    if (!holder || !property || !property->get)
        return {};
    return property->get(*holder);
}

void PropertyCommand::set(const QVariant& value) {
    if (OwnedComponent* object = designer_.findByName(object_))
        apply(*object, path_, value);
    designer_.notifyChanged();
}

void PropertyCommand::undo() {
    madeIn_.enter(designer_);
    set(before_);
}

void PropertyCommand::redo() {
    madeIn_.enter(designer_);
    if (skipRedo_) {
        skipRedo_ = false;
        designer_.notifyChanged();
        return;
    }
    set(after_);
}

ZOrderCommand::ZOrderCommand(DesignerController& designer, const QString& text,
                             const QList<TppComponent*>& components, bool toFront)
    : QUndoCommand(text), designer_(designer), toFront_(toFront) {
    QList<const TppComponentHolder*> holders;
    for (TppComponent* component : components) {
        names_ << component->Name();
        TppComponentHolder* holder = component->Holder();
        if (!holder || holders.contains(holder))
            continue;
        holders << holder;
        QStringList order;
        for (TppComponent* object : holder->Objects())
            order << object->Name();
        orders_ << order;
    }
}

void ZOrderCommand::redo() {
    madeIn_.enter(designer_);
    for (const QString& name : names_)
        if (auto* component = dynamic_cast<TppComponent*>(designer_.findByName(name))) {
            if (toFront_)
                component->BringToFront();
            else
                component->SendToBack();
        }
    designer_.notifyChanged();
}

void ZOrderCommand::undo() {
    madeIn_.enter(designer_);
    // Each holder's whole order as it was: placing its objects at 0, 1, …
    // in turn rebuilds it whatever the moves did.
    for (const QStringList& order : orders_)
        for (int index = 0; index < order.size(); ++index)
            if (auto* component = dynamic_cast<TppComponent*>(designer_.findByName(order.at(index))))
                if (TppComponentHolder* holder = component->Holder())
                    holder->MoveObject(component, index);
    designer_.notifyChanged();
}
