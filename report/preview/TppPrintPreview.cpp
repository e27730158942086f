#include "TppPrintPreview.h"
#include "WindowStates.h"

#include "PreviewPanels.h"
#include "Prompter.h"
#include "TppCustomPreview.h"
#include "TppPreviewFormSettings.h"
#include "TppProducer.h"
#include "TppResourceManager.h"
#include "TppViewer.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int kDesignPixelsPerInch = 96;
constexpr QSize kDesignClientSize(547, 323);

} // namespace

struct TppPrintPreview::Busy {
    explicit Busy(TppPrintPreview& form) : form(form) { ++form.busyDepth_; }
    ~Busy() {
        if (--form.busyDepth_ == 0 && form.freePending_)
            form.deleteLater();
    }
    TppPrintPreview& form;
};

TppPrintPreview::TppPrintPreview(QWidget* parent) : QDialog(parent) {
    setWindowTitle(LanguageString(kMsgPrintPreview));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel = new QWidget(this);
    layout->addWidget(panel, 1);
    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    layout->addWidget(statusBar_);
    preview_.reset(PreviewPanels::instance().Create(panel, statusBar_));
    preview_->OnClose = [this] { close(); };
    // A job the panel started (a page turn) may end after a close: the
    // window goes then, once the job's frames have returned.
    Viewer()->OnPrintStateChange = [this, panelHandler = Viewer()->OnPrintStateChange] {
        if (panelHandler)
            panelHandler();
        if (freePending_ && busyDepth_ == 0 && !Viewer()->Busy())
            deleteLater();
    };

    scriptForm_.follow(*this);

    const int screen = logicalDpiX();
    resize(kDesignClientSize * screen / kDesignPixelsPerInch);
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        const QRect available = primary->availableGeometry();
        move(available.width() / 2 - width() / 2, available.height() / 2 - height() / 2);
    }
}

TppPrintPreview::~TppPrintPreview() {
    // The panel lets go of the report before the window's widgets go.
    preview_.reset();
}

TppViewer* TppPrintPreview::Viewer() const {
    return preview_->Viewer();
}

void TppPrintPreview::SetErrorPrompter(Prompter* prompter) {
    preview_->ErrorPrompter = prompter;
}

void TppPrintPreview::takeReport() {
    ApplyIcon(*this);
    auto* report = dynamic_cast<TppProducer*>(Report);
    preview_->SetLanguageIndex(LanguageIndex);
    preview_->SetReport(report);
}

void TppPrintPreview::ApplyPreviewFormSettings(const TppPreviewFormSettings& settings) {
    takeReport();
    preview_->SetZoom(settings.ZoomSetting(), settings.ZoomPercentage());
    setWindowState(withWindowState(windowState(), settings.WindowState()));
}

void TppPrintPreview::Show() {
    takeReport();
    modal_ = false;
    show();
}

bool TppPrintPreview::ShowModal() {
    takeReport();
    modal_ = true;
    const int result = exec();
    modal_ = false;
    return result == QDialog::Accepted;
}

void TppPrintPreview::Close() {
    close();
}

bool TppPrintPreview::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        activated();
    return handled;
}

void TppPrintPreview::activated() {
    // A job already running (activation comes again while it lets messages
    // through) is not started a second time inside itself; and a job that
    // failed is not run again by the activation that follows its error
    // message, which would show the message again without end.
    if (!OnActivate || busyDepth_ > 0 || Viewer()->Busy() || activationFailed_)
        return;
    const Busy busy(*this);
    activationFailed_ = !preview_->RunGuarded(OnActivate);
}

void TppPrintPreview::keyPressEvent(QKeyEvent* event) {
    const Busy busy(*this);
    if (!preview_->HandleKey(event->key(), event->modifiers()))
        QDialog::keyPressEvent(event);
}

void TppPrintPreview::done(int result) {
    // Every way out (the close button, the window's close box, Escape)
    // ends here, so the report always hears that its preview closed.
    const bool wasOpen = isVisible();
    if (wasOpen && OnClose)
        OnClose();
    QDialog::done(result);
    if (wasOpen && !modal_)
        freeWhenIdle();
}

void TppPrintPreview::freeWhenIdle() {
    // A job below this close (the activation's, a page turn's) still has
    // its frames on the stack; the window goes when the last of them ends.
    if (busyDepth_ > 0 || (Viewer() && Viewer()->Busy()))
        freePending_ = true;
    else
        deleteLater();
}
