#pragma once

#include "ClassBuilder.h"
#include "TppDevice.h"
#include "TppPage.h"

// Records the job protocol and the pages it outputs, as "begin", "page 3",
// "finish", "abort"; also into `journal`, which outlives devices a report
// frees when its job ends.
class RecordingDevice : public TppDevice {
public:
    PW_CLASS_INFO
    using TppDevice::TppDevice;

    void BeginJob() override {
        record("begin");
        TppDevice::BeginJob();
    }
    void AcceptPage(TppPage& page) override {
        TppDevice::AcceptPage(page);
        if (ShouldOutput())
            record(QStringLiteral("page %1").arg(page.AbsolutePageNo));
    }
    void FinishJob() override {
        record("finish");
        TppDevice::FinishJob();
    }
    void AbortJob() override {
        record("abort");
        TppDevice::AbortJob();
    }
    void record(const QString& entry) {
        log << entry;
        journal << entry;
    }
    QStringList log;
    static inline QStringList journal;
};

inline const ClassInfo& RecordingDevice::staticClassInfo() {
    static const ClassInfo info =
        describeClass<RecordingDevice>("RecordingDevice", &TppDevice::staticClassInfo(), [](auto&) {});
    return info;
}
