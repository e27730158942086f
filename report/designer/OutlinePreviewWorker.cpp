#include "OutlinePreviewWorker.h"

#include "MainThread.h"
#include "TppDevice.h"
#include "TppReport.h"

#include <QEventLoop>
#include <QMetaObject>

// A device that wants one page, or the last, and hands every wanted page
// to the worker.
class OutlinePreviewWorker::Device : public TppDevice {
public:
    std::function<void(TppPage&)> received;
    void AcceptPage(TppPage& page) override {
        TppDevice::AcceptPage(page);
        if (ShouldOutput() && received)
            received(page);
    }
};

OutlinePreviewWorker::OutlinePreviewWorker(TppReport& report,
                                           std::function<void(const OutlinePreviewChoices*)> apply)
    : report_(report), apply_(std::move(apply)) {}

OutlinePreviewWorker::~OutlinePreviewWorker() {
    Stop();
}

void OutlinePreviewWorker::Restart(const OutlinePreviewChoices& choices) {
    {
        QMutexLocker lock(&mutex_);
        pending_ = std::make_unique<OutlinePreviewChoices>(choices);
    }
    // The generation that runs is for old choices: its pump stops it.
    if (!isRunning() && !stop_)
        start();
}

void OutlinePreviewWorker::Stop() {
    stop_ = true;
    if (!isRunning())
        return;
    // The worker may be waiting for this thread to take a page: waiting for
    // it without running the event loop would wait for ever.
    QEventLoop loop;
    connect(this, &QThread::finished, &loop, &QEventLoop::quit);
    if (isRunning())
        loop.exec();
    wait();
}

void OutlinePreviewWorker::onUserInterface(const std::function<void()>& step) {
    if (!step || stop_)
        return;
    // This object lives on the user-interface thread.
    QMetaObject::invokeMethod(this, step, Qt::BlockingQueuedConnection);
}

void OutlinePreviewWorker::run() {
    // Report code run here passes the main-thread check.
    BackgroundWorkScope sanctioned;
    while (!stop_) {
        std::unique_ptr<OutlinePreviewChoices> choices;
        {
            QMutexLocker lock(&mutex_);
            choices = std::move(pending_);
        }
        if (!choices) {
            msleep(10);
            continue;
        }
        generate(*choices);
    }
}

void OutlinePreviewWorker::generate(const OutlinePreviewChoices& choices) {
    onUserInterface(clearOutline);
    Device device;
    TppPageRequest request;
    request.PageSetting = choices.pageLimit > 0 ? psSinglePage : psLastPage;
    request.PageRequested = choices.pageLimit;
    device.SetPageRequest(request);
    device.received = [this](TppPage& page) {
        onUserInterface([this, &page] {
            if (showPage)
                showPage(page);
        });
    };
    const TppPassSettingType passes = report_.PassSetting();
    // Generation asks its pump between bands: there it learns that it is no longer wanted.
    std::function<void()> pump = std::exchange(report_.MessagePump, [this] {
        bool restart = false;
        {
            QMutexLocker lock(&mutex_);
            restart = pending_ != nullptr;
        }
        if (stop_ || restart)
            report_.Cancel();
    });
    bool failure = false;
    try {
        apply_(&choices);
        report_.SetPassSetting(psOnePass);
        device.SetPublisher(&report_.Publisher());
        report_.RunPrintJob();
    } catch (const std::exception&) {
        failure = true;
    }
    device.SetPublisher(nullptr);
    report_.MessagePump = std::move(pump);
    report_.SetPassSetting(passes);
    apply_(nullptr);
    if (failure) {
        stop_ = true;
        QMetaObject::invokeMethod(this, [this] {
            if (failed)
                failed();
        });
    }
}
