#pragma once

#include "PageDrawTarget.h"
#include "TppCommunicator.h"
#include "TppPageRequest.h"

#include <functional>

class TppDrawCommand;
class TppForm;
class TppPage;
class TppPrinter;
class TppPublisher;

// An output of pages (screen, printer, files). A device is attached to a
// report's publisher, says in its page request which pages it wants, and
// receives every page the publisher hands out between BeginJob and
// FinishJob (or AbortJob); it decides by its request whether a page is
// one it wants and whether its request is complete.
class TppDevice : public TppCommunicator, public PageDrawTarget {
public:
    PW_CLASS_INFO

    explicit TppDevice(OwnedComponent* owner = nullptr);
    ~TppDevice() override;

    // The name reports choose the device by (DeviceType); the class name
    // unless the class says otherwise.
    virtual QString DeviceName() const { return className(); }
    // Screen and printer devices draw rich text and barcodes.
    bool IsRasterDevice() const override { return false; }
    // The printer a printer device prints on; none for other devices.
    virtual TppPrinter* Printer() { return nullptr; }

    bool Enabled() const { return enabled_; }
    // Only outside a job.
    void SetEnabled(bool enabled);
    bool InJob() const { return inJob_; }
    bool JobCancelled() const { return jobCancelled_; }
    bool AwaitingPages() const { return awaitingPages_; }
    void SetAwaitingPages(bool value) { awaitingPages_ = value; }
    bool WantedPage() const { return wantedPage_; }
    bool StatusOnlyPage() const { return statusOnlyPage_; }
    TppPageRequest& DeviceRequest() { return request_; }
    void SetPageRequest(const TppPageRequest& request) { request_.Assign(request); }
    void SetPageSetting(TppPageSettingType setting) { request_.PageSetting = setting; }

    TppPublisher* Publisher() const { return publisher_; }
    void SetPublisher(TppPublisher* publisher);
    bool Exclusive() const { return exclusive_; }
    const QString& ExclusiveGroup() const { return exclusiveGroup_; }
    // Both ignored while attached or in a job.
    virtual void SetExclusive(bool exclusive);
    virtual void SetExclusiveGroup(const QString& name);

    const QString& StatusText() const { return statusText_; }
    virtual void SetStatusText(const QString& text);
    int LanguageIndex = 0;
    TppForm* CancelDialog = nullptr;

    std::function<void(TppDevice*)> OnRequestPages;
    std::function<void(TppDevice*, TppPage*)> OnPageReceived;
    std::function<void(TppDevice*)> OnJobStarted;
    std::function<void(TppDevice*)> OnJobEnded;
    std::function<void(TppDevice*)> OnJobCancelled;
    std::function<void(TppDevice*)> OnPublisherChanged;

    virtual void BeginJob();
    virtual void AcceptPage(TppPage& page);
    virtual void FinishJob();
    virtual void AbortJob();
    virtual void ResetDevice();
    // Whether a page that is not final only updates the status.
    virtual bool DraftPagesAreStatus() const { return true; }
    // Renders one command; false when this device does not draw its kind.
    bool DrawCommand(TppDrawCommand& command) override;
    bool RedrawCommand(TppDrawCommand& command) override;

    // The device asks for its pages itself (a preview turning pages).
    void RequestPages();
    // Draws the page's commands in order, skipping those off the paper.
    void DrawPage(TppPage& page);

    void Notify(TppCommunicator* sender, int operation) override;

protected:
    // Whether the page just received is to be output.
    bool ShouldOutput() const { return wantedPage_ && !statusOnlyPage_; }

private:
    bool enabled_ = true;
    bool inJob_ = false;
    bool jobCancelled_ = false;
    bool awaitingPages_ = true;
    bool wantedPage_ = false;
    bool statusOnlyPage_ = false;
    TppPageRequest request_;
    TppPublisher* publisher_ = nullptr;
    bool exclusive_ = false;
    QString exclusiveGroup_;
    QString statusText_;
};
