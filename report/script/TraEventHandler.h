#pragma once

#include "TppCommunicator.h"
#include "TraProgram.h"
#include "TraRTTI.h"
#include "WeakReference.h"

class TraCodeModule;

// A program that answers one event of one report object: "Label1OnGetText".
// It finds its object by user name through its module, and listens to that
// object's events through a communicator of its own whose mask holds the
// event's kind alone. When the object is destroyed the handler is unbound
// and its module drops it; when the object is renamed the handler follows.
class TraEventHandler final : public TraProgram {
public:
    TraEventHandler();
    ~TraEventHandler() override;

    const QByteArray& componentName() const { return componentName_; }
    const QByteArray& eventName() const { return eventName_; }
    int eventID() const { return eventID_; }
    TppCommunicator* object() const { return object_.get(); }
    // The event's parameters as the object bridge gives them.
    const TraParamList& eventParams() const { return params_; }

    // While loading, the setters store the value and do nothing else.
    void setLoading(bool loading) { loading_ = loading; }
    void setStoredEventID(int id) { eventID_ = id; }
    // Stores the name and binds: finds the object, subscribes to it, takes the
    // event's kind and rewrites the first line of the source.
    void setComponentName(const QByteArray& name);
    // Raises EPagewrightError when the bound object's class has no such event.
    void setEventName(const QByteArray& name);
    // Binds again by the stored name (after a template load moved the objects).
    void bind() { setComponentName(componentName_); }
    void unbind();
    // Listens to `object` instead of the object it is bound to.
    void retarget(TppCommunicator* object);

    // "procedure Label1OnGetText(var Text: String);" from the event's parameters.
    QByteArray declarationLine() const;
    // The declaration, an empty body, and a line for each var parameter.
    QByteArray createDefaultSource() const;

    // Runs the handler for one event: the event's arguments go into the
    // parameters by position, and the var parameters come back out.
    void run(TppEventParams* params);

private:
    friend class TraCodeModule;

    void replaceDeclarationLine();
    void objectNotified(TppCommunicator* sender, int operation);

    QByteArray componentName_;
    QByteArray eventName_;
    int eventID_ = 0;
    TraParamList params_;
    WeakReference<TppCommunicator> object_;
    TppCommunicator listener_;
    bool loading_ = false;
};
