#include "ComponentStream.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "EngineClasses.h"
#include "PagewrightErrors.h"
#include "StreamFixtures.h"

#include <gtest/gtest.h>

namespace {

QByteArray crlf(const char* lines) {
    return QByteArray(lines).replace("\n", "\r\n");
}

QByteArray textOf(const OwnedComponent& component, const OwnedComponent* root) {
    return WriteComponents({&component}, root, StreamForm::Text);
}

SampleComponent* sampleWithEveryKind(OwnedComponent& form) {
    auto* other = new SampleComponent(&form);
    other->SetName("Other");
    auto* s = new SampleComponent(&form);
    s->SetName("Sample1");
    s->count = -70000;
    s->color = 0x0000FF;
    s->big = qint64(1) << 40;
    s->ratio = 0.75;
    s->amount = 1.0 / 3;
    s->scale = 0.1f;
    s->price = 12.3456;
    s->stamp = 45000.5;
    s->caption = QString::fromUtf8("Don't pay €");
    s->enabled = false;
    s->shade = shGlossy;
    s->styles = 0b101;
    s->picture = QByteArray::fromHex("0102");
    s->lines = {"first", "second"};
    s->page.mmWidth = 215900;
    s->columns.items.resize(2);
    s->columns.items[0].width = 10;
    s->columns.items[1].title = "Due";
    s->columns.items[1].source = other;
    s->target = other;
    s->onClick.methodName = "Sample1Click";
    s->offset = 250;
    s->blob = QByteArray("\x00\x01", 2);
    return s;
}

TEST(ComponentStreamTest, EveryKindOfPropertyIsWrittenInItsFormAndReadBack) {
    registerStreamTestClasses();
    OwnedComponent form;
    SampleComponent* written = sampleWithEveryKind(form);
    const QByteArray text = textOf(*written, &form);
    EXPECT_EQ(text, crlf("object Sample1: TSampleComponent\n"
                         "  Count = -70000\n"
                         "  Color = clRed\n"
                         "  Big = 1099511627776\n"
                         "  Ratio = 0.750000000000000000\n"
                         "  Amount = 3.3333333333333331483e-01\n"
                         "  Scale = 0.1s\n"
                         "  Price = 12.3456c\n"
                         "  Stamp = 45000.5d\n"
                         "  Caption = 'Don'#39't pay '#8364\n"
                         "  Enabled = False\n"
                         "  Shade = shGlossy\n"
                         "  Styles = [fsBold, fsUnderline]\n"
                         "  Picture = {0102}\n"
                         "  Lines.Strings = (\n"
                         "    'first'\n"
                         "    'second')\n"
                         "  Page.mmHeight = 279401\n"
                         "  Page.mmWidth = 215900\n"
                         "  Page.mmMarginLeft = 6350\n"
                         "  Page.mmMarginRight = 6350\n"
                         "  Page.mmMarginTop = 6350\n"
                         "  Page.mmMarginBottom = 6350\n"
                         "  Columns = <\n"
                         "    item\n"
                         "      Width = 10\n"
                         "    end\n"
                         "    item\n"
                         "      Width = 0\n"
                         "      Title = 'Due'\n"
                         "      Source = Other\n"
                         "    end>\n"
                         "  Target = Other\n"
                         "  OnClick = Sample1Click\n"
                         "  mmOffset = 250\n"
                         "  Blob = {0001}\n"
                         "end\n"))
        << text.constData();

    for (StreamForm form2 : {StreamForm::Binary, StreamForm::Text}) {
        OwnedComponent reading;
        auto* other = new SampleComponent(&reading);
        other->SetName("Other");
        const ReadResult result = ReadComponents(WriteComponents({written}, &form, form2), reading);
        ASSERT_EQ(result.components.size(), 1);
        const auto* read = dynamic_cast<SampleComponent*>(result.components[0]);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->Name(), "Sample1");
        EXPECT_EQ(read->count, -70000);
        EXPECT_EQ(read->color, 0x0000FF);
        EXPECT_EQ(read->big, qint64(1) << 40);
        EXPECT_EQ(read->ratio, 0.75);
        EXPECT_EQ(read->amount, 1.0 / 3) << "a double goes through the 80-bit float unchanged";
        EXPECT_EQ(read->scale, 0.1f);
        EXPECT_EQ(read->price, 12.3456);
        EXPECT_EQ(read->stamp, 45000.5);
        EXPECT_EQ(read->caption, QString::fromUtf8("Don't pay €"));
        EXPECT_FALSE(read->enabled);
        EXPECT_EQ(read->shade, shGlossy);
        EXPECT_EQ(read->styles, 0b101u);
        EXPECT_EQ(read->picture, QByteArray::fromHex("0102"));
        EXPECT_EQ(read->lines, QStringList({"first", "second"}));
        EXPECT_EQ(read->page.mmWidth, 215900);
        ASSERT_EQ(read->columns.items.size(), 2u);
        EXPECT_EQ(read->columns.items[0].width, 10);
        EXPECT_EQ(read->columns.items[1].source, other) << "a reference inside a collection item";
        EXPECT_EQ(read->target, other);
        EXPECT_EQ(read->onClick.methodName, "Sample1Click");
        EXPECT_EQ(read->offset, 250);
        EXPECT_EQ(read->blob, QByteArray("\x00\x01", 2));
        EXPECT_EQ(read->Owner(), &reading);
        EXPECT_FALSE(read->isLoading()) << "loaded once the whole stream was read";
    }
}

TEST(ComponentStreamTest, PropertiesAtTheirDefaultsAreNotWritten) {
    OwnedComponent form;
    auto* fresh = new SampleComponent(&form);
    fresh->SetName("S1");
    fresh->page = TppPageDef();
    EXPECT_EQ(textOf(*fresh, &form), crlf("object S1: TSampleComponent\n"
                                          "  Count = 0\n"
                                          "  Page.mmHeight = 279401\n"
                                          "  Page.mmWidth = 215900\n"
                                          "  Page.mmMarginLeft = 6350\n"
                                          "  Page.mmMarginRight = 6350\n"
                                          "  Page.mmMarginTop = 6350\n"
                                          "  Page.mmMarginBottom = 6350\n"
                                          "  mmOffset = 0\n"
                                          "end\n"))
        << "integers without a declared default, nested integers and defined properties are always written";
}

TEST(ComponentStreamTest, TheReportReadsBackAsTheLayoutItWasWrittenFrom) {
    SampleForm sample;
    for (StreamForm form : {StreamForm::Binary, StreamForm::Text}) {
        const QByteArray stream = WriteComponents({sample.report}, &sample.form, form);
        SampleForm target(SampleForm::PipelineOnly);
        const int before = target.form.ComponentCount();
        const ReadResult result = ReadComponents(stream, target.form);
        ASSERT_EQ(result.components.size(), 1);
        auto* report = dynamic_cast<StreamTestReport*>(result.components[0]);
        ASSERT_NE(report, nullptr);
        EXPECT_TRUE(result.renamed.isEmpty());
        EXPECT_TRUE(result.unresolvedReferences.isEmpty())
            << result.unresolvedReferences.join(", ").toStdString();
        EXPECT_EQ(target.form.ComponentCount(), before + 13)
            << "the report, 7 bands, a group and 4 labels joined the form, "
               "and so did nothing else";
        EXPECT_EQ(report->DataPipeline(), target.pipeline) << "found by name in the form";
        ASSERT_EQ(report->BandCount(), 7);
        EXPECT_EQ(report->Band(1)->Name(), "ppHeaderBand1");
        EXPECT_EQ(report->Band(1)->mmHeight(), 52652);
        ASSERT_EQ(report->GroupCount(), 1);
        TppGroup* group = report->Group(0);
        EXPECT_EQ(group->BreakName(), "Month");
        EXPECT_EQ(group->FooterBand()->Name(), "ppGroupFooterBand1");
        ASSERT_EQ(group->FooterBand()->ObjectCount(), 1);
        auto* total = dynamic_cast<StreamTestLabel*>(group->FooterBand()->Object(0));
        ASSERT_NE(total, nullptr);
        EXPECT_EQ(total->Caption(), "Total");
        EXPECT_EQ(total->GroupNo(), 0);
        auto* payment = dynamic_cast<StreamTestLabel*>(target.form.FindComponent("ppLabel3"));
        ASSERT_NE(payment, nullptr);
        EXPECT_EQ(payment->DataPipeline(), target.pipeline) << "DataPipelineName resolved when loaded";
        EXPECT_EQ(payment->Band(), report->GetBand(btDetail));
        EXPECT_EQ(WriteComponents({report}, &target.form, form), stream) << "written again, the same bytes";
    }
}

TEST(ComponentStreamTest, PipelinesKeepTheirFieldsAndLinks) {
    SampleForm sample(SampleForm::PipelineOnly);
    const QByteArray stream = WriteComponents({sample.pipeline}, &sample.form);
    OwnedComponent form;
    const ReadResult result = ReadComponents(stream, form);
    auto* pipeline = dynamic_cast<TppDBPipeline*>(result.components.value(0));
    ASSERT_NE(pipeline, nullptr);
    EXPECT_EQ(pipeline->UserName(), "Schedule");
    EXPECT_EQ(pipeline->FieldCount(), 2);
    ASSERT_NE(pipeline->FieldForName("Payment"), nullptr);
    EXPECT_EQ(pipeline->FieldForName("Payment")->DataType(), dtDouble);
    EXPECT_EQ(pipeline->LinkCount(), 1) << "links are written inside their pipeline and join it again";
    EXPECT_EQ(WriteComponents({pipeline}, &form), stream);
}

TEST(ComponentStreamTest, EveryRegisteredClassSurvivesBinaryToTextToBinary) {
    SampleForm sample;
    registerEngineClasses();
    int checked = 0;
    for (const ClassInfo* info : ClassRegistry::instance().classes()) {
        if (!info->isCreatable())
            continue;
        OwnedComponent form;
        auto* component = dynamic_cast<OwnedComponent*>(info->create(&form));
        ASSERT_NE(component, nullptr) << info->name().toStdString();
        component->SetName("Object1");
        const QByteArray binary = WriteComponents({component}, &form);
        const QByteArray text = writeComponentStream(parseComponentStream(binary), StreamForm::Text);
        EXPECT_EQ(writeComponentStream(parseComponentStream(text), StreamForm::Binary).toHex(),
                  binary.toHex())
            << info->name().toStdString();
        OwnedComponent reading;
        const ReadResult result = ReadComponents(text, reading);
        ASSERT_EQ(result.components.size(), 1) << info->name().toStdString();
        EXPECT_EQ(WriteComponents({result.components[0]}, &reading).toHex(), binary.toHex())
            << info->name().toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 50)
        << "the model's, the pipelines', the output's, the engine's and the tests' classes";
}

TEST(ComponentStreamTest, ClashingNamesAreRenamedAndReferencesFollowTheRename) {
    registerStreamTestClasses();
    const QByteArray stream = "object A: TSampleComponent\n  Target = B\nend\n"
                              "object B: TSampleComponent\n  Target = A\nend\n";
    OwnedComponent form;
    auto* existing = new SampleComponent(&form);
    existing->SetName("B");
    const ReadResult result = ReadComponents(stream, form);
    ASSERT_EQ(result.components.size(), 2);
    auto* a = static_cast<SampleComponent*>(result.components[0]);
    auto* b = static_cast<SampleComponent*>(result.components[1]);
    EXPECT_EQ(a->Name(), "A");
    EXPECT_EQ(b->Name(), "SampleComponent1");
    EXPECT_EQ(a->target, b) << "the read B, not the form's";
    EXPECT_EQ(b->target, a);
    ASSERT_EQ(result.renamed.size(), 1);
    EXPECT_EQ(result.renamed[0].first, "B");
    EXPECT_EQ(result.renamed[0].second, b);
    EXPECT_EQ(existing->Name(), "B");
}

TEST(ComponentStreamTest, ReferencesReachOtherRootsThroughTheirNames) {
    registerStreamTestClasses();
    OwnedComponent application;
    auto* form1 = new OwnedComponent(&application);
    form1->SetName("Form1");
    auto* form2 = new OwnedComponent(&application);
    form2->SetName("Form2");
    auto* table = new SampleComponent(form2);
    table->SetName("Table1");
    auto* local = new SampleComponent(form1);
    local->SetName("Local1");
    auto* sample = new SampleComponent(form1);
    sample->SetName("Sample1");
    sample->target = table;
    sample->columns.items.resize(1);
    sample->columns.items[0].source = local;
    const QByteArray text = textOf(*sample, form1);
    EXPECT_TRUE(text.contains("  Target = Form2.Table1\r\n")) << text.constData();
    EXPECT_TRUE(text.contains("      Source = Local1\r\n")) << "a component of the root goes by its own name";

    delete sample;
    const ReadResult result = ReadComponents(text, *form1);
    auto* read = static_cast<SampleComponent*>(result.components.value(0));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->target, table);
    EXPECT_EQ(read->columns.items[0].source, local);

    OwnedComponent elsewhere;
    const ReadResult lost = ReadComponents(text, elsewhere);
    EXPECT_EQ(lost.unresolvedReferences,
              QStringList({"Sample1.Columns.Source: Local1", "Sample1.Target: Form2.Table1"}));
    EXPECT_EQ(static_cast<SampleComponent*>(lost.components[0])->target, nullptr) << "left unset";
}

TEST(ComponentStreamTest, NamesThatCannotBeReadBackAreNotWritten) {
    OwnedComponent form;
    auto* sample = new SampleComponent(&form);
    sample->SetName("S1");
    sample->onClick.methodName = "Sample Click";
    try {
        textOf(*sample, &form);
        ADD_FAILURE() << "written";
    } catch (const ETemplateSaveError& error) {
        EXPECT_EQ(error.message(), "Cannot write OnClick: \"Sample Click\" is not an identifier");
    }
}

// Read errors: the message names the object and the property; without a
// handler the read ends and the form keeps exactly what it had; a handler
// that skips the errors gets each message and the rest of the stream.
TEST(ComponentStreamTest, ReadErrorsNameTheirPlaceAndLeaveTheFormAsItWas) {
    registerStreamTestClasses();
    struct Row {
        const char* name;
        const char* text; // inside "object Report1: TStreamTestReport" ... "end"
        const char* message;
    };
    const Row rows[] = {
        {"unknown class", "  object ppBand1: TppNoSuchBand\n  end\n",
         "Error reading ppBand1: Class TppNoSuchBand not found"},
        {"unknown property", "  Colour = 5\n",
         "Error reading Report1.Colour: Property Colour does not exist"},
        {"unknown nested property", "  PageDef.mmDepth = 5\n",
         "Error reading Report1.PageDef.mmDepth: Property mmDepth does not exist"},
        {"value of the wrong kind", "  AutoStop = 'yes'\n",
         "Error reading Report1.AutoStop: Invalid property value: a string where True or False belongs"},
        {"enumeration name unknown", "  Units = utFurlongs\n",
         "Error reading Report1.Units: Invalid property value: unknown name utFurlongs"},
        {"integer too wide", "  PageDef.mmWidth = 4294967296\n",
         "Error reading Report1.PageDef.mmWidth: Invalid property value: an integer where a 32-bit integer "
         "belongs"},
        {"a band inside a band",
         "  object ppDetailBand1: TppDetailBand\n    object ppTitleBand1: TppTitleBand\n    end\n  end\n",
         "Error reading ppTitleBand1: a TppTitleBand cannot be placed in ppDetailBand1 (TppDetailBand)"},
        {"inherited without an ancestor", "  inherited ppTitleBand1: TppTitleBand\n  end\n",
         "Error reading ppTitleBand1: inherited and inline objects need an ancestor"},
        {"an object given a value", "  PageDef = 5\n",
         "Error reading Report1.PageDef: Property PageDef holds an object"},
    };
    for (const Row& row : rows) {
        const QByteArray text = "object Report1: TStreamTestReport\n  AutoStop = False\n" +
                                QByteArray(row.text) +
                                "  object ppFooterBand1: TppFooterBand\n    mmHeight = 5000\n  end\nend\n";
        SampleForm target(SampleForm::PipelineOnly);
        const QList<OwnedComponent*> before = target.form.components();
        const QList<TppCommunicator*> links = target.pipeline->links();
        try {
            ReadComponents(text, target.form);
            ADD_FAILURE() << row.name << ": read without error";
        } catch (const ETemplateLoadError& error) {
            EXPECT_TRUE(error.message().startsWith(QLatin1String(row.message)))
                << row.name << "\n  expected: " << row.message
                << "\n  got: " << error.message().toStdString();
        }
        EXPECT_EQ(target.form.components(), before) << row.name << ": nothing read stays behind";
        EXPECT_EQ(target.pipeline->links(), links) << row.name << ": nor holds on to the form's objects";

        QStringList reported;
        ReadOptions skipping;
        skipping.onError = [&](const QString& message) {
            reported << message;
            return true;
        };
        const ReadResult result = ReadComponents(text, target.form, nullptr, skipping);
        EXPECT_EQ(reported.size(), 1) << row.name;
        ASSERT_EQ(result.components.size(), 1) << row.name;
        auto* report = static_cast<StreamTestReport*>(result.components[0]);
        EXPECT_FALSE(report->AutoStop()) << row.name << ": what came before the error was read";
        ASSERT_NE(report->GetBand(btFooter), nullptr) << row.name << ": and what came after";
        EXPECT_EQ(report->GetBand(btFooter)->mmHeight(), 5000) << row.name;
        delete report;
    }
}

TEST(ComponentStreamTest, NamesOnlyOlderStreamsHoldAreReadWhateverTheyStored) {
    registerStreamTestClasses();
    OwnedComponent form;
    const ReadResult result = ReadComponents("object S1: TSampleComponent\n"
                                             "  OldCaption = 'from 1999'\n"
                                             "end\n"
                                             "object ppDetailBand1: TppDetailBand\n"
                                             "  Left = 'anything'\n"
                                             "  OnPrint = DetailPrint\n"
                                             "end\n",
                                             form);
    ASSERT_EQ(result.components.size(), 2);
    EXPECT_EQ(static_cast<SampleComponent*>(result.components[0])->legacy, "from 1999");
}

} // namespace
