#include "TppCustomDataPipeline.h"

#include "ClassBuilder.h"
#include "ComponentNames.h"
#include "PagewrightErrors.h"
#include "TppField.h"
#include "TppMasterFieldLink.h"

const ClassInfo& TppCustomDataPipeline::staticClassInfo() {
    static const ClassInfo info = describeClass<TppCustomDataPipeline>(
        "TppCustomDataPipeline", &TppDataPipeline::staticClassInfo(), [](auto&) {});
    return info;
}

TppCustomDataPipeline::TppCustomDataPipeline(OwnedComponent* owner) : TppDataPipeline(owner) {
    SetOrderedChildren(true);
}

TppCustomDataPipeline::~TppCustomDataPipeline() {
    markDestroying();
    for (TppMasterFieldLink* link : std::exchange(links_, {}))
        delete link;
}

// Fields ----------------------------------------------------------------------

void TppCustomDataPipeline::SetAutoCreateFields(bool value) {
    autoCreateFields_ = value;
    fieldsOutOfDate_ = true;
    if (value)
        EnsureFields();
}

void TppCustomDataPipeline::EnsureFields() {
    if (!autoCreateFields_ || !fieldsOutOfDate_ || creatingFields_ || isLoading() || isDestroying())
        return;
    createFields();
}

void TppCustomDataPipeline::FreeFields() {
    currentField_ = nullptr;
    while (ChildCount() > 0)
        delete Child(ChildCount() - 1);
}

void TppCustomDataPipeline::createFields() {
    // Whatever happens while the fields are built, the pipeline leaves the
    // building state: a field type the pipeline refuses must not leave every
    // later notice and lookup suppressed.
    struct CreatingScope {
        bool& flag;
        explicit CreatingScope(bool& f) : flag(f) { flag = true; }
        ~CreatingScope() { flag = false; }
    } scope(creatingFields_);

    FreeFields();
    QStringList names;
    if (!GetFieldNames(names))
        return;
    OwnedComponent* owner = Owner() ? Owner() : this;
    try {
        for (int index = 0; index < names.size(); ++index) {
            const QString& name = names[index];
            const TppDataType type = GetFieldDataType(name);
            if (!IsDataTypeSupported(type))
                throw EInvalidPropertyError(QStringLiteral("DataType not supported by ") + className());
            auto* field = new TppField(owner);
            field->SetName(UniqueComponentName(owner, Name() + ClassNameWithoutT(*field), field));
            field->SetFieldName(name);
            field->SetFieldLength(GetFieldSize(name));
            field->SetDisplayWidth(GetFieldDisplayWidth(name));
            field->SetParent(this);
            field->SetDataType(type);
            const bool numeric = type == dtInteger || type == dtDouble || type == dtLongint;
            field->SetAlignment(numeric ? taRightJustify : taLeftJustify);
            field->SetFieldAlias(name);
            const bool opaque = type == dtBLOB || type == dtMemo || type == dtGraphic || type == dtNotKnown;
            field->SetSearchable(!opaque);
            field->SetSortable(!opaque);
        }
    } catch (...) {
        FreeFields();
        throw;
    }
    fieldsOutOfDate_ = false;
    creatingFields_ = false;
    DataChange();
}

int TppCustomDataPipeline::FieldCount() {
    EnsureFields();
    return ChildCount();
}

TppField* TppCustomDataPipeline::Fields(int index) {
    EnsureFields();
    return dynamic_cast<TppField*>(Child(index));
}

TppField* TppCustomDataPipeline::FieldForName(const QString& name) {
    EnsureFields();
    for (TppRelative* child : children()) {
        auto* field = dynamic_cast<TppField*>(child);
        if (field && field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return currentField_ = field;
    }
    return nullptr;
}

TppField* TppCustomDataPipeline::FieldForAlias(const QString& alias) {
    EnsureFields();
    for (TppRelative* child : children()) {
        auto* field = dynamic_cast<TppField*>(child);
        if (field && field->FieldAlias().compare(alias, Qt::CaseInsensitive) == 0)
            return currentField_ = field;
    }
    return nullptr;
}

QString TppCustomDataPipeline::GetFieldAlias(const QString& fieldName) {
    if (!Active() && autoCreateFields_)
        return fieldName;
    const TppField* field = FieldForName(fieldName);
    return field ? field->FieldAlias() : fieldName;
}

QString TppCustomDataPipeline::GetFieldForAlias(const QString& alias) {
    const TppField* field = FieldForAlias(alias);
    return field ? field->FieldName() : QString();
}

bool TppCustomDataPipeline::GetFieldAliases(QStringList& aliases) {
    aliases.clear();
    const int count = FieldCount();
    for (int i = 0; i < count; ++i)
        if (const TppField* field = Fields(i))
            aliases << field->FieldAlias();
    return count > 0;
}

int TppCustomDataPipeline::DefineField(const QString& name, TppDataType type, int length) {
    if (!IsDataTypeSupported(type))
        throw EInvalidPropertyError(QStringLiteral("DataType not supported by ") + className());
    OwnedComponent* owner = Owner() ? Owner() : this;
    auto* field = new TppField(owner);
    field->SetName(UniqueComponentName(owner, Name() + ClassNameWithoutT(*field), field));
    field->SetFieldName(name);
    field->SetDataType(type);
    field->SetFieldLength(length);
    field->SetDisplayWidth(length);
    const bool numeric = type == dtInteger || type == dtDouble || type == dtLongint;
    field->SetAlignment(numeric ? taRightJustify : taLeftJustify);
    field->SetParent(this);
    return field->Index();
}

TppDataType TppCustomDataPipeline::GetFieldDataType(const QString& fieldName) {
    const TppField* field = FieldForName(fieldName);
    return field ? field->DataType() : dtNotKnown;
}

int TppCustomDataPipeline::GetFieldDisplayWidth(const QString& fieldName) {
    const TppField* field = FieldForName(fieldName);
    return field ? field->DisplayWidth() : 0;
}

int TppCustomDataPipeline::GetFieldSize(const QString& fieldName) {
    const TppField* field = FieldForName(fieldName);
    return field ? field->FieldLength() : 0;
}

TppFieldAlignment TppCustomDataPipeline::GetFieldAlignment(const QString& fieldName) {
    const TppField* field = FieldForName(fieldName);
    return field ? field->Alignment() : taLeftJustify;
}

bool TppCustomDataPipeline::GetFieldNames(QStringList& names) {
    names.clear();
    EnsureFields();
    for (TppRelative* child : children())
        if (const auto* field = dynamic_cast<TppField*>(child))
            names << field->FieldName();
    return !names.isEmpty();
}

void TppCustomDataPipeline::Notify(TppCommunicator* sender, int operation) {
    TppDataPipeline::Notify(sender, operation);
    if (operation != ppopRemove)
        return;
    if (links_.removeIf(
            [&](const TppMasterFieldLink* link) { return link == static_cast<const void*>(sender); }) > 0)
        resetLinkState();
}

void TppCustomDataPipeline::RemoveChild(TppRelative* child) {
    if (child == currentField_)
        currentField_ = nullptr;
    TppDataPipeline::RemoveChild(child);
}

void TppCustomDataPipeline::Loaded() {
    TppDataPipeline::Loaded();
    // Fields read with the pipeline are its fields; they are not rebuilt.
    if (ChildCount() > 0)
        fieldsOutOfDate_ = false;
}

// Links -------------------------------------------------------------------------

void TppCustomDataPipeline::AddLink(TppMasterFieldLink* link) {
    InsertLink(LinkCount(), link);
}

TppMasterFieldLink* TppCustomDataPipeline::AddLink(const QString& masterField, const QString& detailField) {
    auto* link = new TppMasterFieldLink(Owner() ? Owner() : this);
    link->SetMasterFieldName(masterField);
    link->SetDetailFieldName(detailField);
    AddLink(link);
    return link;
}

void TppCustomDataPipeline::InsertLink(int index, TppMasterFieldLink* link) {
    if (!link || links_.contains(link))
        return;
    links_.insert(std::clamp<qsizetype>(index, 0, links_.size()), link);
    LinkTo(link);
    resetLinkState();
    DataChange();
}

void TppCustomDataPipeline::RemoveLink(TppMasterFieldLink* link) {
    if (!links_.removeOne(link))
        return;
    UnlinkFrom(link);
    resetLinkState();
    DataChange();
}

void TppCustomDataPipeline::FreeLinks() {
    for (TppMasterFieldLink* link : std::exchange(links_, {}))
        delete link;
    resetLinkState();
}

QList<TppRelative*> TppCustomDataPipeline::ExtraChildren() const {
    return QList<TppRelative*>(links_.begin(), links_.end());
}

void TppCustomDataPipeline::resetLinkState() {
    ready_ = false;
    valuesCreated_ = false;
    detailValuesIndex_ = masterValuesIndex_ = -1;
    detailValues_.clear();
    masterValues_.clear();
    rangeIndex_.clear();
}

void TppCustomDataPipeline::InitializeLinkState() {
    ready_ = false;
    if (IsLinked()) {
        if (Active())
            SourceFirst();
        SetRecordIndex(0);
        noMatch_ = false;
        detailValuesIndex_ = masterValuesIndex_ = -1;
        detailValues_ = masterValues_ = QVariantList(links_.size());
        valuesCreated_ = true;
        rangeIndex_.clear();
    }
    ready_ = true;
}

// Comparison ---------------------------------------------------------------------

QVariantList TppCustomDataPipeline::readLinkValues(TppDataPipeline& pipeline, bool master) {
    // Values are null while NoRecords is set; the link must see the record itself.
    const unsigned saved = pipeline.State();
    pipeline.ClearState();
    QVariantList values;
    for (const TppMasterFieldLink* link : links_)
        values << pipeline.GetFieldValue(master ? link->MasterFieldName() : link->DetailFieldName());
    pipeline.SetState(saved);
    return values;
}

int TppCustomDataPipeline::computeComparison() const {
    for (int i = 0; i < links_.size(); ++i)
        if (const int result = links_[i]->Compare(detailValues_.value(i), masterValues_.value(i)))
            return result;
    return 0;
}

int TppCustomDataPipeline::CompareWithMaster() {
    TppDataPipeline* master = MasterDataPipeline();
    if (!Active() || !master || !master->Active() || !valuesCreated_ || master->RecordIndex() == -1)
        return 0;
    bool reread = false;
    if (RecordIndex() != detailValuesIndex_ || RecordIndex() == 0) {
        detailValues_ = readLinkValues(*this, false);
        detailValuesIndex_ = RecordIndex();
        reread = true;
    }
    if (master->RecordIndex() != masterValuesIndex_ || master->RecordIndex() == 0) {
        masterValues_ = readLinkValues(*master, true);
        masterValuesIndex_ = master->RecordIndex();
        reread = true;
    }
    if (reread)
        cachedComparison_ = computeComparison();
    return cachedComparison_;
}

// Linked positioning ---------------------------------------------------------------

void TppCustomDataPipeline::stepQuietly(int n) {
    const int moved = std::abs(SourceMoveBy(n));
    SetRecordIndex(RecordIndex() + (n > 0 ? moved : -moved));
}

void TppCustomDataPipeline::LinkedFirst() {
    if (!ready_)
        return;
    ready_ = false;
    TppDataPipeline* master = MasterDataPipeline();
    if (!master->HasState(NoRecords)) {
        const int key = master->RecordIndex();
        const TppLinkRange known = rangeIndex_.range(key);
        if (known.begin >= 0) {
            stepQuietly(known.begin - RecordIndex());
        } else if (!known.hasNoDetails()) {
            if (CompareWithMaster() < 0) {
                while (!SourceEOF() && CompareWithMaster() < 0)
                    stepQuietly(1);
            } else {
                while (!SourceBOF() && CompareWithMaster() >= 0)
                    stepQuietly(-1);
                if (CompareWithMaster() < 0)
                    stepQuietly(1);
                if (CompareWithMaster() > 0)
                    stepQuietly(-1);
            }
            if (CompareWithMaster() != 0)
                rangeIndex_.setNoDetails(key);
            else
                rangeIndex_.setBegin(key, RecordIndex());
        }
    }
    noMatch_ = CompareWithMaster() != 0 || master->HasState(NoRecords);
    if (noMatch_)
        RecomputeState();
    ready_ = true;
    if (!noMatch_)
        RecordPositionChange();
}

void TppCustomDataPipeline::LinkedLast() {
    if (!ready_)
        return;
    ready_ = false;
    TppDataPipeline* master = MasterDataPipeline();
    if (!master->HasState(NoRecords)) {
        const int key = master->RecordIndex();
        const TppLinkRange known = rangeIndex_.range(key);
        if (known.end >= 0) {
            stepQuietly(known.end - RecordIndex());
        } else if (!known.hasNoDetails()) {
            if (CompareWithMaster() > 0) {
                while (!SourceBOF() && CompareWithMaster() > 0)
                    stepQuietly(-1);
            } else {
                while (!SourceEOF() && CompareWithMaster() <= 0)
                    stepQuietly(1);
                if (CompareWithMaster() > 0)
                    stepQuietly(-1);
                if (CompareWithMaster() < 0)
                    stepQuietly(1);
            }
            if (CompareWithMaster() != 0)
                rangeIndex_.setNoDetails(key);
            else
                rangeIndex_.setEnd(key, RecordIndex());
        }
    }
    noMatch_ = CompareWithMaster() != 0 || master->HasState(NoRecords);
    if (noMatch_)
        RecomputeState();
    ready_ = true;
    if (!noMatch_)
        RecordPositionChange();
}

int TppCustomDataPipeline::LinkedMoveBy(int n) {
    const int key = MasterDataPipeline()->RecordIndex();
    int moved = 0;
    for (int i = 0; i < std::abs(n); ++i) {
        if (n > 0) {
            if (AtEOF())
                break;
            moved += RawMoveBy(1);
            if (AtEOF())
                rangeIndex_.setEnd(key, SourceEOF() ? RecordIndex() : RecordIndex() - 1);
        } else {
            if (AtBOF())
                break;
            moved += RawMoveBy(-1);
            if (AtBOF())
                rangeIndex_.setBegin(key, SourceBOF() ? RecordIndex() : RecordIndex() + 1);
        }
    }
    return moved;
}

bool TppCustomDataPipeline::LinkedBeginTest() {
    if (MasterDataPipeline()->HasState(NoRecords))
        return true;
    const TppLinkRange known = rangeIndex_.range(MasterDataPipeline()->RecordIndex());
    if (known.begin >= 0)
        return SourceBOF() || noMatch_ || RecordIndex() < known.begin;
    return SourceBOF() || noMatch_ || CompareWithMaster() < 0;
}

bool TppCustomDataPipeline::LinkedEndTest() {
    if (MasterDataPipeline()->HasState(NoRecords))
        return true;
    const TppLinkRange known = rangeIndex_.range(MasterDataPipeline()->RecordIndex());
    if (known.end >= 0)
        return SourceEOF() || noMatch_ || RecordIndex() > known.end;
    return SourceEOF() || noMatch_ || CompareWithMaster() > 0;
}
