#include "ComponentWriter.h"
#include "DataSource.h"
#include "FormRegistry.h"
#include "MemoryTable.h"
#include "PagewrightErrors.h"
#include "RecordingPrompter.h"
#include "RegistryScope.h"
#include "SqlDataset.h"
#include "StreamFixtures.h"
#include "TemplateClasses.h"
#include "TppCustomFileDialog.h"
#include "TppCustomReport.h"
#include "TppCustomTemplateErrorDialog.h"
#include "TppReportTemplate.h"

#include <QBuffer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A form with the pipeline and a concrete report, Report1, with or without
// the sample layout.
struct ReportForm {
    explicit ReportForm(bool withLayout = true) : sample(SampleForm::PipelineOnly) {
        registerTemplateClasses();
        report = new TppCustomReport(&sample.form);
        report->SetName("Report1");
        if (withLayout)
            addSampleLayout(sample.form, report, sample.pipeline);
    }
    TppReportTemplate& reportTemplate() { return ReportTemplate(*report); }
    // The report as its template stores it, in the text form.
    QString layout() const {
        return QString::fromLatin1(WriteComponents({report}, &sample.form, StreamForm::Text));
    }
    QStringList componentNames() const {
        QStringList names;
        for (const OwnedComponent* component : sample.form.components())
            names << component->Name();
        return names;
    }

    SampleForm sample;
    TppCustomReport* report;
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class ScriptedErrorDialog : public TppCustomTemplateErrorDialog {
public:
    ScriptedErrorDialog(QStringList& asked, QList<ErrorResult>& answers) : asked_(asked), answers_(answers) {}
    void Show() override {}
    bool ShowModal() override {
        asked_ << Message;
        Result = answers_.isEmpty() ? erCancel : answers_.takeFirst();
        return Result != erCancel;
    }
    void Close() override {}

private:
    QStringList& asked_;
    QList<ErrorResult>& answers_;
};

class ScriptedFileDialog : public TppCustomFileDialog {
public:
    explicit ScriptedFileDialog(QStringList& answers) : answers_(answers) {}
    void Show() override {}
    bool ShowModal() override {
        if (answers_.isEmpty())
            return false;
        FileName = answers_.takeFirst();
        return true;
    }
    void Close() override {}

private:
    QStringList& answers_;
};

TEST(ReportTemplateTest, SavedInEitherFormTheLayoutLoadsBackEqual) {
    QTemporaryDir folder;
    for (TppFormatType format : {ftBinary, ftASCII}) {
        ReportForm source;
        source.report->OnEndPage.methodName = "Report1EndPage";
        // The window icon's bytes are kept as they are, picture or not.
        TppIcon icon;
        icon.SetData(QByteArray::fromHex("000001000100101000000100200068040000"));
        source.report->SetIcon(icon);
        const QString saved = folder.filePath("saved.rtm");
        source.reportTemplate().SetFileName(saved);
        source.reportTemplate().SetFormat(format);
        source.report->SetModified(true);
        source.reportTemplate().SaveToFile();
        EXPECT_FALSE(source.report->Modified()) << "saving clears the modified flag";
        EXPECT_TRUE(
            readFile(saved).startsWith(format == ftBinary ? "TPF0" : "object Report1: TppCustomReport"));

        // Loaded from another name, the template keeps that name, not the
        // one stored inside; a handler bound by code stays bound.
        const QString copy = folder.filePath(format == ftBinary ? "copy.rtm" : "copy.txt");
        QFile::remove(copy);
        ASSERT_TRUE(QFile::copy(saved, copy));
        ReportForm target(false);
        bool handled = false;
        target.report->OnEndPage.handler = [&](TppCommunicator*) { handled = true; };
        TppReportTemplate& loading = target.reportTemplate();
        loading.SetFileName(copy);
        loading.SetOffset(77);
        loading.LoadFromFile();

        EXPECT_EQ(loading.FileName(), copy);
        EXPECT_EQ(loading.Format(), format) << "as found in the file";
        EXPECT_EQ(loading.Offset(), 0) << "nothing stood at 77, the signature at the start";
        EXPECT_EQ(target.layout(), source.layout().replace(saved, copy));
        EXPECT_EQ(target.componentNames(), source.componentNames()) << "the report read has not stayed";
        EXPECT_EQ(target.report->DataPipeline(), target.sample.pipeline) << "the form's pipeline, by name";
        EXPECT_TRUE(loading.RenamedNames().isEmpty());
        EXPECT_FALSE(target.report->Modified());
        EXPECT_EQ(target.report->OnEndPage.methodName, "Report1EndPage");
        EXPECT_EQ(target.report->Icon().Data(), icon.Data());
        target.report->OnEndPage(target.report);
        EXPECT_TRUE(handled);
    }
}

// Whatever goes wrong, the report keeps its layout, the form its objects and
// the template its settings.
TEST(ReportTemplateTest, AFailedLoadLeavesTheReportAsItWas) {
    ReportForm other;
    const QByteArray binary = WriteComponents({other.report}, &other.sample.form);
    const QByteArray pipeline = WriteComponents({other.sample.pipeline}, &other.sample.form);
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const Row rows[] = {
        {"truncated", binary.first(binary.size() / 2), "Invalid component stream at byte"},
        {"an unknown class",
         "object Report1: TppCustomReport\r\n  object ppBand1: TppNoSuchBand\r\n  end\r\nend\r\n",
         "Error reading ppBand1: Class TppNoSuchBand not found"},
        {"a pipeline, not a report", pipeline, "The template holds a TppDBPipeline, not a report."},
        {"two reports", binary.chopped(1) + binary,
         "A report template holds one report; this one holds 2 objects."},
        {"a blank line before the text", "\r\nobject Report1: TppCustomReport\r\nend\r\n",
         "Invalid Template Format"},
        {"no template at all", "Dear user,", "Invalid Template Format"},
    };
    for (const Row& row : rows) {
        ReportForm target;
        target.report->SetModified(true);
        target.reportTemplate().SetFileName("kept.rtm");
        const QString layout = target.layout();
        const QStringList names = target.componentNames();
        try {
            target.reportTemplate().LoadFromBytes(row.bytes);
            ADD_FAILURE() << row.name << ": loaded";
        } catch (const EPagewrightError& error) {
            EXPECT_TRUE(error.message().contains(QLatin1String(row.message)))
                << row.name << "\n  expected: " << row.message
                << "\n  got: " << error.message().toStdString();
        }
        EXPECT_EQ(target.layout(), layout) << row.name;
        EXPECT_EQ(target.componentNames(), names) << row.name;
        EXPECT_TRUE(target.report->Modified()) << row.name;
        EXPECT_FALSE(target.report->isLoading()) << row.name;
    }

    ReportForm printing;
    const QString layout = printing.layout();
    printing.report->SetPrinting(true);
    EXPECT_THROW(printing.reportTemplate().LoadFromBytes(binary), ETemplateLoadError)
        << "the bands are in use while the report prints";
    EXPECT_THROW(printing.reportTemplate().New(), ETemplateLoadError);
    printing.report->SetPrinting(false);
    EXPECT_EQ(printing.layout(), layout);

    ReportForm missing;
    missing.reportTemplate().SetFileName(QStringLiteral("/nonexistent/Amortization.rtm"));
    try {
        missing.reportTemplate().LoadFromFile();
        ADD_FAILURE() << "a missing file loaded";
    } catch (const ETemplateLoadError& error) {
        EXPECT_EQ(error.message(), "File not found: /nonexistent/Amortization.rtm");
    }
}

TEST(ReportTemplateTest, NamesTakenInTheFormAreRenamedAndReferencesFollow) {
    ReportForm source;
    const QByteArray stored = WriteComponents({source.report}, &source.sample.form);

    // The form already has a report with the same layout and names.
    ReportForm target;
    auto* second = new TppCustomReport(&target.sample.form);
    second->SetName("Report2");
    const QString firstLayout = target.layout();
    ReportTemplate(*second).LoadFromBytes(stored);

    EXPECT_EQ(target.layout(), firstLayout) << "Report1 keeps its objects and names";
    const QList<std::pair<QString, QString>>& renamed = ReportTemplate(*second).RenamedNames();
    EXPECT_EQ(renamed.size(), 12) << "seven bands, the group and four labels; the report read is no rename";
    TppBand* header = second->GetBand(btHeader);
    ASSERT_NE(header, nullptr);
    ASSERT_EQ(header->ObjectCount(), 2);
    auto* month = static_cast<StreamTestLabel*>(header->Object(0));
    auto* interest = static_cast<StreamTestLabel*>(header->Object(1));
    EXPECT_NE(month->Name(), "ppLabel1");
    EXPECT_EQ(interest->ShiftRelativeTo(), month) << "the renamed label of Report2, not Report1's ppLabel1";
    EXPECT_TRUE(std::find(renamed.begin(), renamed.end(),
                          std::pair{QStringLiteral("ppLabel1"), month->Name()}) != renamed.end());
}

TEST(ReportTemplateTest, ReadErrorsAskTheRegisteredDialogForThatLoadOnly) {
    using R = TppCustomTemplateErrorDialog::ErrorResult;
    const QByteArray text = "object Report1: TppCustomReport\r\n"
                            "  Colour = 1\r\n"
                            "  PageLimit = 3\r\n"
                            "  Shade = 2\r\n"
                            "end\r\n";
    struct Row {
        const char* name;
        QList<R> answers;
        int asked;
        bool loads;
    };
    const Row rows[] = {
        {"cancel ends the load", {R::erCancel}, 1, false},
        {"ignore asks again at the next error", {R::erIgnore, R::erIgnore}, 2, true},
        {"ignore all asks no more", {R::erIgnoreAll}, 1, true},
    };
    for (const Row& row : rows) {
        QStringList asked;
        QList<R> answers;
        RegistryScope registries;
        registries.registerForm<TppCustomTemplateErrorDialog>(
            [&] { return new ScriptedErrorDialog(asked, answers); });
        ReportForm target;
        for (int load = 0; load < 2; ++load) {
            asked.clear();
            answers = row.answers;
            bool loaded = true;
            try {
                target.reportTemplate().LoadFromBytes(text);
            } catch (const ETemplateLoadError&) {
                loaded = false;
            }
            EXPECT_EQ(loaded, row.loads) << row.name;
            EXPECT_EQ(asked.size(), row.asked) << row.name << ", load " << load + 1;
            EXPECT_EQ(target.report->PageLimit(), row.loads ? 3 : 0) << row.name;
        }
        ASSERT_FALSE(asked.isEmpty());
        EXPECT_EQ(asked[0], "Error reading Report1.Colour: Property Colour does not exist (at line 2)\r\n"
                            "Ignore the error and continue?");
    }

    ReportForm unasked;
    EXPECT_THROW(unasked.reportTemplate().LoadFromBytes(text), ETemplateLoadError)
        << "without a registered dialog the first error ends the load";
}

// Saving writes a new file and replaces the old one only when it is complete.
TEST(ReportTemplateTest, SavingNeverLeavesAHalfWrittenFile) {
    QTemporaryDir folder;
    ReportForm form;
    TppReportTemplate& saving = form.reportTemplate();

    const QString locked = folder.filePath("locked.rtm");
    writeFile(locked, "the old template");
    QFile(locked).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    saving.SetFileName(locked);
    EXPECT_TRUE(saving.ReadOnly());
    try {
        saving.SaveToFile();
        ADD_FAILURE() << "saved over a read-only file";
    } catch (const ETemplateSaveError& error) {
        EXPECT_EQ(error.message(), "File is read-only.");
    }
    EXPECT_EQ(readFile(locked), "the old template");

    saving.SetFileName(folder.filePath("no such folder/new.rtm"));
    EXPECT_THROW(saving.SaveToFile(), ETemplateSaveError);
    EXPECT_FALSE(QFile::exists(saving.FileName()));
    saving.SetFileName(QString());
    EXPECT_THROW(saving.SaveToFile(), ETemplateSaveError);

    // A positive offset puts the payload after that many bytes, in a file
    // and after a header a stream already holds.
    saving.SetOffset(16);
    saving.SetFileName(folder.filePath("offset.rtm"));
    saving.SaveToFile();
    EXPECT_EQ(readFile(saving.FileName()).first(20), QByteArray(16, '\0') + "TPF0");
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    buffer.write("HEADER:");
    buffer.seek(0);
    saving.SaveToStream(buffer);
    EXPECT_EQ(buffer.data().first(20), QByteArray("HEADER:") + QByteArray(9, '\0') + "TPF0");

    ReportForm target(false);
    target.reportTemplate().SetOffset(16);
    buffer.seek(0);
    target.reportTemplate().LoadFromStream(buffer);
    EXPECT_EQ(target.reportTemplate().Offset(), 16);
    EXPECT_EQ(target.report->BandCount(), form.report->BandCount());
}

// Templates in a table: a SQLite BLOB field, or the memo field of an
// in-memory table; the record is found by name, replaced when it exists.
TEST(ReportTemplateTest, ATemplateSavedToADatabaseLoadsBackEqual) {
    static int connections = 0;
    const QSqlDatabase db =
        SqlDataset::openSqlite(":memory:", QStringLiteral("templates%1").arg(++connections));
    QSqlQuery(db).exec("CREATE TABLE templates (name TEXT PRIMARY KEY, body BLOB, note TEXT)");
    MemoryTable memoTable;
    memoTable.setFieldDefs({{"name", FieldType::String, 40, 0}, {"body", FieldType::Memo, 0, 0}});
    memoTable.open();

    const auto tableIn = [&](ReportForm& form, Dataset* dataset) {
        auto* pipeline = new TppDBPipeline(&form.sample.form);
        pipeline->SetName("plTemplates");
        pipeline->SetDataSource(new DataSource(&form.sample.form, dataset));
        TppTemplateDBSettings& settings = form.reportTemplate().DatabaseSettings();
        settings.SetDataPipeline(pipeline);
        settings.SetNameField("name");
        settings.SetTemplateField("body");
        settings.SetName("Amortization");
        form.reportTemplate().SetSaveTo(stDatabase);
        return pipeline;
    };
    const auto rowCount = [&] {
        QSqlQuery query("SELECT count(*) FROM templates", db);
        return query.next() ? query.value(0).toInt() : -1;
    };

    SqlDataset sourceTable;
    sourceTable.setDatabase(db);
    sourceTable.setTable("templates");
    ReportForm source;
    tableIn(source, &sourceTable);
    source.reportTemplate().Save();
    source.report->SetPageLimit(9);
    source.reportTemplate().Save();
    EXPECT_EQ(rowCount(), 1) << "the second save replaced the record";

    SqlDataset targetTable;
    targetTable.setDatabase(db);
    targetTable.setTable("templates");
    ReportForm target(false);
    tableIn(target, &targetTable);
    target.reportTemplate().Load();
    EXPECT_EQ(target.layout(), source.layout());
    EXPECT_EQ(target.report->PageLimit(), 9);

    ReportForm memoSource;
    tableIn(memoSource, &memoTable);
    memoSource.reportTemplate().SaveToDatabase();
    ReportForm memoTarget(false);
    tableIn(memoTarget, &memoTable);
    memoTarget.reportTemplate().LoadFromDatabase();
    EXPECT_EQ(memoTarget.layout(), memoSource.layout()) << "the binary form went through text unharmed";

    target.reportTemplate().DatabaseSettings().SetName("Missing");
    try {
        target.reportTemplate().LoadFromDatabase();
        ADD_FAILURE() << "loaded a record that is not there";
    } catch (const ETemplateLoadError& error) {
        EXPECT_EQ(error.message(), "Record not found: Missing");
    }
    target.reportTemplate().DatabaseSettings().SetTemplateField("note");
    try {
        target.reportTemplate().SaveToDatabase();
        ADD_FAILURE() << "stored into a text field";
    } catch (const ETemplateSaveError& error) {
        EXPECT_EQ(error.message(), "Cannot store a template to a field of this type.");
    }
    target.reportTemplate().DatabaseSettings().SetNameField(QString());
    EXPECT_THROW(target.reportTemplate().SaveToDatabase(), ETemplateSaveError)
        << "incomplete settings are an error, not a save that silently does nothing";
    EXPECT_EQ(rowCount(), 1);
}

TEST(ReportTemplateTest, NewLeavesAnEmptyReportWithTheTemplatesSettings) {
    ReportForm form;
    TppReportTemplate& reportTemplate = form.reportTemplate();
    reportTemplate.SetFileName("old.rtm");
    reportTemplate.SetFormat(ftASCII);
    int told = 0;
    reportTemplate.ApplicationHooks.OnNew = [&](TppTemplate&) { ++told; };
    reportTemplate.New();
    EXPECT_EQ(told, 1);
    EXPECT_EQ(form.report->BandCount(), 0);
    EXPECT_EQ(form.report->GroupCount(), 0);
    EXPECT_EQ(form.componentNames(), ReportForm(false).componentNames()) << "the layout was freed";
    EXPECT_EQ(reportTemplate.FileName(), "");
    EXPECT_EQ(reportTemplate.Format(), ftASCII);
}

TEST(ReportTemplateTest, TheFileDialogsChooseTheFileAndRefuseReadOnlyOnesForSaving) {
    QTemporaryDir folder;
    const QString locked = folder.filePath("locked.rtm");
    writeFile(locked, "x");
    QFile(locked).setPermissions(QFileDevice::ReadOwner);
    QStringList answers;
    RegistryScope registries;
    registries.registerForm<TppCustomFileDialog>([&] { return new ScriptedFileDialog(answers); });
    ReportForm form;
    RecordingPrompter prompter;
    form.report->SetWarningPrompter(&prompter);
    TppReportTemplate& reportTemplate = form.reportTemplate();
    reportTemplate.SetFileName("before.rtm");

    answers = {locked, folder.filePath("new.rtm")};
    EXPECT_TRUE(reportTemplate.SaveWithDialog());
    EXPECT_EQ(reportTemplate.FileName(), folder.filePath("new.rtm"));
    EXPECT_EQ(prompter.messages, QStringList({"File is read-only."})) << "and the dialog came again";

    answers = {locked};
    EXPECT_FALSE(reportTemplate.SaveWithDialog()) << "read-only, then cancelled";
    EXPECT_EQ(reportTemplate.FileName(), folder.filePath("new.rtm")) << "the previous name is back";

    answers = {locked};
    EXPECT_TRUE(reportTemplate.LoadWithDialog()) << "a read-only file opens";
    EXPECT_EQ(reportTemplate.FileName(), locked);
}

} // namespace
