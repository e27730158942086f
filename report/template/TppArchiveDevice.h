#pragma once

#include "TppFileDevice.h"

#include <QTemporaryFile>
#include <memory>

// Stores the pages themselves, every draw command with its properties, so
// a report can be shown or printed again without its data.
//
// An archive ("raf") is, in little-endian 32-bit integers: D, where the
// page data begins (4 + 8 per page); per page the offset of its data from
// D and its absolute page number; then each page as one binary component
// stream ("TPF0", the TppPage and its draw commands as children), one after
// the other. Pages collect in a temporary file while the job runs; the
// archive is put together at FinishJob and appears under FileName only
// when complete, so a failed job never leaves a half archive there.
class TppArchiveDevice : public TppFileDevice {
public:
    PW_CLASS_INFO

    explicit TppArchiveDevice(OwnedComponent* owner = nullptr);
    ~TppArchiveDevice() override;

    QString DeviceName() const override { return QStringLiteral("ArchiveFile"); }
    static const FileDeviceTraits& Traits();

    // Only the last page keeps its outline entry: the outline of the whole
    // report is rebuilt from it. Inner entries are left out of the archive,
    // never taken off the page the publisher handed out.
    bool RemoveInnerOutlines = true;
    // The file collecting the page data during a job.
    QString TempFileName() const;

    void BeginJob() override;

protected:
    void WritePage(TppPage& page) override;
    void CompleteFile() override;
    std::unique_ptr<QFileDevice> CreateOutput(const QString& fileName) override;

private:
    void discardTemporary();

    std::unique_ptr<QTemporaryFile> pages_;
};

// Registers the archive device after the text devices, and the page
// classes it streams.
void registerArchiveDevice();
