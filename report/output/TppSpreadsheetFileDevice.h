#pragma once

#include "TppFileDevice.h"

#include <QTemporaryFile>
#include <map>
#include <memory>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;
class TppDrawText;

// Exports the records a text file would hold to a workbook (.xlsx): one
// row per record (a generated band instance whose texts are saved), one
// column per saved text in SaveOrder. Numbers, dates and times that came
// from a field stay numbers, shown with their display format; everything
// else is written as the text the page shows. Rows are written as they
// come and not kept, and the workbook appears under its name only once it
// is complete.
class TppSpreadsheetFileDevice : public TppFileDevice {
public:
    PW_CLASS_INFO

    explicit TppSpreadsheetFileDevice(OwnedComponent* owner = nullptr);
    ~TppSpreadsheetFileDevice() override;

    QString DeviceName() const override { return QStringLiteral("SpreadsheetFile"); }
    static const FileDeviceTraits& Traits();

    void BeginJob() override;
    void DiscardFile() override;

protected:
    void WritePage(TppPage& page) override;
    void CompleteFile() override;
    std::unique_ptr<QFileDevice> CreateOutput(const QString& fileName) override;

private:
    void writeCell(int column, const TppDrawText& item);
    lxw_format* formatFor(const QString& numberFormat);
    void check(int error);
    void closeWorkbook();

    std::unique_ptr<QTemporaryFile> pending_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    std::map<QString, lxw_format*> formats_;
    int row_ = 0;
    int error_ = 0;
};
