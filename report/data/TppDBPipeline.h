#pragma once

#include "Dataset.h"
#include "TppCustomDataPipeline.h"

#include <QPointer>

class DataSource;

// The pipeline over a dataset (the in-memory table, a SQL table or query),
// reached through a data source. It builds its fields from the dataset's,
// follows the dataset's opening, closing and changes, and becomes the
// master of pipelines whose datasets take their records from its data source.
class TppDBPipeline : public TppCustomDataPipeline {
public:
    PW_CLASS_INFO

    explicit TppDBPipeline(OwnedComponent* owner = nullptr);
    ~TppDBPipeline() override;

    DataSource* GetDataSource() const { return dataSource_; }
    void SetDataSource(DataSource* source);
    Dataset* dataset() const;

    // Open the dataset when the pipeline opens; close it when it closes.
    bool OpenDataSource() const { return openDataSource_; }
    void SetOpenDataSource(bool value) { openDataSource_ = value; }
    bool CloseDataSource() const { return closeDataSource_; }
    void SetCloseDataSource(bool value) { closeDataSource_ = value; }
    bool RefreshAfterPost() const { return refreshAfterPost_; }
    void SetRefreshAfterPost(bool value) { refreshAfterPost_ = value; }

    bool Active() const override;
    int CompareBookmarks(const Bookmark& a, const Bookmark& b) const override;

    QVariant GetFieldValue(const QString& fieldName) override;
    QString GetFieldAsString(const QString& fieldName) override;
    double GetFieldAsDouble(const QString& fieldName) override;
    bool GetFieldIsNull(const QString& fieldName) override;
    TppDataType GetFieldDataType(const QString& fieldName) override;
    int GetFieldDisplayWidth(const QString& fieldName) override;
    int GetFieldSize(const QString& fieldName) override;
    TppFieldAlignment GetFieldAlignment(const QString& fieldName) override;
    bool GetFieldNames(QStringList& names) override;
    bool GetFieldIsCalculated(const QString& fieldName);
    // A blob's bytes; any other field's text as UTF-8.
    QByteArray GetFieldBytes(const QString& fieldName);
    // Only blob fields take bytes.
    void SetFieldBytes(const QString& fieldName, const QByteArray& bytes);
    void SetFieldValue(const QString& fieldName, const QVariant& value);

    // Data entry; not used by report generation.
    void Edit();
    void Insert();
    void Delete();
    void Post();
    // Goes to the first record whose field has the value (a text is cut to
    // the field's size); options as Dataset::locate, lowest two bits only.
    bool Locate(const QString& fieldName, const QVariant& value, int options);

    // A dataset field type as a report data type.
    static TppDataType dataTypeOf(FieldType type);

    void Notify(TppCommunicator* sender, int operation) override;

protected:
    void SourceOpen() override;
    void SourceClose() override;
    void SourceFirst() override;
    void SourceLast() override;
    int SourceMoveBy(int n) override;
    bool SourceBOF() const override;
    bool SourceEOF() const override;
    Bookmark SourceBookmark() const override;
    bool SourceBookmarkValid(const Bookmark& bookmark) const override;
    void SourceGotoBookmark(const Bookmark& bookmark) override;
    void AfterGotoBookmark() override;
    void AddAutomaticDetails(const QList<TppDataPipeline*>& pipelines,
                             QList<TppDataPipeline*>& details) override;

private:
    int fieldIndex(const QString& fieldName) const;
    void watch(Dataset* dataset);
    void activeChanged();

    DataSource* dataSource_ = nullptr;
    QPointer<Dataset> watched_;
    QPointer<Dataset> opened_;
    QList<QMetaObject::Connection> connections_;
    bool openDataSource_ = true;
    bool closeDataSource_ = false;
    bool refreshAfterPost_ = false;
    bool closing_ = false;
};
