#include "TppDBPipeline.h"

#include "ClassBuilder.h"
#include "DataSource.h"
#include "EnumerationNames.h"
#include "PagewrightErrors.h"
#include "TppField.h"

const ClassInfo& TppDBPipeline::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDBPipeline>("TppDBPipeline", &TppCustomDataPipeline::staticClassInfo(), [](auto& c) {
            c.reference("DataSource", &TppDBPipeline::GetDataSource, &TppDBPipeline::SetDataSource);
            c.property("OpenDataSource", &TppDBPipeline::OpenDataSource, &TppDBPipeline::SetOpenDataSource)
                .withDefault(true);
            c.property("CloseDataSource", &TppDBPipeline::CloseDataSource, &TppDBPipeline::SetCloseDataSource)
                .withDefault(false);
            c.property("RefreshAfterPost", &TppDBPipeline::RefreshAfterPost,
                       &TppDBPipeline::SetRefreshAfterPost)
                .withDefault(false);
            c.property("AutoCreateFields", &TppDBPipeline::AutoCreateFields,
                       &TppDBPipeline::SetAutoCreateFields)
                .withDefault(true);
            // Stored as "MasterDataPipelineName", resolved after loading.
            c.reference("MasterDataPipeline", &TppDBPipeline::MasterDataPipeline,
                        &TppDBPipeline::SetMasterDataPipeline)
                .notStored();
            c.property("MoveBy", &TppDBPipeline::MoveBy, &TppDBPipeline::SetMoveBy).withDefault(1);
            c.property("RangeBegin", &TppDBPipeline::RangeBegin, &TppDBPipeline::SetRangeBegin)
                .names(enumerationNames("TppRangeBeginType"))
                .withDefault(rbFirstRecord);
            c.property("RangeEnd", &TppDBPipeline::RangeEnd, &TppDBPipeline::SetRangeEnd)
                .names(enumerationNames("TppRangeEndType"))
                .withDefault(reLastRecord);
            c.property("RangeEndCount", &TppDBPipeline::RangeEndCount, &TppDBPipeline::SetRangeEndCount)
                .withDefault(0);
            c.property("SkipWhenNoRecords", &TppDBPipeline::SkipWhenNoRecords,
                       &TppDBPipeline::SetSkipWhenNoRecords)
                .withDefault(true);
            c.property("UserName", &TppDBPipeline::UserName, &TppDBPipeline::SetUserName);
            c.property("Visible", &TppDBPipeline::Visible, &TppDBPipeline::SetVisible).withDefault(true);
            c.event("OnClose", &TppDBPipeline::OnClose);
            c.event("OnDataChange", &TppDBPipeline::OnDataChange);
            c.event("OnFirst", &TppDBPipeline::OnFirst);
            c.event("OnGotoBookmark", &TppDBPipeline::OnGotoBookmark);
            c.event("OnLast", &TppDBPipeline::OnLast);
            c.event("OnMasterRecordPositionChange", &TppDBPipeline::OnMasterRecordPositionChange);
            c.event("OnNext", &TppDBPipeline::OnNext);
            c.event("OnOpen", &TppDBPipeline::OnOpen);
            c.event("OnPrior", &TppDBPipeline::OnPrior);
            c.event("OnRecordPositionChange", &TppDBPipeline::OnRecordPositionChange);
            c.event("OnTraversal", &TppDBPipeline::OnTraversal);
        });
    return info;
}

TppDBPipeline::TppDBPipeline(OwnedComponent* owner) : TppCustomDataPipeline(owner) {}

TppDBPipeline::~TppDBPipeline() {
    markDestroying();
    if (Active())
        Close();
    watch(nullptr);
}

Dataset* TppDBPipeline::dataset() const {
    return dataSource_ ? dataSource_->dataset() : nullptr;
}

void TppDBPipeline::SetDataSource(DataSource* source) {
    if (source == dataSource_)
        return;
    if (dataSource_)
        UnlinkFrom(dataSource_);
    dataSource_ = source;
    if (dataSource_)
        LinkTo(dataSource_);
    watch(dataset());
    MarkFieldsOutOfDate();
}

void TppDBPipeline::watch(Dataset* dataset) {
    if (dataset == watched_ && (dataset || connections_.isEmpty()))
        return;
    for (const QMetaObject::Connection& connection : std::exchange(connections_, {}))
        QObject::disconnect(connection);
    watched_ = dataset;
    if (!dataset)
        return;
    connections_ << QObject::connect(dataset, &Dataset::activeChanged, [this] { activeChanged(); });
    connections_ << QObject::connect(dataset, &Dataset::contentChanged, [this] { DataChange(); });
    connections_ << QObject::connect(dataset, &QObject::destroyed, [this] {
        watched_ = nullptr;
        connections_.clear();
        if (State() != 0)
            Close();
    });
}

void TppDBPipeline::activeChanged() {
    const Dataset* ds = watched_;
    if (!ds || !ds->isActive()) {
        if (!closing_)
            Close();
    } else {
        DataChange();
    }
    if (isDestroying())
        return;
    if (AutoCreateFields()) {
        if (ds && ds->isActive())
            MarkFieldsOutOfDate();
        else
            FreeFields();
    }
    if (isLoading() || FreeingChildren() || IsCreatingFields())
        return;
    BroadcastNotification(this, ppopDataSourceChange);
    BroadcastEvent(this, ciPipelineDataSetChange);
}

void TppDBPipeline::Notify(TppCommunicator* sender, int operation) {
    TppCustomDataPipeline::Notify(sender, operation);
    if (sender != dataSource_ || !dataSource_)
        return;
    if (operation == ppopRemove) {
        if (Active())
            Close();
        dataSource_ = nullptr;
        watch(nullptr);
    } else if (operation == ppopDataSourceChange) {
        watch(dataset());
        MarkFieldsOutOfDate();
    }
}

// The source ----------------------------------------------------------------------

bool TppDBPipeline::Active() const {
    return watched_ && watched_->isActive();
}

void TppDBPipeline::SourceOpen() {
    opened_ = dataset();
    watch(opened_);
    if (!openDataSource_ || !opened_)
        return;
    try {
        opened_->open();
    } catch (const std::exception& error) {
        throw EDataError(QString::fromUtf8(error.what()));
    }
}

void TppDBPipeline::SourceClose() {
    if (!closeDataSource_ || !opened_)
        return;
    closing_ = true;
    opened_->close();
    closing_ = false;
}

void TppDBPipeline::SourceFirst() {
    if (Active())
        watched_->first();
}

void TppDBPipeline::SourceLast() {
    if (Active())
        watched_->last();
}

int TppDBPipeline::SourceMoveBy(int n) {
    return Active() ? watched_->moveBy(n) : 0;
}

bool TppDBPipeline::SourceBOF() const {
    return !Active() || watched_->bof();
}

bool TppDBPipeline::SourceEOF() const {
    return !Active() || watched_->eof();
}

Bookmark TppDBPipeline::SourceBookmark() const {
    return Active() ? watched_->bookmark() : Bookmark();
}

bool TppDBPipeline::SourceBookmarkValid(const Bookmark& bookmark) const {
    return Active() && watched_->bookmarkValid(bookmark);
}

void TppDBPipeline::SourceGotoBookmark(const Bookmark& bookmark) {
    if (Active())
        watched_->gotoBookmark(bookmark);
}

void TppDBPipeline::AfterGotoBookmark() {
    OnTraversal(this);
    BroadcastEvent(this, ciPipelineTraversal);
}

int TppDBPipeline::CompareBookmarks(const Bookmark& a, const Bookmark& b) const {
    return watched_ ? watched_->compareBookmarks(a, b) : TppCustomDataPipeline::CompareBookmarks(a, b);
}

void TppDBPipeline::AddAutomaticDetails(const QList<TppDataPipeline*>& pipelines,
                                        QList<TppDataPipeline*>& details) {
    if (!dataSource_)
        return;
    for (TppDataPipeline* pipeline : pipelines) {
        auto* other = dynamic_cast<TppDBPipeline*>(pipeline);
        if (!other || other == this || details.contains(other))
            continue;
        // A master set explicitly (with its field links) wins over the guess
        // from the datasets.
        if (other->MasterDataPipeline() && other->MasterDataPipeline() != this)
            continue;
        const Dataset* ds = other->dataset();
        if (ds && ds->masterSource() == dataSource_) {
            other->SetMasterDataPipeline(this);
            details.append(other);
        }
    }
}

// Fields ------------------------------------------------------------------------------

int TppDBPipeline::fieldIndex(const QString& fieldName) const {
    return watched_ ? watched_->fieldIndex(fieldName) : -1;
}

TppDataType TppDBPipeline::dataTypeOf(FieldType type) {
    switch (type) {
    case FieldType::Integer:
        return dtInteger;
    case FieldType::LargeInt:
        return dtLargeInt;
    case FieldType::Boolean:
        return dtBoolean;
    case FieldType::Float:
        return dtDouble;
    case FieldType::Currency:
        return dtCurrency;
    case FieldType::Date:
        return dtDate;
    case FieldType::Time:
        return dtTime;
    case FieldType::DateTime:
        return dtDateTime;
    case FieldType::Blob:
        return dtBLOB;
    case FieldType::Memo:
        return dtMemo;
    case FieldType::String:
        break;
    }
    return dtString;
}

QVariant TppDBPipeline::GetFieldValue(const QString& fieldName) {
    const int index = fieldIndex(fieldName);
    if (index < 0 || HasState(NoRecords) || !Active())
        return QVariant();
    const QVariant value = watched_->value(index);
    if (value.isNull())
        return QVariant();
    switch (GetFieldDataType(fieldName)) {
    case dtBoolean:
        return value.toBool();
    case dtInteger:
    case dtLongint:
        return value.toInt();
    case dtLargeInt:
        return value.toLongLong();
    case dtSingle:
    case dtDouble:
    case dtExtended:
    case dtCurrency:
        return value.toDouble();
    case dtChar:
    case dtString:
    case dtMemo:
        return value.toString();
    default:
        return value;
    }
}

QString TppDBPipeline::GetFieldAsString(const QString& fieldName) {
    const int index = fieldIndex(fieldName);
    if (index < 0 || HasState(NoRecords) || !Active())
        return QString();
    return watched_->value(index).toString();
}

double TppDBPipeline::GetFieldAsDouble(const QString& fieldName) {
    const int index = fieldIndex(fieldName);
    if (index < 0 || HasState(NoRecords) || !Active())
        return 0;
    return watched_->value(index).toDouble();
}

bool TppDBPipeline::GetFieldIsNull(const QString& fieldName) {
    const int index = fieldIndex(fieldName);
    if (index < 0 || HasState(NoRecords) || !Active())
        return true;
    return watched_->value(index).isNull();
}

TppDataType TppDBPipeline::GetFieldDataType(const QString& fieldName) {
    const TppField* field = AutoCreateFields() ? nullptr : FieldForName(fieldName);
    if (field && field->DataType() != dtNotKnown)
        return field->DataType();
    if (watched_ && !watched_->isActive()) {
        try {
            watched_->open();
        } catch (const std::exception&) {
            // The type is then unknown; opening is retried when the report opens the pipeline.
        }
    }
    const int index = fieldIndex(fieldName);
    return index < 0 ? (field ? field->DataType() : dtNotKnown)
                     : dataTypeOf(watched_->fieldDefs().at(index).type);
}

int TppDBPipeline::GetFieldDisplayWidth(const QString& fieldName) {
    const int index = fieldIndex(fieldName);
    const int fromDataset = index < 0 ? 0 : watched_->displayWidth(index);
    if (AutoCreateFields())
        return fromDataset;
    const TppField* field = FieldForName(fieldName);
    return field && field->DisplayWidth() != 0 ? field->DisplayWidth() : fromDataset;
}

int TppDBPipeline::GetFieldSize(const QString& fieldName) {
    const int index = fieldIndex(fieldName);
    const int fromDataset = index < 0 ? 0 : watched_->fieldDefs().at(index).size;
    if (AutoCreateFields())
        return fromDataset;
    const TppField* field = FieldForName(fieldName);
    return field && field->FieldLength() != 0 ? field->FieldLength() : fromDataset;
}

TppFieldAlignment TppDBPipeline::GetFieldAlignment(const QString& fieldName) {
    const int index = fieldIndex(fieldName);
    if (index >= 0)
        return watched_->isRightAligned(index) ? taRightJustify : taLeftJustify;
    return TppCustomDataPipeline::GetFieldAlignment(fieldName);
}

bool TppDBPipeline::GetFieldNames(QStringList& names) {
    names.clear();
    if (!IsCreatingFields() && TppCustomDataPipeline::GetFieldNames(names))
        return true;
    if (!watched_)
        return false;
    for (const FieldDef& def : watched_->fieldDefs())
        names << def.name;
    return !names.isEmpty();
}

bool TppDBPipeline::GetFieldIsCalculated(const QString&) {
    // Our datasets have no calculated fields.
    return false;
}

QByteArray TppDBPipeline::GetFieldBytes(const QString& fieldName) {
    const int index = fieldIndex(fieldName);
    if (index < 0 || HasState(NoRecords) || !Active())
        return QByteArray();
    const QVariant value = watched_->value(index);
    return watched_->fieldDefs().at(index).type == FieldType::Blob ? value.toByteArray()
                                                                   : value.toString().toUtf8();
}

void TppDBPipeline::SetFieldBytes(const QString& fieldName, const QByteArray& bytes) {
    const int index = fieldIndex(fieldName);
    if (index >= 0 && watched_->fieldDefs().at(index).type == FieldType::Blob)
        watched_->setValue(index, bytes);
}

void TppDBPipeline::SetFieldValue(const QString& fieldName, const QVariant& value) {
    const int index = fieldIndex(fieldName);
    if (index >= 0)
        watched_->setValue(index, value);
}

// Data entry ---------------------------------------------------------------------------

void TppDBPipeline::Edit() {
    if (Dataset* ds = dataset())
        ds->edit();
}

void TppDBPipeline::Insert() {
    if (Dataset* ds = dataset())
        ds->insert();
}

void TppDBPipeline::Delete() {
    if (Dataset* ds = dataset())
        ds->deleteRecord();
}

void TppDBPipeline::Post() {
    Dataset* ds = dataset();
    if (!ds)
        return;
    ds->post();
    if (refreshAfterPost_)
        ds->refresh();
}

bool TppDBPipeline::Locate(const QString& fieldName, const QVariant& value, int options) {
    Dataset* ds = dataset();
    if (!ds)
        return false;
    if (!ds->isActive())
        ds->open();
    QVariant wanted = value;
    const int index = ds->fieldIndex(fieldName);
    if (index >= 0 && wanted.typeId() == QMetaType::QString && ds->fieldDefs().at(index).size > 0)
        wanted = wanted.toString().left(ds->fieldDefs().at(index).size);
    ds->first();
    return ds->locate({fieldName}, {wanted}, options & (Dataset::CaseInsensitive | Dataset::PartialKey));
}
