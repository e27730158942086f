#pragma once

#include "OwnedComponent.h"
#include "TppEvent.h"
#include "TppEventKind.h"
#include "TppNotifyOperation.h"

#include <bitset>
#include <memory>

// The base of every report object. Objects that hold a reference to another
// link themselves to it; when either side is destroyed the other is told
// (operation ppopRemove) and drops the reference, so no reference dangles.
// Besides these symmetric links, an object may subscribe to another's events
// (BeforePrint, OnTraversal ...): it then hears the kinds in its event mask.
//
// Broadcasts walk a snapshot of the list and call each entry only if it is
// still listed, and stop if the broadcaster itself is freed: handlers may
// subscribe, unsubscribe and free objects (the broadcaster too) meanwhile.
class TppCommunicator : public OwnedComponent {
public:
    PW_CLASS_INFO

    explicit TppCommunicator(OwnedComponent* owner = nullptr);
    ~TppCommunicator() override;

    // Symmetric notification links.
    void LinkTo(TppCommunicator* other);
    void UnlinkFrom(TppCommunicator* other);
    bool IsLinkedTo(const TppCommunicator* other) const { return links_.contains(other); }
    const QList<TppCommunicator*>& links() const { return links_; }
    // Tells every linked object, the most recently linked first.
    void BroadcastNotification(TppCommunicator* sender, int operation);
    // Receives a notification; subclasses clear their references to a
    // removed sender and call the base.
    virtual void Notify(TppCommunicator* sender, int operation);

    // False once the object is destroyed: callbacks kept beyond its life
    // (a draw command's click handler) hold this instead of trusting the pointer.
    std::shared_ptr<const bool> AliveFlag() const { return alive_; }

    // Event subscriptions.
    void SubscribeEvents(TppCommunicator* subscriber);
    void UnsubscribeEvents(TppCommunicator* subscriber);
    const QList<TppCommunicator*>& subscribers() const { return subscribers_; }
    void BroadcastEvent(TppCommunicator* sender, int kind, TppEventParams* params = nullptr);
    // Whether any linked object listens to the kind: components skip raising
    // events nobody hears.
    bool HasEventSubscriber(int kind) const;
    virtual void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params);
    void AddEventKind(int kind);
    void RemoveEventKind(int kind);
    bool ListensTo(int kind) const {
        return kind >= 0 && kind < kEventKindCount && eventMask_.test(size_t(kind));
    }
    // Subscribers with a key are kept sorted by it; the key orders who hears
    // an event first (script handlers use it).
    virtual QString SubscriberSortKey() const { return QString(); }

    // Optional callbacks for code that is not a subclass.
    std::function<void(TppCommunicator* sender, int operation)> OnNotify;
    std::function<void(TppCommunicator* sender, int kind, TppEventParams* params)> OnEventNotify;

    // User names: what users and scripts call the object; unique within the
    // report tree, compared without regard to case.
    const QString& UserName() const { return userName_; }
    virtual void SetUserName(const QString& value);
    bool IsValidUserName(const QString& text) const;
    virtual TppCommunicator* FindUserName(const QString& text) const;
    // A free user name for `object`; the parent in the report tree decides,
    // else the owner's components.
    virtual QString ValidUserNameFor(const TppCommunicator* object) const;
    QString DefaultUserName() const;
    // The object above this one in the report tree; none for a plain communicator.
    virtual TppCommunicator* ParentCommunicator() const { return nullptr; }

    // Design states; dsPasting makes a rename renew the user name even while reading.
    enum DesignState : unsigned { dsPasting = 1 };
    bool hasDesignState(DesignState state) const { return (designState_ & state) != 0; }
    void AddDesignState(DesignState state);
    void RemoveDesignState(DesignState state);

    // Every model change ends here; relatives pass it up to the report.
    virtual void Change() {}

    void SetName(const QString& name) override;
    void ChangeOwner(OwnedComponent* newOwner) override;
    void Loaded() override;

protected:
    virtual void DesignStateChanged() {}

private:
    void storeUserName(const QString& value);

    QList<TppCommunicator*> links_;
    QList<TppCommunicator*> subscribers_;
    std::bitset<kEventKindCount> eventMask_;
    QString userName_;
    unsigned designState_ = 0;
    // Cleared when destruction starts; broadcasts hold a copy to notice it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
