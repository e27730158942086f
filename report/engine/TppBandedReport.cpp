#include "TppBandedReport.h"

#include "ClassBuilder.h"
#include "Clock.h"
#include "FormRegistry.h"
#include "MainThread.h"
#include "TppCustomNoDataDialog.h"

#include <QCoreApplication>
#include <QThread>

const ClassInfo& TppBandedReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppBandedReport>("TppBandedReport", &TppCustomReport::staticClassInfo(), [](auto&) {});
    return info;
}

TppBandedReport::TppBandedReport(OwnedComponent* owner) : TppCustomReport(owner) {}

TppBandedReport::~TppBandedReport() { markDestroying(); }

TppCustomEngine* TppBandedReport::CreateEngine() { return new TppEngine(*this); }

void TppBandedReport::SetClock(const Clock* clock) { clock_ = clock; }

const Clock& TppBandedReport::GenerationClock() const {
    static const SystemClock system;
    return clock_ ? *clock_ : system;
}

QDateTime TppBandedReport::Now() const { return GenerationClock().now(); }

void TppBandedReport::ProcessMessages() {
    const qint64 now = GenerationClock().elapsedMs();
    if (lastPump_ >= 0 && now - lastPump_ < MessageInterval)
        return;
    lastPump_ = now;
    if (MessagePump)
        MessagePump();
    else
        pumpMessages();
}

void TppBandedReport::pumpMessages() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application && QThread::currentThread() == application->thread())
        QCoreApplication::processEvents();
}

bool TppBandedReport::GenerationStopped() const {
    auto* self = const_cast<TppBandedReport*>(this);
    return self->Engine() && self->Engine()->StopPrinting;
}

bool TppBandedReport::PageHasContent() const {
    auto* self = const_cast<TppBandedReport*>(this);
    return self->BandedEngine() && self->BandedEngine()->PageHasContent;
}

TppCustomNoDataDialog* TppBandedReport::CreateNoDataDialog() {
    TppCustomNoDataDialog* dialog = FormRegistry::instance().CreateForm<TppCustomNoDataDialog>();
    if (dialog) {
        dialog->Report = this;
        dialog->LanguageIndex = LanguageIndex;
    }
    return dialog;
}

void TppBandedReport::ResetPageCache() { pageStates_.clear(); }

void TppBandedReport::SavePageState(int page) { pageStates_[page] = BandedEngine()->SaveRecord(); }

void TppBandedReport::RestorePageState(int page) {
    const auto found = pageStates_.find(page);
    if (found != pageStates_.end())
        BandedEngine()->LoadRecord(found->second);
}

int TppBandedReport::CachedPageCount() const { return pageStates_.empty() ? 0 : pageStates_.rbegin()->first; }

void TppBandedReport::SaveKeepTogetherState() {}

void TppBandedReport::RestoreKeepTogetherState() {}
