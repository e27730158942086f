#include "TppPreview.h"

#include "TppOutlineDrawCommand.h"
#include "TppOutlineViewer.h"
#include "TppPage.h"
#include "TppProducer.h"
#include "TppResourceManager.h"
#include "TppViewer.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Toolbar geometry at the design resolution of 96 pixels per inch.
constexpr int kDesignPixelsPerInch = 96;
constexpr int kToolbarHeight = 26;
constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kButtonTop = 2;
constexpr int kSearchLeft = 41;
constexpr int kInnerPanelLeftWithSearch = 80;
constexpr int kInnerPanelWidth = 477;
constexpr int kEditWidth = 37;
constexpr int kEditGap = 8;
constexpr int kOutlineWidth = 175;

int digitsOf(const QString& text, bool* ok) {
    QString digits;
    for (const QChar c : text)
        if (c.isDigit())
            digits += c;
    return digits.toInt(ok);
}

} // namespace

TppPreview::TppPreview(QWidget* parent, QStatusBar* statusBar) : TppCustomPreview(parent, statusBar) {
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    toolbar_ = new QWidget(parent);
    toolbar_->setFixedHeight(scaled(kToolbarHeight));
    // The toolbar's sizes were made for 8-point type.
    QFont font = toolbar_->font();
    font.setPointSize(8);
    toolbar_->setFont(font);
    layout->addWidget(toolbar_);
    printButton_ = addButton(toolbar_, 2, PreviewGlyph::Printer, paPrint);
    searchButton_ = addButton(toolbar_, kSearchLeft, PreviewGlyph::Search, paAutoSearch);

    innerPanel_ = new QWidget(toolbar_);
    innerPanel_->setGeometry(scaled(kInnerPanelLeftWithSearch), 0, scaled(kInnerPanelWidth),
                             scaled(kToolbarHeight));
    wholePageButton_ = addButton(innerPanel_, 0, PreviewGlyph::WholePage, paWholePage);
    pageWidthButton_ = addButton(innerPanel_, kButtonWidth, PreviewGlyph::PageWidth, paPageWidth);
    zoom100Button_ = addButton(innerPanel_, 2 * kButtonWidth, PreviewGlyph::Zoom100, pa100Percent);
    for (QToolButton* button : {wholePageButton_, pageWidthButton_, zoom100Button_})
        button->setCheckable(true);
    const int zoomBoxLeft = 2 * kButtonWidth + 2 * kButtonWidth;
    zoomBox_ = addEditBox(innerPanel_, zoomBoxLeft, QStringLiteral("000 %; "));
    const int firstLeft = zoomBoxLeft + kEditWidth + kButtonWidth;
    firstButton_ = addButton(innerPanel_, firstLeft, PreviewGlyph::FirstPage, paFirstPage);
    priorButton_ = addButton(innerPanel_, firstLeft + kButtonWidth, PreviewGlyph::PriorPage, paPriorPage);
    const int pageBoxLeft = firstLeft + 2 * kButtonWidth + kEditGap;
    pageBox_ = addEditBox(innerPanel_, pageBoxLeft, QStringLiteral("00000; "));
    const int nextLeft = pageBoxLeft + kEditWidth + kEditGap;
    nextButton_ = addButton(innerPanel_, nextLeft, PreviewGlyph::NextPage, paNextPage);
    const int lastLeft = nextLeft + kButtonWidth;
    lastButton_ = addButton(innerPanel_, lastLeft, PreviewGlyph::LastPage, paLastPage);
    cancelButton_ = new QPushButton(innerPanel_);
    cancelButton_->setFlat(true);
    cancelButton_->setFocusPolicy(Qt::NoFocus);
    cancelButton_->move(scaled(lastLeft + 3 * kButtonWidth), scaled(kButtonTop - 1));
    QObject::connect(cancelButton_, &QPushButton::clicked, this,
                     [this] { PerformPreviewAction(Viewer()->Busy() ? paCancel : paClose); });
    QObject::connect(zoomBox_, &QLineEdit::returnPressed, this, [this] { zoomBoxEntered(); });
    QObject::connect(pageBox_, &QLineEdit::returnPressed, this, [this] { pageBoxEntered(); });

    splitter_ = new QSplitter(Qt::Horizontal, parent);
    splitter_->setChildrenCollapsible(false);
    outlineTree_ = new TppOutlineViewer(splitter_);
    outlineTree_->SetViewer(Viewer());
    outlineTree_->setBackgroundRole(QPalette::Button);
    outlineTree_->resize(scaled(kOutlineWidth), outlineTree_->height());
    outlineTree_->hide();
    splitter_->addWidget(outlineTree_);
    splitter_->addWidget(Viewer());
    splitter_->setStretchFactor(1, 1);
    layout->addWidget(splitter_, 1);

    LanguageChanged();
    updateAutoSearchButton();
    updateCancelButton();
    syncZoomControls();
}

TppPreview::~TppPreview() {
    SetReport(nullptr);
}

int TppPreview::scaled(int designPixels) const {
    const int screen = Parent() ? Parent()->logicalDpiX() : kDesignPixelsPerInch;
    return int(std::lround(double(designPixels) * screen / kDesignPixelsPerInch));
}

QToolButton* TppPreview::addButton(QWidget* panel, int left, PreviewGlyph glyph, int command) {
    auto* button = new QToolButton(panel);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(previewGlyph(glyph));
    button->setGeometry(scaled(left), scaled(kButtonTop), scaled(kButtonWidth), scaled(kButtonHeight));
    QObject::connect(button, &QToolButton::clicked, this, [this, command] { PerformPreviewAction(command); });
    return button;
}

QLineEdit* TppPreview::addEditBox(QWidget* panel, int left, const QString& mask) {
    auto* box = new QLineEdit(panel);
    box->setInputMask(mask);
    box->setMaxLength(5);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setTextMargins(0, 0, 0, 0);
    box->setGeometry(scaled(left), scaled(kButtonTop), scaled(kEditWidth), scaled(kButtonHeight));
    box->installEventFilter(this);
    return box;
}

bool TppPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The edit boxes keep their own left and right arrows.
        const bool editing = watched == zoomBox_ || watched == pageBox_;
        if (editing && !(key->modifiers() & Qt::ControlModifier) &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right))
            return false;
        if (HandleKey(key->key(), key->modifiers()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void TppPreview::SetReport(TppProducer* report) {
    TppCustomPreview::SetReport(report);
    syncZoomControls();
    updateAutoSearchButton();
    if (StatusBar())
        StatusBar()->showMessage(Viewer()->Status());
    outlineTree_->ClearOutline();
    outlineTree_->SetOutlineVisible(false);
}

void TppPreview::updateAutoSearchButton() {
    const bool search = Report() && Report()->ShowAutoSearchDialog();
    searchButton_->setVisible(search);
    innerPanel_->move(scaled(search ? kInnerPanelLeftWithSearch : kSearchLeft), 0);
}

void TppPreview::syncZoomControls() {
    const TppZoomSettingType zoom = Viewer()->ZoomSetting();
    wholePageButton_->setChecked(zoom == zsWholePage);
    pageWidthButton_->setChecked(zoom == zsPageWidth);
    zoom100Button_->setChecked(zoom == zs100Percent);
    zoomBox_->setText(QStringLiteral("%1 %").arg(Viewer()->ZoomPercent(), 3));
}

void TppPreview::ZoomChanged() {
    syncZoomControls();
}

void TppPreview::zoomBoxEntered() {
    bool ok = false;
    const int percent = digitsOf(zoomBox_->text(), &ok);
    RunGuarded([&] { SetZoom(zsPercentage, ok ? percent : 100); });
}

void TppPreview::pageBoxEntered() {
    bool ok = false;
    const int page = digitsOf(pageBox_->text(), &ok);
    if (ok)
        RunGuarded([&] { Viewer()->ShowPage(page); });
}

void TppPreview::PageChanged() {
    const TppPage& page = Viewer()->CurrentPage();
    pageBox_->setText(QString::number(page.AbsolutePageNo));
    syncZoomControls();
    const bool first = page.AbsolutePageNo <= 1;
    const bool last = page.LastPage;
    firstButton_->setEnabled(!first);
    priorButton_->setEnabled(!first);
    nextButton_->setEnabled(!last);
    lastButton_->setEnabled(!last);
    if (page.AbsolutePageNo == 1 && !Viewer()->Resizing())
        outlineTree_->SetOutlineVisible(page.FindOutlineDrawCommand() != nullptr);
    if (outlineTree_->OutlineVisible()) {
        outlineTree_->ShowPageOutline(page);
        outlineTree_->ScrollToPage(page.AbsolutePageNo);
    }
    TppCustomPreview::PageChanged();
}

void TppPreview::PrintStateChanged() {
    const bool busy = Viewer()->Busy();
    for (QWidget* widget : {static_cast<QWidget*>(Viewer()), toolbar_, static_cast<QWidget*>(StatusBar())}) {
        if (!widget)
            continue;
        if (busy)
            widget->setCursor(Qt::WaitCursor);
        else
            widget->unsetCursor();
    }
    zoomBox_->setEnabled(!busy);
    pageBox_->setEnabled(!busy);
    updateCancelButton();
    QCursor::setPos(QCursor::pos());
}

void TppPreview::updateCancelButton() {
    const bool busy = Viewer()->Busy();
    const QString caption = busy || Embedded ? LanguageString(kMsgCancel) : QStringLiteral("Close");
    cancelButton_->setText(caption);
    cancelButton_->resize(cancelButton_->fontMetrics().horizontalAdvance(caption) + scaled(30),
                          scaled(kButtonHeight));
    if (Embedded) {
        cancelButton_->setEnabled(busy);
        cancelButton_->setCursor(busy ? Qt::WaitCursor : Qt::ArrowCursor);
    } else {
        cancelButton_->setCursor(Qt::ArrowCursor);
    }
}

void TppPreview::LanguageChanged() {
    cancelButton_->setToolTip(LanguageString(kMsgCancel));
    printButton_->setToolTip(LanguageString(kMsgPrint));
    wholePageButton_->setToolTip(LanguageString(kMsgWholePage));
    pageWidthButton_->setToolTip(LanguageString(kMsgPageWidth));
    zoom100Button_->setToolTip(LanguageString(kMsgZoom100));
    firstButton_->setToolTip(LanguageString(kMsgFirstPage));
    priorButton_->setToolTip(LanguageString(kMsgPriorPage));
    nextButton_->setToolTip(LanguageString(kMsgNextPage));
    lastButton_->setToolTip(LanguageString(kMsgLastPage));
    searchButton_->setToolTip(LanguageString(kMsgSearchData));
    updateCancelButton();
}
