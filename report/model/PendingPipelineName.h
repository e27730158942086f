#pragma once

#include <QString>

class OwnedComponent;
class TppDataPipeline;

// A data pipeline named in a template. The pipeline may be read after the
// component that refers to it, so the name waits until loading has ended
// and is then looked up among the owner's components.
class PendingPipelineName {
public:
    void set(const QString& name) { name_ = name; }
    // The pipeline of that name in `scope`, asked once: the name is
    // forgotten whether or not a pipeline answers to it.
    TppDataPipeline* take(const OwnedComponent* scope);

private:
    QString name_;
};
