#pragma once

#include "TppDataPipeline.h"
#include "TppLinkRangeIndex.h"

class TppField;
class TppMasterFieldLink;

// A pipeline with a list of field descriptions (its children, built from the
// source when AutoCreateFields is set) and master-detail links. A linked
// detail walks, for each master record, the run of its source's records
// whose link fields equal the master's; the source is not filtered, only
// sorted on the link fields.
class TppCustomDataPipeline : public TppDataPipeline {
public:
    PW_CLASS_INFO

    explicit TppCustomDataPipeline(OwnedComponent* owner = nullptr);
    ~TppCustomDataPipeline() override;

    // Fields.
    bool AutoCreateFields() const { return autoCreateFields_; }
    void SetAutoCreateFields(bool value);
    int FieldCount();
    TppField* Fields(int index);
    // By name or alias without regard to case; none if unknown.
    TppField* FieldForName(const QString& name);
    TppField* FieldForAlias(const QString& alias);
    TppField* CurrentField() const { return currentField_; }
    QString GetFieldAlias(const QString& fieldName) override;
    QString GetFieldForAlias(const QString& alias);
    bool GetFieldAliases(QStringList& aliases);
    // Adds a field by hand; returns its index.
    int DefineField(const QString& name, TppDataType type, int length);
    virtual bool IsDataTypeSupported(TppDataType) const { return true; }
    // The fields no longer match the source; they are rebuilt on next use.
    void MarkFieldsOutOfDate() { fieldsOutOfDate_ = true; }
    void FreeFields();

    // Answers from the field descriptions.
    TppDataType GetFieldDataType(const QString& fieldName) override;
    int GetFieldDisplayWidth(const QString& fieldName) override;
    int GetFieldSize(const QString& fieldName) override;
    TppFieldAlignment GetFieldAlignment(const QString& fieldName) override;
    bool GetFieldNames(QStringList& names) override;

    // Links.
    int LinkCount() const { return int(links_.size()); }
    TppMasterFieldLink* Links(int index) const { return links_.value(index); }
    void AddLink(TppMasterFieldLink* link);
    void InsertLink(int index, TppMasterFieldLink* link);
    void RemoveLink(TppMasterFieldLink* link);
    // Creates and adds a link between a master and a detail field.
    TppMasterFieldLink* AddLink(const QString& masterField, const QString& detailField);

    bool IsLinked() const override { return MasterDataPipeline() && !links_.isEmpty(); }
    int CompareWithMaster() override;
    QList<TppRelative*> ExtraChildren() const override;

    void Notify(TppCommunicator* sender, int operation) override;
    void Loaded() override;
    void RemoveChild(TppRelative* child) override;

protected:
    // Builds the fields from the source when they are out of date.
    void EnsureFields();
    bool IsCreatingFields() const override { return creatingFields_; }

    void LinkedFirst() override;
    void LinkedLast() override;
    int LinkedMoveBy(int n) override;
    bool LinkedBeginTest() override;
    bool LinkedEndTest() override;
    bool NoMatch() const override { return noMatch_; }
    bool IsReady() const override { return ready_; }
    void InitializeLinkState() override;
    void ClearNoMatch() override { noMatch_ = false; }
    void FreeLinks() override;

private:
    void createFields();
    void resetLinkState();
    // Moves the source without notices while the run is searched.
    void stepQuietly(int n);
    QVariantList readLinkValues(TppDataPipeline& pipeline, bool master);
    int computeComparison() const;

    bool autoCreateFields_ = true;
    bool fieldsOutOfDate_ = true;
    bool creatingFields_ = false;
    TppField* currentField_ = nullptr;

    QList<TppMasterFieldLink*> links_;
    bool ready_ = false;
    bool noMatch_ = false;
    bool valuesCreated_ = false;
    QVariantList detailValues_;
    int detailValuesIndex_ = -1;
    QVariantList masterValues_;
    int masterValuesIndex_ = -1;
    int cachedComparison_ = 0;
    TppLinkRangeIndex rangeIndex_;
};
