#pragma once

#include "Persistent.h"
#include "TppTemplateDBSettings.h"

#include <QString>
#include <memory>

class OwnedComponent;
class TppCustomReport;

enum TppFormatType { ftBinary, ftASCII };
enum TppSaveToType { stDatabase, stFile };

// Where and how a component's layout is stored outside the program: a file
// or a database record, in the binary or the text form, after Offset bytes
// of anything. This is the settings half; the template layer derives the
// classes that load and save (TppTemplate, TppReportTemplate).
class TppCustomTemplate : public Persistent {
public:
    PW_CLASS_INFO

    explicit TppCustomTemplate(OwnedComponent* owner = nullptr) : owner_(owner) {}
    TppCustomTemplate(const TppCustomTemplate&) = delete;
    TppCustomTemplate& operator=(const TppCustomTemplate&) = delete;

    // The component whose layout is stored; for a report template the report.
    OwnedComponent* Owner() const { return owner_; }

    TppTemplateDBSettings& DatabaseSettings() { return databaseSettings_; }
    const TppTemplateDBSettings& DatabaseSettings() const { return databaseSettings_; }
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }
    int Offset() const { return offset_; }
    void SetOffset(int offset) { offset_ = offset; }
    TppFormatType Format() const { return format_; }
    void SetFormat(TppFormatType format) { format_ = format; }
    TppSaveToType SaveTo() const { return saveTo_; }
    void SetSaveTo(TppSaveToType saveTo) { saveTo_ = saveTo; }
    bool ShowBusyCursor() const { return showBusyCursor_; }
    void SetShowBusyCursor(bool show) { showBusyCursor_ = show; }

    // The file name when saving to a file, else the template's name in the
    // database; setting it sets the one that applies.
    QString Description() const;
    void SetDescription(const QString& description);

    // Copies the settings; the owner stays.
    void Assign(const TppCustomTemplate& other);

private:
    OwnedComponent* owner_;
    TppTemplateDBSettings databaseSettings_;
    QString fileName_;
    int offset_ = 0;
    TppFormatType format_ = ftBinary;
    TppSaveToType saveTo_ = stFile;
    bool showBusyCursor_ = true;
};

// Every report owns a template. The template layer installs the class that
// loads and saves (it sits above this layer); until it has, a report's
// template only holds its settings.
using ReportTemplateFactory = std::unique_ptr<TppCustomTemplate> (*)(TppCustomReport& report);
void SetReportTemplateFactory(ReportTemplateFactory factory);
std::unique_ptr<TppCustomTemplate> CreateReportTemplate(TppCustomReport& report);
