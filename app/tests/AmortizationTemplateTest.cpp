#include "AmortizationLayout.h"
#include "ComponentWriter.h"
#include "EngineClasses.h"
#include "PagewrightErrors.h"
#include "TemplateClasses.h"
#include "TppDBPipeline.h"
#include "TppDBText.h"
#include "TppGroup.h"
#include "TppLabel.h"
#include "TppReport.h"
#include "TppReportTemplate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The main window's objects the template refers to: the form with its
// pipeline over the schedule, and Report1.
struct AmortizationForm {
    AmortizationForm() {
        registerEngineClasses();
        registerTemplateClasses();
        form.SetName(QStringLiteral("frmMain"));
        pipeline = new TppDBPipeline(&form);
        pipeline->SetName(QStringLiteral("ppDBPipeline1"));
        pipeline->SetUserName(QStringLiteral("DBPipeline1"));
        report = new TppReport(&form);
        report->SetName(QStringLiteral("Report1"));
    }
    TppReportTemplate& reportTemplate() { return ReportTemplate(*report); }
    // The report as a template stores it, one property a line: a difference
    // shows as a readable diff.
    std::string layout() const { return WriteComponents({report}, &form, StreamForm::Text).toStdString(); }
    template <class T> T* component(const char* name) const {
        return dynamic_cast<T*>(form.FindComponent(QLatin1String(name)));
    }

    OwnedComponent form;
    TppDBPipeline* pipeline;
    TppReport* report;
};

// The copy the build puts beside the executable, where Kestrel looks.
QString shippedTemplate() {
    return QFileInfo(QStringLiteral(KESTREL_EXECUTABLE)).dir().filePath(QStringLiteral("Amortization.rtm"));
}

QByteArray shippedBytes() {
    QFile file(shippedTemplate());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(AmortizationTemplateTest, TheShippedTemplateHoldsTheBuiltInLayout) {
    AmortizationForm builtIn;
    buildAmortizationLayout(*builtIn.report, *builtIn.pipeline);

    AmortizationForm loaded;
    loaded.reportTemplate().SetFileName(shippedTemplate());
    loaded.reportTemplate().LoadFromFile();
    EXPECT_EQ(loaded.reportTemplate().Format(), ftASCII);
    EXPECT_TRUE(loaded.reportTemplate().UnresolvedReferences().isEmpty());
    EXPECT_TRUE(loaded.reportTemplate().RenamedNames().isEmpty());
    // A load remembers where it read from and the form it found; the rest
    // is the layout.
    builtIn.reportTemplate().SetFileName(shippedTemplate());
    builtIn.reportTemplate().SetFormat(ftASCII);
    EXPECT_EQ(loaded.layout(), builtIn.layout());

    // What the window and the engine rely on, beyond the stream's equality.
    for (const AmortizationForm* form : {&builtIn, &loaded}) {
        const TppReport& report = *form->report;
        EXPECT_EQ(report.BandCount(), 5) << "header, detail, footer and the year group's two";
        ASSERT_EQ(report.GroupCount(), 1);
        EXPECT_EQ(report.Groups()[0]->BreakName(), "DATE");
        EXPECT_EQ(report.DataPipeline(), form->pipeline);
        EXPECT_FALSE(report.AutoStop());
        EXPECT_EQ(report.PageDef().mmWidth, 215900);
        EXPECT_EQ(report.PageDef().mmHeight, 279401);
        EXPECT_EQ(report.PageDef().printableWidth(), 203200);
        EXPECT_EQ(report.PreviewFormSettings().WindowState(), wsMaximized);
        EXPECT_EQ(report.PreviewFormSettings().ZoomSetting(), zsPageWidth);
        for (const char* name : {"pplblAutoLoanAmt", "pplblLoanTerm", "pplblInterestRate", "pplblMonthPay",
                                 "pplblTotInterest", "pplblTotPay"}) {
            const TppLabel* label = form->component<TppLabel>(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->Band(), report.HeaderBand()) << name;
            EXPECT_TRUE(label->Caption().isEmpty()) << name << ": the window fills it in";
        }
        const TppDBText* balance = form->component<TppDBText>("ppDBText6");
        ASSERT_NE(balance, nullptr);
        EXPECT_EQ(balance->Band(), report.DetailBand());
        EXPECT_EQ(balance->DataPipeline(), form->pipeline);
        EXPECT_EQ(balance->DataField(), "BALANCE");
        EXPECT_EQ(balance->DisplayFormat(), "#,0.00");
        EXPECT_EQ(balance->TextAlignment(), taRightJustified);
    }
}

// Damage to the shipped template, truncated or a byte inverted, ends in a
// clean load or in a load error that leaves Report1 as it was. Under the
// sanitizer build this also shows that no damage makes the reader overrun,
// leak or touch freed objects. The binary form is damaged at every byte; the
// text form, whose reader turns it into the binary one, at every 16th.
TEST(AmortizationTemplateTest, DamagedAtEveryByteTheTemplateLoadsOrLeavesTheReportAsItWas) {
    AmortizationForm form;
    buildAmortizationLayout(*form.report, *form.pipeline);
    const QByteArray text = shippedBytes();
    ASSERT_FALSE(text.isEmpty());
    const QByteArray binary = WriteComponents({form.report}, &form.form);

    int loaded = 0;
    int refused = 0;
    for (const auto& form_ : {std::pair{binary, 1}, std::pair{text, 16}}) {
        // Named, not bound: the lambda below captures it, which a structured binding cannot be
        // for every compiler.
        const QByteArray& intact = form_.first;
        const int step = form_.second;
        const std::string streamForm = step == 1 ? "binary" : "text";
        // The template remembers the form it last loaded.
        form.reportTemplate().LoadFromBytes(intact);
        const std::string before = form.layout();
        QList<OwnedComponent*> components = form.form.components();
        const auto load = [&](const QByteArray& bytes, const std::string& what) {
            try {
                form.reportTemplate().LoadFromBytes(bytes);
                ++loaded;
                form.reportTemplate().LoadFromBytes(intact);
                components = form.form.components();
                return;
            } catch (const EPagewrightError&) {
                ++refused;
            }
            // A refused load hands the report its own objects back; their
            // contents are compared now and then, writing them out is slow.
            ASSERT_EQ(form.form.components(), components) << streamForm << " " << what;
            if (refused % 64 == 0) {
                ASSERT_EQ(form.layout(), before) << streamForm << " " << what;
            }
        };
        for (qsizetype length = 0; length < intact.size() && !HasFatalFailure(); length += step)
            load(intact.first(length), "truncated to " + std::to_string(length) + " bytes");
        for (qsizetype at = 0; at < intact.size() && !HasFatalFailure(); at += step) {
            QByteArray damaged = intact;
            damaged[at] = char(~damaged[at]);
            load(damaged, "byte " + std::to_string(at) + " inverted");
        }
        EXPECT_EQ(form.layout(), before) << streamForm;
    }
    EXPECT_GT(loaded, 0) << "some damage only changes a value";
    EXPECT_GT(refused, loaded);
}

} // namespace
