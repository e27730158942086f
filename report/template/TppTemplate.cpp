#include "TppTemplate.h"

#include "BinaryStreamReader.h"
#include "BusyCursor.h"
#include "ClassBuilder.h"
#include "ClassRegistry.h"
#include "ComponentWriter.h"
#include "FormRegistry.h"
#include "MainThread.h"
#include "PagewrightErrors.h"
#include "TemplatePayload.h"
#include "TextStreamReader.h"
#include "TppCustomFileDialog.h"
#include "TppCustomTemplateDialog.h"
#include "TppCustomTemplateErrorDialog.h"
#include "TppDBPipeline.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <memory>

namespace {

class BusyCursorScope {
public:
    BusyCursorScope(BusyCursor* cursor, bool show) : cursor_(show ? cursor : nullptr) {
        if (cursor_)
            cursor_->show();
    }
    ~BusyCursorScope() {
        if (cursor_)
            cursor_->restore();
    }
    BusyCursorScope(const BusyCursorScope&) = delete;
    BusyCursorScope& operator=(const BusyCursorScope&) = delete;

private:
    BusyCursor* cursor_;
};

QString recordNotFound(const QString& name) {
    return QStringLiteral("Record not found: ") + name;
}

QByteArray prefixedByOffset(const QByteArray& bytes, int offset) {
    // What precedes the payload is skipped by every reader; zeros give it a
    // defined content.
    return offset > 0 ? QByteArray(offset, '\0') + bytes : bytes;
}

// A memo holds text: the template's bytes go in one character each, so
// that any byte comes back out as it went in.
QVariant fieldValueFor(const QByteArray& bytes, TppDataType type) {
    return type == dtMemo ? QVariant(QString::fromLatin1(bytes)) : QVariant(bytes);
}

QByteArray bytesOfField(const QVariant& value) {
    if (value.typeId() != QMetaType::QString)
        return value.toByteArray();
    const QString text = value.toString();
    // Text typed in elsewhere may hold characters a byte cannot: UTF-8,
    // which the text form accepts.
    const bool bytewise = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    return bytewise ? text.toLatin1() : text.toUtf8();
}

template <class... Args, class... Params>
void fire(const std::function<void(Args...)>& application, const std::function<void(Args...)>& designer,
          Params&&... params) {
    if (application)
        application(params...);
    if (designer)
        designer(params...);
}

} // namespace

const ClassInfo& TppTemplate::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppTemplate>("TppTemplate", &TppCustomTemplate::staticClassInfo(), [](auto&) {});
    return info;
}

TppTemplate::TppTemplate(OwnedComponent* owner) : TppCustomTemplate(owner) {}

TppTemplate::~TppTemplate() = default;

OwnedComponent* TppTemplate::Root() const {
    return Owner() && Owner()->Owner() ? Owner()->Owner() : Owner();
}

bool TppTemplate::ReadOnly() const {
    return IsReadOnlyFile(FileName());
}

bool TppTemplate::IsReadOnlyFile(const QString& fileName) {
    if (fileName.isEmpty())
        return false;
    const QFileInfo file(fileName);
    // Without the owner's write permission the file is read-only even for
    // whoever may write it anyway (the superuser).
    return file.exists() && (!file.isWritable() || !(file.permissions() & QFileDevice::WriteOwner));
}

// Loading ------------------------------------------------------------------------------

void TppTemplate::Load() {
    if (SaveTo() == stFile)
        LoadFromFile();
    else
        LoadFromDatabase();
}

void TppTemplate::LoadFromFile() {
    const BusyCursorScope cursor(busyCursor_, ShowBusyCursor());
    QFile file(FileName());
    if (FileName().isEmpty() || !file.exists())
        throw ETemplateLoadError(QStringLiteral("File not found: ") + FileName());
    if (!file.open(QIODevice::ReadOnly))
        throw ETemplateLoadError(QStringLiteral("Cannot read %1: %2").arg(FileName(), file.errorString()));
    LoadFromBytes(file.readAll());
}

void TppTemplate::LoadFromDatabase() {
    const BusyCursorScope cursor(busyCursor_, ShowBusyCursor());
    const QString name = DatabaseSettings().Name();
    if (!DatabaseSettings().DataPipeline())
        throw ETemplateLoadError(recordNotFound(name));
    QByteArray bytes;
    try {
        TppDBPipeline& pipeline = databasePipeline(false);
        if (!pipeline.Active())
            pipeline.Open();
        if (!IsDatabaseReady() || !locateRecord())
            throw ETemplateLoadError(recordNotFound(name));
        bytes = bytesOfField(pipeline.dataset()->value(DatabaseSettings().TemplateField()));
    } catch (const ETemplateLoadError&) {
        throw;
    } catch (const std::exception&) {
        throw ETemplateLoadError(QStringLiteral("Error reading template from database."));
    }
    LoadFromBytes(std::move(bytes));
}

void TppTemplate::RequireOneObject(const std::vector<StreamObject>& objects, const ClassInfo& expected,
                                   const QString& kind) {
    if (objects.size() != 1)
        throw ETemplateLoadError(QStringLiteral("A %1 template holds one %1; this one holds %2 objects.")
                                     .arg(kind)
                                     .arg(objects.size()));
    const QString className = QString::fromLatin1(objects.front().className);
    const ClassInfo* info = ClassRegistry::instance().find(className);
    if (info && !info->inheritsFrom(expected))
        throw ETemplateLoadError(QStringLiteral("The template holds a %1, not a %2.").arg(className, kind));
}

void TppTemplate::LoadFromStream(QIODevice& stream) {
    LoadFromBytes(stream.readAll());
}

void TppTemplate::LoadFromBytes(QByteArray bytes) {
    ignoreAll_ = false;
    renamed_.clear();
    unresolved_.clear();
    // Where the template was loaded from stays what it was, whatever the
    // stored report says about its own template.
    TppCustomTemplate settings;
    settings.Assign(*this);
    BeginLoad();
    TemplatePayload payload;
    try {
        fire(ApplicationHooks.OnLoadStart, DesignerHooks.OnLoadStart, *this, bytes);
        payload = findTemplatePayload(bytes, Offset());
        const QByteArrayView stored = QByteArrayView(bytes).sliced(payload.offset);
        // A text template holds one object; what follows its end is not read.
        std::vector<StreamObject> objects;
        if (payload.format == ftASCII)
            objects.push_back(TextStreamReader(stored).readObject());
        else
            objects = BinaryStreamReader(stored).readComponents();
        CheckStreamObjects(objects);
        ReadOptions options;
        options.onError = [this](const QString& message) { return ignoreReadError(message); };
        const ReadResult result = ComponentReader(*Root(), Root(), options).read(objects);
        // The objects read at the top stand in for the owner, which keeps its
        // own name; only the renames inside them concern the user.
        for (const auto& [stored, component] : result.renamed)
            if (!result.components.contains(component))
                renamed_.append({stored, component->Name()});
        unresolved_ = result.unresolvedReferences;
        ComponentsRead(result);
    } catch (...) {
        EndLoad(false);
        Assign(settings);
        fire(ApplicationHooks.OnLoadEnd, DesignerHooks.OnLoadEnd, Owner());
        throw;
    }
    EndLoad(true);
    Assign(settings);
    SetOffset(payload.offset);
    SetFormat(payload.format);
    fire(ApplicationHooks.OnLoadEnd, DesignerHooks.OnLoadEnd, Owner());
}

bool TppTemplate::ignoreReadError(const QString& message) {
    if (OnReadError)
        return OnReadError(message);
    if (ignoreAll_)
        return true;
    // Only a user at the screen can be asked.
    if (!Root()->isDesigning() && !IsMainThread())
        return false;
    const std::unique_ptr<TppCustomTemplateErrorDialog> dialog(
        FormRegistry::instance().CreateForm<TppCustomTemplateErrorDialog>());
    if (!dialog)
        return false;
    dialog->Message = message + QStringLiteral("\r\nIgnore the error and continue?");
    dialogCreated(dialog.get());
    dialog->ShowModal();
    switch (dialog->Result) {
    case TppCustomTemplateErrorDialog::erIgnoreAll:
        ignoreAll_ = true;
        return true;
    case TppCustomTemplateErrorDialog::erIgnore:
        return true;
    case TppCustomTemplateErrorDialog::erCancel:
        break;
    }
    return false;
}

// Saving -------------------------------------------------------------------------------

void TppTemplate::Save() {
    if (SaveTo() == stFile)
        SaveToFile();
    else
        SaveToDatabase();
}

QByteArray TppTemplate::writeTemplateBytes() {
    fire(ApplicationHooks.OnSaveStart, DesignerHooks.OnSaveStart, Owner());
    const BusyCursorScope cursor(busyCursor_, ShowBusyCursor());
    return WriteComponents({Owner()}, Root(), Format() == ftASCII ? StreamForm::Text : StreamForm::Binary);
}

void TppTemplate::saveStream(QByteArray& stream) {
    fire(ApplicationHooks.OnSaveStream, DesignerHooks.OnSaveStream, *this, stream);
}

void TppTemplate::SaveToStream(QIODevice& stream) {
    QByteArray bytes = writeTemplateBytes();
    if (bytes.isEmpty())
        return;
    // Moving forward keeps whatever the stream holds there (a header of the
    // caller's); a stream that cannot seek gets zeros.
    if (Offset() > 0) {
        const bool skipped = !stream.isSequential() && stream.seek(stream.pos() + Offset());
        if (!skipped)
            bytes = prefixedByOffset(bytes, Offset());
    }
    saveStream(bytes);
    if (stream.write(bytes) != bytes.size())
        throw ETemplateSaveError(QStringLiteral("Cannot write the template: ") + stream.errorString());
    Saved();
}

void TppTemplate::SaveToFile() {
    if (FileName().isEmpty())
        throw ETemplateSaveError(QStringLiteral("The template has no file name to be saved to."));
    QByteArray bytes = writeTemplateBytes();
    if (bytes.isEmpty())
        return;
    bytes = prefixedByOffset(bytes, Offset());
    saveStream(bytes);
    if (ReadOnly())
        throw ETemplateSaveError(QStringLiteral("File is read-only."));
    // The old file is replaced only once the new one is complete.
    QSaveFile file(FileName());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ETemplateSaveError(QStringLiteral("Cannot write %1: %2").arg(FileName(), file.errorString()));
    Saved();
}

void TppTemplate::SaveToDatabase() {
    const TppTemplateDBSettings& settings = DatabaseSettings();
    if (!settings.DataPipeline() || settings.NameField().isEmpty() || settings.TemplateField().isEmpty())
        throw ETemplateSaveError(
            QStringLiteral("Cannot save the template to the database: its settings need a data pipeline, "
                           "a name field and a template field."));
    if (settings.Name().isEmpty())
        throw ETemplateSaveError(QStringLiteral("Cannot save the template to the database: it has no name."));
    TppDBPipeline& pipeline = databasePipeline(true);
    try {
        if (!pipeline.Active())
            pipeline.Open();
    } catch (const std::exception& error) {
        throw ETemplateSaveError(QStringLiteral("Cannot save the template to the database: ") +
                                 QString::fromUtf8(error.what()));
    }
    IsDatabaseReady(true);
    QByteArray bytes = writeTemplateBytes();
    if (bytes.isEmpty())
        return;
    bytes = prefixedByOffset(bytes, Offset());
    Dataset& table = *pipeline.dataset();
    try {
        if (locateRecord()) {
            pipeline.Edit();
        } else {
            pipeline.Insert();
            pipeline.SetFieldValue(settings.NameField(), settings.Name());
        }
        saveStream(bytes);
        pipeline.SetFieldValue(settings.TemplateField(),
                               fieldValueFor(bytes, pipeline.GetFieldDataType(settings.TemplateField())));
        pipeline.Post();
    } catch (const ETemplateSaveError&) {
        table.cancel();
        throw;
    } catch (const std::exception& error) {
        table.cancel();
        throw ETemplateSaveError(QStringLiteral("Cannot save the template to the database: ") +
                                 QString::fromUtf8(error.what()));
    }
    Saved();
}

// Database records ---------------------------------------------------------------------

bool TppTemplate::IsDatabaseReady(bool forSave) const {
    const TppTemplateDBSettings& settings = DatabaseSettings();
    if (!settings.DataPipeline() || settings.TemplateField().isEmpty() || settings.NameField().isEmpty())
        return false;
    if (forSave) {
        const TppDataType type = settings.DataPipeline()->GetFieldDataType(settings.TemplateField());
        if (type != dtBLOB && type != dtMemo)
            throw ETemplateSaveError(QStringLiteral("Cannot store a template to a field of this type."));
    }
    return true;
}

TppDBPipeline& TppTemplate::databasePipeline(bool saving) const {
    TppDataPipeline* pipeline = DatabaseSettings().DataPipeline();
    auto* table = dynamic_cast<TppDBPipeline*>(pipeline);
    if (!table || !table->dataset()) {
        const QString problem = QStringLiteral("The pipeline %1 has no table to keep templates in.")
                                    .arg(pipeline ? pipeline->Name() : QString());
        if (saving)
            throw ETemplateSaveError(problem);
        throw ETemplateLoadError(problem);
    }
    return *table;
}

bool TppTemplate::locateRecord() {
    const QString name = DatabaseSettings().Name();
    if (ApplicationHooks.OnLocateRecord || DesignerHooks.OnLocateRecord) {
        bool located = false;
        if (ApplicationHooks.OnLocateRecord)
            located = ApplicationHooks.OnLocateRecord(*this, name);
        if (DesignerHooks.OnLocateRecord)
            located = DesignerHooks.OnLocateRecord(*this, name) || located;
        return located;
    }
    return databasePipeline(false).Locate(DatabaseSettings().NameField(), name, 0);
}

QStringList TppTemplate::storedNames() const {
    TppDBPipeline& pipeline = databasePipeline(false);
    if (!pipeline.Active())
        pipeline.Open();
    Dataset& table = *pipeline.dataset();
    const int field = table.fieldIndex(DatabaseSettings().NameField());
    QStringList names;
    if (field < 0)
        return names;
    for (table.first(); !table.eof(); table.next())
        names << table.value(field).toString();
    names.sort();
    return names;
}

// Dialogs ------------------------------------------------------------------------------

void TppTemplate::dialogCreated(TppForm* dialog) {
    fire(ApplicationHooks.OnDialogCreate, DesignerHooks.OnDialogCreate, *this, dialog);
}

void TppTemplate::FireOnNew() {
    fire(ApplicationHooks.OnNew, DesignerHooks.OnNew, *this);
}

bool TppTemplate::askTemplateName(TppCustomTemplateDialog::DialogMode mode) {
    const std::unique_ptr<TppCustomTemplateDialog> dialog(
        FormRegistry::instance().CreateForm<TppCustomTemplateDialog>());
    if (!dialog)
        return false;
    dialog->Mode = mode;
    dialog->Names = storedNames();
    dialog->TemplateName = DatabaseSettings().Name();
    dialogCreated(dialog.get());
    if (!dialog->ShowModal())
        return false;
    DatabaseSettings().SetName(dialog->TemplateName);
    return true;
}

bool TppTemplate::LoadWithDialog() {
    if (SaveTo() == stDatabase)
        return askTemplateName(TppCustomTemplateDialog::dmOpen);
    const std::unique_ptr<TppCustomFileDialog> dialog(
        FormRegistry::instance().CreateForm<TppCustomFileDialog>());
    if (!dialog)
        return false;
    dialog->Mode = TppCustomFileDialog::fdOpen;
    dialog->DefaultExtension = FileExtension();
    dialog->Filter = FileFilter();
    dialog->FileName = FileName();
    dialog->Options = TppCustomFileDialog::foHideReadOnly | TppCustomFileDialog::foFileMustExist;
    dialogCreated(dialog.get());
    if (!dialog->ShowModal())
        return false;
    SetDescription(dialog->FileName);
    return true;
}

bool TppTemplate::SaveWithDialog() {
    if (SaveTo() == stDatabase)
        return askTemplateName(TppCustomTemplateDialog::dmSave);
    const QString previous = FileName();
    for (;;) {
        const std::unique_ptr<TppCustomFileDialog> dialog(
            FormRegistry::instance().CreateForm<TppCustomFileDialog>());
        if (!dialog)
            return false;
        dialog->Mode = TppCustomFileDialog::fdSave;
        dialog->DefaultExtension = FileExtension();
        dialog->Filter = FileFilter();
        dialog->FileName = FileName();
        dialog->Options = TppCustomFileDialog::foPathMustExist | TppCustomFileDialog::foHideReadOnly |
                          TppCustomFileDialog::foOverwritePrompt;
        dialogCreated(dialog.get());
        if (!dialog->ShowModal()) {
            SetFileName(previous);
            return false;
        }
        SetFileName(dialog->FileName);
        if (!ReadOnly())
            return true;
        Warn(QStringLiteral("File is read-only."));
    }
}
