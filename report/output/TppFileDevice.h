#pragma once

#include "DeviceClasses.h"
#include "PagewrightErrors.h"
#include "TppDevice.h"

#include <QFileDevice>
#include <functional>
#include <memory>

// A write that stored fewer bytes than asked ("Stream write error").
class EWriteError : public EPagewrightError {
public:
    using EPagewrightError::EPagewrightError;
};

// A device that writes the pages it wants to one file, FileName, opened at
// BeginJob (replacing an existing file) and closed at FinishJob. A job that
// was aborted keeps its file open; the concrete device completes and closes
// it when it is destroyed, so a cancelled report still leaves what was
// written so far.
class TppFileDevice : public TppDevice {
public:
    PW_CLASS_INFO

    explicit TppFileDevice(OwnedComponent* owner = nullptr);
    ~TppFileDevice() override;

    const QString& FileName() const { return fileName_; }
    // Ignored while the file is open (in a job, or after one was aborted).
    void SetFileName(const QString& value);

    // Told why a file could not be completed when the device is destroyed,
    // where nothing may be thrown; warns through Qt's log when not set.
    std::function<void(const QString& message)> OnCloseError;

    void BeginJob() override;
    void AcceptPage(TppPage& page) override;
    void FinishJob() override;

    bool FileOpen() const { return file_ != nullptr; }
    // Ends a job that failed without completing its file: a file that was
    // to appear only once complete never appears (an older one stays), and
    // a file written as it went is removed.
    virtual void DiscardFile();

protected:
    // Writes one wanted, final page by the device's own rules.
    virtual void WritePage(TppPage& page) = 0;
    // Called at FinishJob before the file is closed, while it is open.
    virtual void CompleteFile() {}
    // The file opened at BeginJob; a QFile unless the device wants a file
    // that appears under its name only once complete.
    virtual std::unique_ptr<QFileDevice> CreateOutput(const QString& fileName);

    QFileDevice& Output() { return *file_; }
    // EWriteError when fewer bytes were stored.
    void Write(QByteArrayView bytes);
    // Closes the file without completing it (a failed write); a file that
    // was to appear only once complete never appears.
    void DiscardOutput();
    // Each concrete device calls this from its own destructor: the file of
    // an unfinished job is completed there, while the device is still whole.
    void FinishOnDestroy();

private:
    void updateStatus(const TppPage* page);

    QString fileName_;
    std::unique_ptr<QFileDevice> file_;
};
