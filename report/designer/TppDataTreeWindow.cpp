#include "TppDataTreeWindow.h"

#include "OwnedComponent.h"
#include "TppAutoLayout.h"
#include "TppDataPipeline.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kFieldNameRole = Qt::UserRole;
constexpr int kPipelineNameRole = Qt::UserRole + 1;

// Drags the selected fields under our MIME type; a selected pipeline
// brings all its fields.
class FieldTree final : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    // In the tree's order, whatever order they were selected in: the
    // columns of a drop follow the fields as the pipeline lists them.
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override {
        QList<DraggedField> fields;
        for (int top = 0; top < topLevelItemCount(); ++top) {
            const QTreeWidgetItem* pipeline = topLevelItem(top);
            const bool whole = items.contains(pipeline);
            for (int child = 0; child < pipeline->childCount(); ++child) {
                const QTreeWidgetItem* field = pipeline->child(child);
                if (whole || items.contains(field))
                    fields << DraggedField{field->data(0, kPipelineNameRole).toString(),
                                           field->data(0, kFieldNameRole).toString()};
            }
        }
        return fieldMimeData(fields);
    }
    QStringList mimeTypes() const override { return {QString::fromLatin1(kFieldMimeType)}; }
};

QString fontText(const TppFont& font) {
    QString text = QStringLiteral("%1, %2").arg(font.name).arg(font.size);
    if (font.style & TppFont::fsBold)
        text += QStringLiteral(", bold");
    if (font.style & TppFont::fsItalic)
        text += QStringLiteral(", italic");
    return text;
}

} // namespace

TppDataTreeWindow::TppDataTreeWindow(OwnedComponent& scope, QWidget* parent)
    : QDockWidget(QStringLiteral("Data Tree"), parent), scope_(scope) {
    setObjectName(QStringLiteral("DataTree"));
    auto* pages = new QTabWidget(this);
    pages->addTab(buildDataPage(), QStringLiteral("Data"));
    pages->addTab(buildLayoutPage(), QStringLiteral("Layout"));
    setWidget(pages);
    refresh();
    optionsChanged();
}

QWidget* TppDataTreeWindow::buildDataPage() {
    tree_ = new FieldTree(this);
    tree_->setObjectName(QStringLiteral("FieldTree"));
    tree_->setHeaderHidden(true);
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree_->setDragEnabled(true);
    tree_->setDragDropMode(QAbstractItemView::DragOnly);
    return tree_;
}

QWidget* TppDataTreeWindow::buildLayoutPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    create_ = new QComboBox(page);
    create_->addItems({QStringLiteral("All"), QStringLiteral("Labels"), QStringLiteral("Fields")});
    style_ = new QComboBox(page);
    style_->addItems({QStringLiteral("Tabular"), QStringLiteral("Vertical")});
    labelFont_ = new QPushButton(page);
    fieldFont_ = new QPushButton(page);
    labelGrid_ = new QCheckBox(QStringLiteral("Grid"), page);
    fieldGrid_ = new QCheckBox(QStringLiteral("Grid"), page);
    sample_ = new QLabel(page);
    sample_->setMinimumSize(160, 90);
    form->addRow(QStringLiteral("Create"), create_);
    form->addRow(QStringLiteral("Style"), style_);
    form->addRow(QStringLiteral("Label font"), labelFont_);
    form->addRow(QString(), labelGrid_);
    form->addRow(QStringLiteral("Field font"), fieldFont_);
    form->addRow(QString(), fieldGrid_);
    form->addRow(sample_);
    connect(create_, &QComboBox::currentIndexChanged, this, [this](int index) {
        manager_.create = TppAutoLayoutManager::Create(index);
        optionsChanged();
    });
    connect(style_, &QComboBox::currentIndexChanged, this, [this](int index) {
        manager_.style = TppAutoLayoutManager::Style(index);
        optionsChanged();
    });
    connect(labelGrid_, &QCheckBox::toggled, this, [this](bool on) {
        manager_.labelGrid = on;
        optionsChanged();
    });
    connect(fieldGrid_, &QCheckBox::toggled, this, [this](bool on) {
        manager_.fieldGrid = on;
        optionsChanged();
    });
    connect(labelFont_, &QPushButton::clicked, this, [this] { chooseFont(manager_.labelFont); });
    connect(fieldFont_, &QPushButton::clicked, this, [this] { chooseFont(manager_.fieldFont); });
    return page;
}

void TppDataTreeWindow::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void TppDataTreeWindow::refresh() {
    tree_->clear();
    QList<TppDataPipeline*> pipelines;
    for (OwnedComponent* component : scope_.components())
        if (auto* pipeline = dynamic_cast<TppDataPipeline*>(component); pipeline && pipeline->Visible())
            pipelines << pipeline;
    std::sort(pipelines.begin(), pipelines.end(), [](const TppDataPipeline* a, const TppDataPipeline* b) {
        return a->UserName() < b->UserName();
    });
    for (TppDataPipeline* pipeline : pipelines) {
        auto* top = new QTreeWidgetItem(
            tree_, {pipeline->UserName().isEmpty() ? pipeline->Name() : pipeline->UserName()});
        top->setData(0, kPipelineNameRole, pipeline->Name());
        QStringList names;
        pipeline->GetFieldNames(names);
        for (const QString& name : names) {
            auto* field = new QTreeWidgetItem(top, {pipeline->GetFieldAlias(name)});
            field->setData(0, kPipelineNameRole, pipeline->Name());
            field->setData(0, kFieldNameRole, name);
            field->setToolTip(0, name);
        }
        top->setExpanded(true);
    }
}

void TppDataTreeWindow::setCreate(TppAutoLayoutManager::Create create) {
    create_->setCurrentIndex(int(create));
}

void TppDataTreeWindow::setStyle(TppAutoLayoutManager::Style style) {
    style_->setCurrentIndex(int(style));
}

void TppDataTreeWindow::chooseFont(TppFont& font) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font.toQFont(96), this);
    if (!ok)
        return;
    font.name = chosen.family();
    font.size = chosen.pointSize() > 0 ? chosen.pointSize() : font.size;
    font.style = (chosen.bold() ? TppFont::fsBold : 0u) | (chosen.italic() ? TppFont::fsItalic : 0u) |
                 (chosen.underline() ? TppFont::fsUnderline : 0u) |
                 (chosen.strikeOut() ? TppFont::fsStrikeOut : 0u);
    optionsChanged();
}

void TppDataTreeWindow::optionsChanged() {
    const bool labels = manager_.createsLabels();
    const bool fields = manager_.createsFields();
    labelFont_->setEnabled(labels);
    labelGrid_->setEnabled(labels);
    fieldFont_->setEnabled(fields);
    fieldGrid_->setEnabled(fields);
    labelFont_->setText(fontText(manager_.labelFont));
    fieldFont_->setText(fontText(manager_.fieldFont));
    drawSample();
}

void TppDataTreeWindow::drawSample() {
    // Two made-up fields arranged as a drop would arrange them.
    std::unique_ptr<TppAutoLayout> layout;
    if (manager_.style == TppAutoLayoutManager::Style::Vertical)
        layout = std::make_unique<TppAutoLayoutVertical>();
    else
        layout = std::make_unique<TppAutoLayoutTabular>();
    layout->StartPoint = QPoint(8, 8);
    layout->Band = {160, 90, false};
    layout->FieldFontHeight = 12;
    for (int width : {40, 56}) {
        AutoLayoutItem item;
        if (manager_.createsLabels()) {
            item.label = PixelBox{0, 0, width, 14};
            if (manager_.labelGrid)
                item.labelBorder = PixelBox{};
        }
        if (manager_.createsFields()) {
            item.field = PixelBox{0, 0, width + 8, 14};
            if (manager_.fieldGrid)
                item.fieldBorder = PixelBox{};
        }
        layout->Items << item;
    }
    layout->Layout();
    QPixmap picture(160, 90);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (const AutoLayoutItem& item : layout->Items) {
        painter.setPen(Qt::gray);
        for (const auto& border : {item.labelBorder, item.fieldBorder})
            if (border)
                painter.drawRect(border->rect().adjusted(0, 0, -1, -1));
        if (item.label)
            painter.fillRect(item.label->rect().adjusted(1, 3, -1, -3), Qt::black);
        if (item.field)
            painter.fillRect(item.field->rect().adjusted(1, 4, -1, -4), Qt::darkGray);
    }
    painter.end();
    sample_->setPixmap(picture);
}
