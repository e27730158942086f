#include "TppDevice.h"

#include "ClassBuilder.h"
#include "TppDrawCommand.h"
#include "TppPage.h"
#include "TppPublisher.h"

const ClassInfo& TppDevice::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDevice>("TppDevice", &TppCommunicator::staticClassInfo(), [](auto&) {});
    return info;
}

TppDevice::TppDevice(OwnedComponent* owner) : TppCommunicator(owner) {}

TppDevice::~TppDevice() {
    markDestroying();
    SetPublisher(nullptr);
}

void TppDevice::SetEnabled(bool enabled) {
    if (!inJob_)
        enabled_ = enabled;
}

void TppDevice::SetPublisher(TppPublisher* publisher) {
    if (publisher_) {
        TppPublisher* old = std::exchange(publisher_, nullptr);
        old->RemoveDevice(this);
    }
    publisher_ = publisher;
    if (publisher_)
        publisher_->AddDevice(this);
    if (OnPublisherChanged && !isDestroying())
        OnPublisherChanged(this);
}

void TppDevice::SetExclusive(bool exclusive) {
    if (!publisher_ && !inJob_)
        exclusive_ = exclusive;
}

void TppDevice::SetExclusiveGroup(const QString& name) {
    if (!publisher_ && !inJob_)
        exclusiveGroup_ = name;
}

void TppDevice::SetStatusText(const QString& text) {
    statusText_ = text;
}

void TppDevice::BeginJob() {
    if (inJob_)
        return;
    inJob_ = true;
    jobCancelled_ = false;
    if (OnJobStarted)
        OnJobStarted(this);
}

void TppDevice::FinishJob() {
    if (!inJob_)
        return;
    inJob_ = false;
    awaitingPages_ = true;
    if (OnJobEnded)
        OnJobEnded(this);
}

void TppDevice::AbortJob() {
    inJob_ = false;
    jobCancelled_ = true;
    if (OnJobCancelled)
        OnJobCancelled(this);
}

void TppDevice::ResetDevice() {
    request_.Clear();
    jobCancelled_ = false;
    awaitingPages_ = true;
}

void TppDevice::AcceptPage(TppPage& page) {
    statusOnlyPage_ = false;
    wantedPage_ = request_.WantsPage(page);
    if (page.Calculation || (!page.Final && DraftPagesAreStatus()))
        statusOnlyPage_ = true;
    if (OnPageReceived)
        OnPageReceived(this, &page);
    if (awaitingPages_ && page.Final && !page.Calculation)
        awaitingPages_ = !request_.IsRequestComplete(page);
}

bool TppDevice::DrawCommand(TppDrawCommand&) {
    return false;
}

bool TppDevice::RedrawCommand(TppDrawCommand&) {
    return false;
}

void TppDevice::RequestPages() {
    if (!publisher_)
        return;
    awaitingPages_ = true;
    TppPublisher* publisher = publisher_;
    const auto finish = [&] {
        if (!awaitingPages_)
            publisher->FinishJob();
    };
    try {
        publisher->BeginJob();
        publisher->RequestPages();
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TppDevice::DrawPage(TppPage& page) {
    const TppPageDef& paper = page.PageDef();
    for (int i = 0; i < page.DrawCommandCount(); ++i) {
        TppDrawCommand* command = page.DrawCommand(i);
        if (command->Left() <= paper.mmWidth && command->Top() <= paper.mmHeight)
            command->Draw(*this);
    }
}

void TppDevice::Notify(TppCommunicator* sender, int operation) {
    TppCommunicator::Notify(sender, operation);
    if (operation == ppopRemove && publisher_ && sender == publisher_) {
        publisher_ = nullptr;
        if (OnPublisherChanged)
            OnPublisherChanged(this);
    }
}
