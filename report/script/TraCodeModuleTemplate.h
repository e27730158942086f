#pragma once

#include "TppTemplate.h"

class TraCodeModule;

// A report's code module alone, in a "ctm" file or a database record: its
// programs without the report they belong to, so that code can move between
// reports. A load replaces every program of the module and binds the
// handlers to the report's objects. A handler for an object this report
// lacks is put to the read-error hook (the error dialog at the screen): it
// is left out, or the whole import refused, and the module keeps what it
// had.
class TraCodeModuleTemplate final : public TppTemplate {
public:
    PW_CLASS_INFO

    explicit TraCodeModuleTemplate(TraCodeModule& module);

    QString FileExtension() const override { return QStringLiteral("ctm"); }
    QString FileFilter() const override;
    // Leaves the module without programs.
    void New() override;

protected:
    // Refused while the module's report prints.
    void BeginLoad() override;
    // A module template holds one object, a code module.
    void CheckStreamObjects(const std::vector<StreamObject>& objects) override;
    void ComponentsRead(const ReadResult& result) override;
    void EndLoad(bool succeeded) override;
    void Warn(const QString& text) const override;

private:
    // Takes a stored form of programs: compiled and bound, the report modified.
    void replacePrograms(const QByteArray& stream);

    TraCodeModule& module_;
    // What a load takes: the programs read, less the handlers left out.
    QByteArray imported_;
};
