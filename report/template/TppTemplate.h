#pragma once

#include "ComponentReader.h"
#include "StreamObject.h"
#include "TppCustomTemplate.h"
#include "TppCustomTemplateDialog.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>
#include <utility>

class BusyCursor;
class QIODevice;
class TppDBPipeline;
class TppForm;
class TppTemplate;

// What the application, and separately the designer, may hook into a
// template's loads and saves. Streams are the template's bytes, which the
// hooks may change.
struct TppTemplateHooks {
    std::function<void(TppTemplate&, QByteArray& stream)> OnLoadStart;
    std::function<void(OwnedComponent* owner)> OnLoadEnd;
    std::function<void(OwnedComponent* owner)> OnSaveStart;
    std::function<void(TppTemplate&, QByteArray& stream)> OnSaveStream;
    std::function<void(TppTemplate&)> OnNew;
    // Positions the pipeline on the template's record; true when it found it.
    std::function<bool(TppTemplate&, const QString& name)> OnLocateRecord;
    // Before a dialog of the template is shown.
    std::function<void(TppTemplate&, TppForm* dialog)> OnDialogCreate;
};

// Loads and saves the layout of its owner: from and to a file or a
// database record (any pipeline over a table, found by name), in the binary
// or the text form, after Offset bytes of anything.
//
// A load reads a fresh copy of the layout apart from the owner and only
// then lets the owner take it over, so a template that cannot be read
// leaves the owner as it was. A save writes a new file and replaces the old
// one only when the writing succeeded.
class TppTemplate : public TppCustomTemplate {
public:
    PW_CLASS_INFO

    ~TppTemplate() override;

    // The owner of the stored component and the root its references are
    // resolved against: the owner's owner, or the owner when it has none.
    OwnedComponent* Root() const;
    // For the file dialogs: "rtm", and "Report file (*.rtm)|*.rtm".
    virtual QString FileExtension() const = 0;
    virtual QString FileFilter() const = 0;
    // The file exists and may not be written.
    bool ReadOnly() const;
    // The same rule for any file: it exists and its owner may not write it.
    static bool IsReadOnlyFile(const QString& fileName);

    // Loading raises ETemplateLoadError or EInvalidTemplateError; the owner
    // then keeps the layout it had.
    void Load();
    void LoadFromFile();
    void LoadFromDatabase();
    // The template's bytes from the stream's position to its end.
    void LoadFromStream(QIODevice& stream);
    void LoadFromBytes(QByteArray bytes);

    // Saving raises ETemplateSaveError.
    void Save();
    void SaveToFile();
    void SaveToDatabase();
    // Writes at the stream's position, after Offset bytes.
    void SaveToStream(QIODevice& stream);

    // Replaces the owner's layout with an empty one; the description is cleared.
    virtual void New() = 0;

    // A pipeline, a name field and a template field are set. For a save the
    // template field must also hold binary data or long text, else
    // ETemplateSaveError.
    bool IsDatabaseReady(bool forSave = false) const;

    // Ask for the file (or, saving to a database, the template's name)
    // through the registered dialogs; true when the user confirmed. Loading
    // or saving is the caller's next step. Without a registered dialog
    // nothing is asked and the answer is false.
    bool LoadWithDialog();
    bool SaveWithDialog();

    // Of the last load: objects whose stored names were taken, with the
    // names they got instead; references to objects that were not found.
    const QList<std::pair<QString, QString>>& RenamedNames() const { return renamed_; }
    const QStringList& UnresolvedReferences() const { return unresolved_; }

    TppTemplateHooks ApplicationHooks;
    TppTemplateHooks DesignerHooks;
    // For programs with nobody to ask (the command line): sees every read
    // error of a load, in place of the error dialog. True skips the faulty
    // object or property and reads on; false lets the error end the load.
    std::function<bool(const QString& message)> OnReadError;
    void SetBusyCursor(BusyCursor* cursor) { busyCursor_ = cursor; }

protected:
    explicit TppTemplate(OwnedComponent* owner);

    // A load: prepares the owner (may refuse by throwing); checks the objects
    // before anything is created; takes what was read; then the owner takes
    // the read layout, or gets its own back.
    virtual void BeginLoad() = 0;
    virtual void CheckStreamObjects(const std::vector<StreamObject>& objects) = 0;
    virtual void ComponentsRead(const ReadResult& result) = 0;
    virtual void EndLoad(bool succeeded) = 0;
    // The layout was written to its target.
    virtual void Saved() {}
    virtual void Warn(const QString& text) const = 0;
    void FireOnNew();
    // Refuses objects other than one of `expected` (a class nobody registered
    // is the reader's error, which names it); `kind` names it in the
    // messages ("report", "code module").
    static void RequireOneObject(const std::vector<StreamObject>& objects, const ClassInfo& expected,
                                 const QString& kind);
    // Puts a problem of the load to the read-error hook, or else to the
    // user through the error dialog; true to go on without what it names.
    bool ignoreReadError(const QString& message);

private:
    // The stored bytes without the Offset bytes before them; empty when
    // there is nothing to store.
    QByteArray writeTemplateBytes();
    bool locateRecord();
    TppDBPipeline& databasePipeline(bool saving) const;
    QStringList storedNames() const;
    void dialogCreated(TppForm* dialog);
    // The name of a template in the database, asked for in the given mode.
    bool askTemplateName(TppCustomTemplateDialog::DialogMode mode);
    void saveStream(QByteArray& stream);

    BusyCursor* busyCursor_ = nullptr;
    bool ignoreAll_ = false;
    QList<std::pair<QString, QString>> renamed_;
    QStringList unresolved_;
};
