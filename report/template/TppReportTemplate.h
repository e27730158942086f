#pragma once

#include "TppTemplate.h"

#include <memory>

class TppCustomReport;

// A report's template. A load first hands the report's layout to a backup
// report without owner, so that the form no longer holds the old bands and
// components under their names while the template is read; the report then
// takes over the layout read, or, when reading failed, its own back from
// the backup. References to the report object stay valid either way.
class TppReportTemplate : public TppTemplate {
public:
    PW_CLASS_INFO

    explicit TppReportTemplate(TppCustomReport& report);
    ~TppReportTemplate() override;

    TppCustomReport& Report() const { return report_; }
    QString FileExtension() const override { return QStringLiteral("rtm"); }
    QString FileFilter() const override { return QStringLiteral("Report file (*.rtm)|*.rtm"); }
    void New() override;

protected:
    // Refuses while the report prints: its bands are in use.
    void BeginLoad() override;
    // A report template holds one object, a report.
    void CheckStreamObjects(const std::vector<StreamObject>& objects) override;
    void ComponentsRead(const ReadResult& result) override;
    void EndLoad(bool succeeded) override;
    // A saved report is no longer modified.
    void Saved() override;
    void Warn(const QString& text) const override;

private:
    // A report of the same class, without owner and layout.
    std::unique_ptr<TppCustomReport> emptyReport() const;
    void refuseWhilePrinting(const char* what) const;

    TppCustomReport& report_;
    std::unique_ptr<TppCustomReport> backup_;
    TppCustomReport* read_ = nullptr;
    bool wasModified_ = false;
};

// The report's template as the class that loads and saves; raises
// EPagewrightError when registerTemplateClasses() has not installed it.
TppReportTemplate& ReportTemplate(TppCustomReport& report);
