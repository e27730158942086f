#pragma once

#include "Persistent.h"

#include <QList>
#include <QString>

// An object with an owner that frees it and a name unique within that owner:
// the component model every report object lives in. The owner holds its
// components in creation order and frees them last first.
class OwnedComponent : public Persistent {
public:
    PW_CLASS_INFO

    explicit OwnedComponent(OwnedComponent* owner = nullptr);
    ~OwnedComponent() override;
    OwnedComponent(const OwnedComponent&) = delete;
    OwnedComponent& operator=(const OwnedComponent&) = delete;

    // Lifecycle states that change what setters do.
    enum State : unsigned {
        Loading = 1,    // a template is being read into this object
        Reading = 2,    // this object's own properties are being read
        Destroying = 4, // destruction has begun
        Designing = 8   // the object is on a design surface
    };
    bool hasState(State state) const { return (state_ & state) != 0; }
    void setState(State state, bool on);
    bool isLoading() const { return hasState(Loading) || hasState(Reading); }
    bool isDestroying() const { return hasState(Destroying); }
    bool isDesigning() const { return hasState(Designing); }

    OwnedComponent* Owner() const { return owner_; }
    int ComponentCount() const { return int(components_.size()); }
    OwnedComponent* Components(int index) const { return components_.value(index); }
    const QList<OwnedComponent*>& components() const { return components_; }
    // By name without regard to case; none if unknown.
    OwnedComponent* FindComponent(const QString& name) const;

    const QString& Name() const { return name_; }
    // Refuses (EComponentError) a name that is not an identifier or that
    // another component of the owner already has.
    virtual void SetName(const QString& name);

    // Moves this component to another owner (none allowed).
    virtual void ChangeOwner(OwnedComponent* newOwner);

    // Called once a template has been read completely: references are
    // resolved and every object of the stream exists.
    virtual void Loaded();

    // The component stream writes these objects inside this one, in order.
    virtual QList<OwnedComponent*> GetChildren() const { return {}; }
    // Puts an object read inside `parent` in its place. False when this kind
    // of object cannot live there, which makes the stream invalid.
    virtual bool SetParentComponent(OwnedComponent* parent);

protected:
    // The destructors of every level call this first, so that code running
    // while the object is torn down sees it as going away.
    void markDestroying() { state_ |= Destroying; }

private:
    void insertComponent(OwnedComponent* component);
    void removeComponent(OwnedComponent* component);

    OwnedComponent* owner_ = nullptr;
    QList<OwnedComponent*> components_;
    QString name_;
    unsigned state_ = 0;
};

bool isValidIdentifier(const QString& text);
