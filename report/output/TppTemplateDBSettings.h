#pragma once

#include "Persistent.h"
#include "TppCommunicator.h"

#include <QString>

class TppDataPipeline;

// Where a template is kept in a database: the pipeline over the table of
// templates, the template's name (the key), the field holding the names and
// the field holding the template's bytes.
class TppTemplateDBSettings : public Persistent {
public:
    PW_CLASS_INFO

    TppTemplateDBSettings();
    TppTemplateDBSettings(const TppTemplateDBSettings&) = delete;
    TppTemplateDBSettings& operator=(const TppTemplateDBSettings&) = delete;

    // Forgotten when the pipeline is freed.
    TppDataPipeline* DataPipeline() const { return pipeline_; }
    void SetDataPipeline(TppDataPipeline* pipeline);
    const QString& Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    const QString& NameField() const { return nameField_; }
    void SetNameField(const QString& field) { nameField_ = field; }
    const QString& TemplateField() const { return templateField_; }
    void SetTemplateField(const QString& field) { templateField_ = field; }

    void Assign(const TppTemplateDBSettings& other);

private:
    TppDataPipeline* pipeline_ = nullptr;
    QString name_;
    QString nameField_;
    QString templateField_;
    // Linked to the pipeline, to hear when it goes.
    TppCommunicator pipelineLink_;
};
