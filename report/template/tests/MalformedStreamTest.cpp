#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "PagewrightErrors.h"
#include "StreamFixtures.h"
#include "TemplateClasses.h"
#include "TppCustomReport.h"
#include "TppReportTemplate.h"

#include <gtest/gtest.h>

namespace {

// Reads damaged data into a form that already holds a pipeline: the read
// either fails with the stream's own errors, leaving the form exactly as it
// was, or succeeds. Under the sanitizer build this also shows that no
// damage makes the reader overrun, leak or touch freed objects.
class MalformedStreamTest : public testing::Test {
protected:
    void expectErrorOrCleanLoad(const QByteArray& data, const std::string& what) {
        const QList<OwnedComponent*> before = target.form.components();
        try {
            const ReadResult result = ReadComponents(data, target.form);
            for (OwnedComponent* component : result.components)
                delete component;
            ++loaded;
        } catch (const ETemplateLoadError&) {
            ++refused;
        } catch (const EInvalidTemplateError&) {
            ++refused;
        }
        // What a clean load made beyond its top-level objects (an orphan band
        // when a group names two header bands) is the form's; clear it for
        // the next round.
        for (OwnedComponent* component : target.form.components())
            if (!before.contains(component))
                delete component;
        ASSERT_EQ(target.form.components(), before) << what;
    }

    SampleForm sample;
    SampleForm target{SampleForm::PipelineOnly};
    int loaded = 0;
    int refused = 0;
};

TEST_F(MalformedStreamTest, TruncatedOrMutatedAtEveryByteTheBinaryFormFailsCleanly) {
    const QByteArray stream = WriteComponents({sample.report}, &sample.form);
    for (qsizetype length = 0; length < stream.size(); ++length)
        expectErrorOrCleanLoad(stream.first(length), "truncated to " + std::to_string(length) + " bytes");
    EXPECT_EQ(loaded, 0) << "a stream cut short anywhere, even just before its end-of-list byte, is refused";

    // Each byte flipped, cleared and set: lengths, tags, counts and names
    // all take each of these somewhere in the stream.
    for (qsizetype at = 0; at < stream.size(); ++at)
        for (const char replacement : {char(~stream[at]), '\0', '\xff'}) {
            QByteArray damaged = stream;
            damaged[at] = replacement;
            expectErrorOrCleanLoad(damaged, "byte " + std::to_string(at) + " set to " +
                                                std::to_string(quint8(replacement)));
        }
    EXPECT_GT(refused, int(stream.size())) << "most damage is noticed";
}

TEST_F(MalformedStreamTest, TruncatedAtEveryByteTheTextFormFailsCleanly) {
    const QByteArray text = WriteComponents({sample.report}, &sample.form, StreamForm::Text);
    for (qsizetype length = 0; length < text.size(); length += 3)
        expectErrorOrCleanLoad(text.first(length), "text truncated to " + std::to_string(length) + " bytes");
    for (qsizetype at = 0; at < text.size(); at += 2) {
        QByteArray damaged = text;
        damaged[at] = '\'';
        expectErrorOrCleanLoad(damaged, "an apostrophe at " + std::to_string(at));
    }
}

// A whole template load over damaged bytes: the report either takes the
// layout or keeps the one it had, and the form holds nothing else.
TEST(MalformedTemplateTest, TruncatedOrMutatedAtEveryByteATemplateLoadsOrLeavesTheReportAsItWas) {
    SampleForm form(SampleForm::PipelineOnly);
    registerTemplateClasses();
    auto* report = new TppCustomReport(&form.form);
    report->SetName("Report1");
    addSampleLayout(form.form, report, form.pipeline);
    const QByteArray stored = WriteComponents({report}, &form.form);
    const QByteArray before = WriteComponents({report}, &form.form, StreamForm::Text);
    const QList<OwnedComponent*> components = form.form.components();
    TppReportTemplate& reportTemplate = ReportTemplate(*report);

    int loaded = 0;
    const auto load = [&](const QByteArray& bytes, const std::string& what) {
        try {
            reportTemplate.LoadFromBytes(bytes);
            ++loaded;
            // Back to the original layout for the next round.
            reportTemplate.LoadFromBytes(stored);
            return;
        } catch (const EPagewrightError&) {
        }
        ASSERT_EQ(WriteComponents({report}, &form.form, StreamForm::Text), before) << what;
        ASSERT_EQ(form.form.components().size(), components.size()) << what;
    };
    for (qsizetype length = 0; length < stored.size(); ++length)
        load(stored.first(length), "truncated to " + std::to_string(length) + " bytes");
    for (qsizetype at = 0; at < stored.size(); ++at) {
        QByteArray damaged = stored;
        damaged[at] = char(~damaged[at]);
        load(damaged, "byte " + std::to_string(at) + " inverted");
    }
    EXPECT_GT(loaded, 0) << "some damage still reads (a changed value)";
    EXPECT_EQ(WriteComponents({report}, &form.form, StreamForm::Text), before);
}

} // namespace
