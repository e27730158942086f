#include "TppOutlineSettingsDialog.h"

#include "DesignerSettings.h"
#include "LanguageStringNumbers.h"
#include "OutlineParticipants.h"
#include "TppGroup.h"
#include "TppOutlineSettings.h"
#include "TppOutlineViewer.h"
#include "TppReport.h"
#include "TppResourceManager.h"
#include "TppSubReport.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("OutlineSettingsDialog");
constexpr int kDefaultPreviewWidth = 200;
constexpr int kDefaultPageLimit = 5;

// A check box as wide as its caption and the box beside it.
QCheckBox* captionWideBox(const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(caption) + 20);
    return box;
}

int storedInt(const DesignerSettingsStore& store, const char* key, int fallback) {
    bool ok = false;
    const int value = store.read(kSection, QLatin1String(key)).value_or(QString()).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

TppOutlineSettingsDialog::TppOutlineSettingsDialog(TppReport& report, QWidget* parent)
    : QDialog(parent), report_(report) {
    setWindowTitle(LanguageString(kMsgOutlineSettings));
    showError = [this](const QString& message) { QMessageBox::critical(this, windowTitle(), message); };
    buildControls();
    originalEnabled_ = report.OutlineSettings().Enabled();
    originalPageNodes_ = report.OutlineSettings().CreatePageNodes();
    enabled_->setChecked(originalEnabled_);
    pageNodes_->setChecked(originalPageNodes_);
    fillTree(report, nullptr);
    tree_->expandAll();
    for (TppCommunicator* participant : participants_)
        originalCreateNodes_ << outlineSettingsOf(*participant)->CreateNode();
    updateEnabling();
    connect(enabled_, &QCheckBox::toggled, this, [this] {
        updateEnabling();
        changed();
    });
    connect(pageNodes_, &QCheckBox::toggled, this, [this] { changed(); });
    connect(tree_, &QTreeWidget::itemChanged, this, [this] { changed(); });
    connect(entireReport_, &QRadioButton::toggled, this, [this] { changed(); });
    connect(pageLimit_, &QSpinBox::valueChanged, this, [this] { changed(); });
    connect(preview_, &QPushButton::toggled, this, [this](bool down) { previewToggled(down); });
}

TppOutlineSettingsDialog::~TppOutlineSettingsDialog() {
    stopPreview();
}

void TppOutlineSettingsDialog::buildControls() {
    auto* layout = new QHBoxLayout(this);
    splitter_ = new QSplitter(Qt::Horizontal, this);
    layout->addWidget(splitter_);

    auto* left = new QWidget(splitter_);
    auto* leftLayout = new QVBoxLayout(left);
    enabled_ = captionWideBox(LanguageString(kMsgOutlineEnabled), left);
    pageNodes_ = captionWideBox(LanguageString(kMsgCreatePageNodes), left);
    leftLayout->addWidget(enabled_);
    leftLayout->addWidget(pageNodes_);
    leftLayout->addWidget(new QLabel(LanguageString(kMsgCreateNodesFor), left));
    tree_ = new QTreeWidget(left);
    tree_->setHeaderHidden(true);
    tree_->setItemsExpandable(false);
    tree_->setRootIsDecorated(false);
    leftLayout->addWidget(tree_, 1);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(LanguageString(kMsgOK), left);
    auto* cancel = new QPushButton(LanguageString(kMsgCancel), left);
    preview_ = new QPushButton(QStringLiteral("Preview"), left);
    preview_->setCheckable(true);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(preview_);
    leftLayout->addLayout(buttons);
    splitter_->addWidget(left);

    previewPanel_ = new QWidget(splitter_);
    auto* rightLayout = new QVBoxLayout(previewPanel_);
    rightLayout->addWidget(new QLabel(LanguageString(kMsgOutlinePreview), previewPanel_));
    viewer_ = new TppOutlineViewer(previewPanel_);
    QPalette white = viewer_->palette();
    white.setColor(QPalette::Base, Qt::white);
    viewer_->setPalette(white);
    rightLayout->addWidget(viewer_, 1);
    entireReport_ = new QRadioButton(LanguageString(kMsgEntireReport), previewPanel_);
    pageLimitButton_ = new QRadioButton(LanguageString(kMsgPageLimit), previewPanel_);
    pageLimit_ = new QSpinBox(previewPanel_);
    pageLimit_->setRange(1, 99999);
    pageLimit_->setValue(kDefaultPageLimit);
    pageLimitButton_->setChecked(true);
    auto* limitRow = new QHBoxLayout;
    limitRow->addWidget(pageLimitButton_);
    limitRow->addWidget(pageLimit_);
    rightLayout->addWidget(entireReport_);
    rightLayout->addLayout(limitRow);
    splitter_->addWidget(previewPanel_);
    splitter_->setSizes({300, kDefaultPreviewWidth});
    previewPanel_->hide();
}

void TppOutlineSettingsDialog::fillTree(TppCommunicator& participant, QTreeWidgetItem* parent) {
    QTreeWidgetItem* item = parent;
    const bool listed = makesReportEntry(participant) || dynamic_cast<TppGroup*>(&participant);
    if (listed) {
        const QString name = participant.Name();
        item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, name.isEmpty() ? LanguageString(kMsgMainReport) : name);
        item->setCheckState(0, outlineSettingsOf(participant)->CreateNode() ? Qt::Checked : Qt::Unchecked);
        participants_ << &participant;
        items_ << item;
    }
    for (TppCommunicator* child : outlineChildren(participant))
        fillTree(*child, item);
}

void TppOutlineSettingsDialog::updateEnabling() {
    const bool on = enabled_->isChecked();
    pageNodes_->setEnabled(on);
    tree_->setEnabled(on);
}

OutlinePreviewChoices TppOutlineSettingsDialog::choices() const {
    OutlinePreviewChoices result;
    result.enabled = enabled_->isChecked();
    result.createPageNodes = pageNodes_->isChecked();
    for (const QTreeWidgetItem* item : items_)
        result.createNodes << (item->checkState(0) == Qt::Checked);
    result.pageLimit = entireReport_->isChecked() ? 0 : pageLimit_->value();
    return result;
}

void TppOutlineSettingsDialog::readSettings(const DesignerSettingsStore& store) {
    const QRect place(storedInt(store, "FormLeft", x()), storedInt(store, "FormTop", y()),
                      storedInt(store, "FormWidth", width()), storedInt(store, "FormHeight", height()));
    setGeometry(place);
    splitter_->setSizes(
        {splitter_->sizes().value(0), storedInt(store, "PreviewWidth", kDefaultPreviewWidth)});
    pageLimit_->setValue(storedInt(store, "PageLimit", kDefaultPageLimit));
    const bool entire =
        store.read(kSection, QStringLiteral("EntireReport")).value_or(QString()) == QLatin1String("1");
    (entire ? entireReport_ : pageLimitButton_)->setChecked(true);
}

void TppOutlineSettingsDialog::writeSettings(DesignerSettingsStore& store) const {
    const auto put = [&store](const char* key, int value) {
        store.write(kSection, QLatin1String(key), QString::number(value));
    };
    put("FormLeft", x());
    put("FormTop", y());
    put("FormWidth", width());
    put("FormHeight", height());
    put("PreviewWidth", previewShown_ ? previewPanel_->width() : splitter_->sizes().value(1));
    put("PageLimit", pageLimit_->value());
    put("EntireReport", entireReport_->isChecked() ? 1 : 0);
    put("ShowPreview", preview_->isChecked() ? 1 : 0);
}

void TppOutlineSettingsDialog::changed() {
    if (preview_->isChecked())
        restartPreview();
}

void TppOutlineSettingsDialog::previewToggled(bool down) {
    previewShown_ = down;
    previewPanel_->setVisible(down);
    if (down)
        restartPreview();
}

void TppOutlineSettingsDialog::restartPreview() {
    if (!worker_) {
        worker_ = std::make_unique<OutlinePreviewWorker>(
            report_, [this](const OutlinePreviewChoices* choices) { applyToReport(choices); });
        worker_->clearOutline = [this] { viewer_->ClearOutline(); };
        worker_->showPage = [this](const TppPage& page) {
            viewer_->ShowPageOutline(page);
            viewer_->ScrollToPage(1);
        };
        worker_->failed = [this] { previewFailed(); };
    }
    worker_->Restart(choices());
}

void TppOutlineSettingsDialog::previewFailed() {
    showError(LanguageString(kMsgOutlinePreviewFailed));
    preview_->setChecked(false);
    preview_->setEnabled(false);
}

// Runs on the worker: the choices for one generation, or the settings as they were.
void TppOutlineSettingsDialog::applyToReport(const OutlinePreviewChoices* choices) {
    TppOutlineReportSettings& settings = report_.OutlineSettings();
    settings.SetEnabled(choices ? choices->enabled : originalEnabled_);
    settings.SetCreatePageNodes(choices ? choices->createPageNodes : originalPageNodes_);
    for (int i = 0; i < participants_.size(); ++i)
        outlineSettingsOf(*participants_[i])
            ->SetCreateNode(choices ? choices->createNodes.value(i) : originalCreateNodes_.value(i));
}

void TppOutlineSettingsDialog::stopPreview() {
    if (worker_)
        worker_->Stop();
    worker_.reset();
}

void TppOutlineSettingsDialog::done(int result) {
    // The generation stops first; then the worker is awaited with the event
    // loop running, since it may be handing this thread a page.
    stopPreview();
    QDialog::done(result);
}
