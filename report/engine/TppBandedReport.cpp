#include "TppBandedReport.h"

#include "ClassBuilder.h"
#include "Clock.h"
#include "FormRegistry.h"
#include "MainThread.h"
#include "TppCustomNoDataDialog.h"
#include "TppDataPipeline.h"
#include "TppEventKind.h"

#include <QCoreApplication>
#include <QThread>

const ClassInfo& TppBandedReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppBandedReport>("TppBandedReport", &TppCustomReport::staticClassInfo(), [](auto&) {});
    return info;
}

TppBandedReport::TppBandedReport(OwnedComponent* owner) : TppCustomReport(owner) {
    // Storage that runs out ends the run; the cache raises the error.
    pageCache_.StopEngine = keepTogetherCache_.StopEngine = [this] {
        if (TppEngine* engine = BandedEngine())
            engine->StopPrinting = true;
    };
}

TppBandedReport::~TppBandedReport() {
    markDestroying();
}

TppCustomEngine* TppBandedReport::CreateEngine() {
    return new TppEngine(*this);
}

void TppBandedReport::SetClock(const Clock* clock) {
    clock_ = clock;
}

const Clock& TppBandedReport::GenerationClock() const {
    static const SystemClock system;
    return clock_ ? *clock_ : system;
}

QDateTime TppBandedReport::Now() const {
    return GenerationClock().now();
}

void TppBandedReport::ProcessMessages() {
    if (!EnableProcessMessages)
        return;
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

bool TppBandedReport::FitsNextPage(int offset, int height) const {
    auto* self = const_cast<TppBandedReport*>(this);
    return self->BandedEngine() && self->BandedEngine()->FitsNextPage(offset, height);
}

bool TppBandedReport::GeneratingNewPage() const {
    auto* self = const_cast<TppBandedReport*>(this);
    const TppEngine* engine = self->BandedEngine();
    return engine && engine->Generating() && engine->AbsolutePageNo > CachedPageCount();
}

void TppBandedReport::Reset() {
    if (Printing())
        return;
    TppCustomReport::Reset();
    Engine()->Reset();
}

void TppBandedReport::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppCustomReport::EventNotify(sender, kind, params);
    if (kind != ciPipelineClosing || sender != DataPipeline() || Printing())
        return;
    Reset();
    if (auto* main = dynamic_cast<TppBandedReport*>(MainReport()); main && main != this)
        main->Reset();
}

TppCustomNoDataDialog* TppBandedReport::CreateNoDataDialog() {
    TppCustomNoDataDialog* dialog = FormRegistry::instance().CreateForm<TppCustomNoDataDialog>();
    if (dialog) {
        dialog->Report = this;
        dialog->LanguageIndex = LanguageIndex;
    }
    return dialog;
}

void TppBandedReport::ResetPageCache() {
    keepTogetherCache_.Clear();
    pageCache_.Rebuild(*this, BandedEngine());
}

void TppBandedReport::SavePageState(int page) {
    pageCache_.SavePage(page);
}

void TppBandedReport::RestorePageState(int page) {
    pageCache_.RestorePage(page);
}

int TppBandedReport::CachedPageCount() const {
    return std::max(pageCache_.CachePageCount(), 0);
}

// One page of its own is enough: the attempt is undone or kept.
void TppBandedReport::SaveKeepTogetherState() {
    keepTogetherCache_.Rebuild(*this, BandedEngine());
    keepTogetherCache_.SavePage(0);
}

void TppBandedReport::RestoreKeepTogetherState() {
    keepTogetherCache_.RestorePage(0);
}
