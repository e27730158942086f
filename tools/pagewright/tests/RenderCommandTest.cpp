#include "RenderCommand.h"
#include "CommandRun.h"
#include "ComponentStream.h"
#include "TraProgramStream.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

CommandRun render(const QStringList& arguments) {
    return runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runRenderCommand(arguments, out, err, clock);
    });
}

// A listing of the field NAME, 10000 a line on a 100000 square page with
// margins of 10000: eight lines a page. `pipeline` is the name the template
// calls its pipeline by.
QByteArray listing(const QByteArray& pipeline) {
    return "object Report1: TppReport\n"
           "  PrinterSetup.mmMarginBottom = 10000\n"
           "  PrinterSetup.mmMarginLeft = 10000\n"
           "  PrinterSetup.mmMarginRight = 10000\n"
           "  PrinterSetup.mmMarginTop = 10000\n"
           "  PrinterSetup.mmPaperHeight = 100000\n"
           "  PrinterSetup.mmPaperWidth = 100000\n"
           "  AutoStop = False\n"
           "  DataPipeline = " +
           pipeline +
           "\n"
           "  object ppDetailBand1: TppDetailBand\n"
           "    mmHeight = 10000\n"
           "    object ppDBText1: TppDBText\n"
           "      DataField = 'NAME'\n"
           "      DataPipelineName = '" +
           pipeline +
           "'\n"
           "      AutoSize = False\n"
           "      mmHeight = 5000\n"
           "      mmWidth = 30000\n"
           "      BandType = 4\n"
           "    end\n"
           "  end\n"
           "end\n";
}

class RenderCommandTest : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // A CSV of `rows` names, "row 1" ... .
    QString names(int rows) {
        QByteArray csv = "NAME\n";
        for (int row = 1; row <= rows; ++row)
            csv += "row " + QByteArray::number(row) + "\n";
        return write(QStringLiteral("names.csv"), csv);
    }
    // The page headers and texts of a dump, without the geometry (nor the pages' outlines).
    static QStringList outline(const QString& dump) {
        QStringList lines;
        for (const QString& line : dump.split(u'\n', Qt::SkipEmptyParts))
            if (!line.startsWith(u"TppOutlineDrawCommand "))
                lines << (line.startsWith(u"page") ? line : line.section(u'"', 1, 1));
        return lines;
    }
    QTemporaryDir folder;
};

TEST_F(RenderCommandTest, NameIsThePipelinesUserNameHoweverTheTemplateCallsIt) {
    const QString data = QStringLiteral("Orders=") + names(3);
    const QStringList expected = {"page 1 of 1", "row 1", "row 2", "row 3"};
    const std::pair<const char*, QByteArray> templates[] = {
        {"designed.rtm", listing("ppOrders")},
        {"by hand.rtm", listing("Orders")},
        {"other case.rtm", listing("PPORDERS")},
        {"binary.rtm", writeComponentStream(parseComponentStream(listing("ppOrders")), StreamForm::Binary)},
    };
    for (const auto& [name, bytes] : templates) {
        const CommandRun run = render({write(QString::fromLatin1(name), bytes), "--data", data, "--dump"});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err.toStdString();
        EXPECT_EQ(outline(run.out), expected) << name;
    }
}

// The detail's current record follows its master's: a text of the detail
// beside the master's shows the first line of each order.
TEST_F(RenderCommandTest, ALinkMakesOnePipelineTheDetailOfAnother) {
    QByteArray withDetail = listing("ppOrders");
    withDetail.replace("    end\n  end\nend\n", "    end\n"
                                                "    object ppDBText2: TppDBText\n"
                                                "      DataField = 'ITEM'\n"
                                                "      DataPipelineName = 'ppLines'\n"
                                                "      AutoSize = False\n"
                                                "      mmLeft = 40000\n"
                                                "      mmHeight = 5000\n"
                                                "      mmWidth = 30000\n"
                                                "      BandType = 4\n"
                                                "    end\n"
                                                "  end\n"
                                                "end\n");
    const QString report = write(QStringLiteral("orders.rtm"), withDetail);
    const QString orders = QStringLiteral("Orders=") + write("orders.csv", "NAME\nA\nB\nC\n");
    const QString lines =
        QStringLiteral("Lines=") + write("lines.csv", "ORDER,ITEM\nA,a1\nA,a2\nB,b1\nC,c1\n");
    const CommandRun linked =
        render({report, "--data", orders, "--data", lines, "--link", "Lines.ORDER=Orders.NAME", "--dump"});
    ASSERT_EQ(linked.status, 0) << linked.err.toStdString();
    EXPECT_EQ(outline(linked.out), QStringList({"page 1 of 1", "A", "a1", "B", "b1", "C", "c1"}));

    const CommandRun misspelt =
        render({report, "--data", orders, "--data", lines, "--link", "Lines.ORDER_ID=Orders.NAME", "--dump"});
    EXPECT_EQ(misspelt.status, 1);
    EXPECT_TRUE(misspelt.err.contains("--link: the pipeline Lines has no field ORDER_ID."))
        << misspelt.err.toStdString();
}

TEST_F(RenderCommandTest, PagesAskedForAreTheOnlyOnesWritten) {
    const QString report = write(QStringLiteral("listing.rtm"), listing("ppOrders"));
    const QString data = QStringLiteral("Orders=") + names(20); // pages of 8, 8 and 4
    for (const QString& pass : {QStringLiteral("one"), QStringLiteral("two")}) {
        const CommandRun run = render({report, "--data", data, "--pass", pass, "--pages", "1,3", "--dump"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QStringList lines = outline(run.out);
        ASSERT_EQ(lines.size(), 2 + 8 + 4) << run.out.toStdString();
        EXPECT_EQ(lines[0], "page 1 of 3") << pass.toStdString();
        EXPECT_EQ(lines[1], "row 1");
        EXPECT_EQ(lines[9], "page 3 of 3") << pass.toStdString();
        EXPECT_EQ(lines[10], "row 17")
            << "page 3 continues where page 2 ended, though page 2 was not asked for";
    }
}

TEST_F(RenderCommandTest, SqliteTablesAndQueriesFeedThePipeline) {
    const QString database = folder.filePath(QStringLiteral("shop.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("render-test"));
        db.setDatabaseName(database);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QStringLiteral("CREATE TABLE orders (NAME TEXT, QTY INTEGER)")));
        ASSERT_TRUE(
            query.exec(QStringLiteral("INSERT INTO orders VALUES ('pens', 3), ('ink', 1), ('paper', 7)")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("render-test"));
    const QString report = write(QStringLiteral("listing.rtm"), listing("ppOrders"));
    const std::pair<QString, QStringList> cases[] = {
        {"sqlite:" + database + "?table=orders", {"page 1 of 1", "pens", "ink", "paper"}},
        {"sqlite:" + database + "?query=SELECT NAME FROM orders WHERE QTY > 2 ORDER BY NAME",
         {"page 1 of 1", "paper", "pens"}},
    };
    for (const auto& [source, expected] : cases) {
        const CommandRun run = render({report, "--data", "Orders=" + source, "--dump"});
        EXPECT_EQ(run.status, 0) << source.toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(outline(run.out), expected) << source.toStdString();
    }
}

// Rows are read as the pages need them and read again from a page's first
// row when a page is made alone; a page must come out the same either way,
// from every kind of source, also far beyond the rows read last.
TEST_F(RenderCommandTest, EveryPageAskedForAloneIsThePageOfTheWholeRun) {
    constexpr int kRows = 1000; // 125 pages of 8
    const QString database = folder.filePath(QStringLiteral("names.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pages-alone"));
        db.setDatabaseName(database);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        query.exec(QStringLiteral("CREATE TABLE names (NAME TEXT)"));
        db.transaction();
        for (int row = 1; row <= kRows; ++row)
            query.exec(QStringLiteral("INSERT INTO names VALUES ('row %1')").arg(row));
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pages-alone"));
    QByteArray declared = "NAME:dtString\n";
    for (int row = 1; row <= kRows; ++row)
        declared += "row " + QByteArray::number(row) + "\n";
    const QString sources[] = {
        names(kRows),
        write(QStringLiteral("declared.csv"), declared),
        "sqlite:" + database + "?table=names",
        "sqlite:" + database + "?query=SELECT NAME FROM names ORDER BY rowid",
    };
    const QString report = write(QStringLiteral("listing.rtm"), listing("ppOrders"));
    // The dump of each page, by its number.
    const auto pagesOf = [](const QString& dump) {
        std::map<int, QString> pages;
        int page = 0;
        for (const QString& line : dump.split(u'\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(u"page "))
                page = line.section(u' ', 1, 1).toInt();
            pages[page] += line + u'\n';
        }
        return pages;
    };
    for (const QString& source : sources) {
        for (const QString& pass : {QStringLiteral("one"), QStringLiteral("two")}) {
            const QStringList common = {report, "--data", "Orders=" + source, "--pass", pass, "--dump"};
            const CommandRun whole = render(common);
            ASSERT_EQ(whole.status, 0) << whole.err.toStdString();
            const auto all = pagesOf(whole.out);
            ASSERT_EQ(all.size(), 125u) << source.toStdString();
            const CommandRun alone = render(common + QStringList{"--pages", "125,1,64,2,124"});
            ASSERT_EQ(alone.status, 0) << alone.err.toStdString();
            const auto some = pagesOf(alone.out);
            ASSERT_EQ(some.size(), 5u) << source.toStdString() << " " << pass.toStdString();
            for (const auto& [page, dump] : some)
                EXPECT_EQ(dump.section(u'\n', 1), all.at(page).section(u'\n', 1))
                    << source.toStdString() << ", " << pass.toStdString() << " pass, page " << page;
        }
    }
}

TEST_F(RenderCommandTest, AReportWithoutPagesWritesNothingAndSucceeds) {
    // Without records a report makes no page unless it asks for a blank one.
    const QString report = write(QStringLiteral("listing.rtm"), listing("ppOrders"));
    const QString data = QStringLiteral("Orders=") + names(0);
    const CommandRun dump = render({report, "--data", data, "--dump"});
    EXPECT_EQ(dump.status, 0) << dump.err.toStdString();
    EXPECT_EQ(dump.out, "");
    const QString pictures = folder.filePath(QStringLiteral("pictures"));
    const CommandRun png = render({report, "--data", data, "--png", pictures});
    EXPECT_EQ(png.status, 0) << png.err.toStdString();
    EXPECT_FALSE(QDir(pictures).exists()) << "no folder for no pages";
}

TEST_F(RenderCommandTest, ScriptsOfTheTemplateWriteFilesOnlyWhenAllowed) {
    // The text's OnGetText handler saves what it prints to a file.
    const QString saved = folder.filePath(QStringLiteral("saved.txt"));
    TraStoredProgram handler;
    handler.className = "TraEventHandler";
    handler.programName = "ppDBText1OnGetText";
    handler.programType = "ttProcedure";
    handler.source =
        "procedure ppDBText1OnGetText(var Text: String);\r\nvar\r\n  L: TStringList;\r\nbegin\r\n"
        "  L := TStringList.Create;\r\n  L.Add(Text);\r\n  L.SaveToFile('" +
        saved.toLatin1() + "');\r\n  L.Free;\r\nend;";
    handler.componentName = "ppDBText1";
    handler.eventName = "OnGetText";
    handler.eventID = 53;
    QByteArray withCode = listing("ppOrders");
    withCode.chop(4); // the report's "end"
    withCode += "  object raCodeModule1: TraCodeModule\n    ProgramStream = {" +
                writeProgramStream({handler}).toHex().toUpper() + "}\n  end\nend\n";
    const QString report = write(QStringLiteral("scripted.rtm"), withCode);
    const QString data = QStringLiteral("Orders=") + names(2);

    const CommandRun refused = render({report, "--data", data, "--dump"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(u"SaveToFile reads or writes files")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(saved));

    const CommandRun allowed = render({report, "--data", data, "--dump", "--allow-file-access"});
    ASSERT_EQ(allowed.status, 0) << allowed.err.toStdString();
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "row 2\r\n");
}

TEST_F(RenderCommandTest, TemplateAndDataErrorsSayWhatIsWrongAndFail) {
    const QString report = write(QStringLiteral("listing.rtm"), listing("ppOrders"));
    const QString data = QStringLiteral("Orders=") + names(2);
    struct Case {
        const char* what;
        QStringList arguments;
        QString message;
    };
    const Case cases[] = {
        {"no template file", {folder.filePath("missing.rtm"), "--data", data, "--dump"}, "File not found"},
        {"not a template", {write("junk.rtm", "hello"), "--data", data, "--dump"}, "Invalid Template Format"},
        {"no CSV file",
         {report, "--data", "Orders=" + folder.filePath("missing.csv"), "--dump"},
         "missing.csv"},
        {"a bad typed value",
         {report, "--data", "Orders=" + write("bad.csv", "NAME:dtInteger\nten\n"), "--dump"},
         "line 2"},
        {"a misspelt pipeline",
         {report, "--data", "Ordres=" + names(2), "--dump"},
         "The template has no pipeline Ordres; it refers to ppOrders."},
        {"no database file",
         {report, "--data", "Orders=sqlite:" + folder.filePath("none.db") + "?table=t", "--dump"},
         "does not exist"},
    };
    for (const Case& c : cases) {
        const CommandRun run = render(c.arguments);
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_TRUE(run.err.contains(c.message)) << c.what << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, "") << c.what;
    }
}

// A property that does not read ends the render, unless the user asks to
// go on without it; each skipped one is then named on standard error.
TEST_F(RenderCommandTest, ReadErrorsEndTheRenderUnlessIgnored) {
    const QString report =
        write(QStringLiteral("faulty.rtm"),
              listing("ppOrders")
                  .replace("      AutoSize = False\n", "      AutoSize = False\n      Colour = 1\n")
                  .replace("  AutoStop = False\n", "  AutoStop = False\n  PageLimit = 'no'\n"));
    const QString data = QStringLiteral("Orders=") + names(2);
    const CommandRun stopped = render({report, "--data", data, "--dump"});
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(stopped.out, "");
    EXPECT_TRUE(stopped.err.contains("Report1.PageLimit")) << stopped.err.toStdString();
    EXPECT_FALSE(stopped.err.contains("Colour")) << "the first error ends it";

    const CommandRun ignored = render({report, "--data", data, "--ignore-read-errors", "--dump"});
    EXPECT_EQ(ignored.status, 0) << ignored.err.toStdString();
    EXPECT_EQ(outline(ignored.out), QStringList({"page 1 of 1", "row 1", "row 2"}));
    EXPECT_EQ(ignored.err.count(QStringLiteral("pagewright render: skipped: Error reading ")), 2)
        << ignored.err.toStdString();
    EXPECT_TRUE(ignored.err.contains("ppDBText1.Colour")) << ignored.err.toStdString();
}

TEST_F(RenderCommandTest, UsageMistakesShowTheUsage) {
    const QString report = write(QStringLiteral("listing.rtm"), listing("ppOrders"));
    QByteArray criteria = listing("ppOrders");
    criteria.replace("  end\nend\n", "  end\n"
                                     "  object ppAutoSearchField1: TppAutoSearchField\n"
                                     "    FieldName = 'NAME'\n"
                                     "  end\n"
                                     "  object ppAutoSearchField2: TppAutoSearchField\n"
                                     "    FieldName = 'NAME'\n"
                                     "  end\n"
                                     "  object ppAutoSearchField3: TppAutoSearchField\n"
                                     "    DataType = dtInteger\n"
                                     "    FieldAlias = 'Amount'\n"
                                     "    FieldName = 'AMOUNT'\n"
                                     "  end\n"
                                     "end\n");
    const QString searching = write(QStringLiteral("searching.rtm"), criteria);
    const QString data = QStringLiteral("Orders=") + names(2);
    const std::pair<QStringList, QString> cases[] = {
        {{report, "--data", data}, "--dump or --png DIR"},
        {{report, "--dump", "--png", "out"}, "either --dump or --png DIR"},
        {{report, "--data", data, "--link", "Lines.id", "--dump"},
         "--link expects DETAIL.FIELD=MASTER.FIELD"},
        {{report, "--data", data, "--link", "Lines.order=Orders.id", "--dump"},
         "--link names the pipeline Lines, which no --data gives"},
        {{report, "--data", data, "--link", "Orders.NAME=orders.NAME", "--dump"},
         "--link cannot make Orders its own master"},
        {{report, "--data", data, "--data", "Lines=l.csv", "--data", "Items=i.csv", "--link",
          "Lines.order=Orders.NAME", "--link", "Lines.item=Items.NAME", "--dump"},
         "--link gives Lines two masters"},
        {{"--dump"}, "which TEMPLATE?"},
        {{report, "--data", "Orders", "--dump"}, "--data expects NAME=SOURCE"},
        {{report, "--data", data, "--data", "orders=x.csv", "--dump"}, "twice"},
        {{report, "--pages", "none", "--dump"}, "is not a list of pages"},
        {{report, "--pass", "three", "--dump"}, "--pass is one or two"},
        {{report, "--dump", "--dpi", "300"}, "--dpi goes with --png DIR"},
        {{report, "--png", "out", "--dpi", "0"}, "--dpi needs a resolution from 10 to 1200"},
        {{report, "--data", data, "--search", "Country", "--dump"}, "--search expects NAME=VALUE"},
        {{report, "--data", data, "--search", "Country=US", "--dump"},
         "--search: the template has no search criterion Country; it has none"},
        {{searching, "--data", data, "--search", "Amount=ten", "--dump"},
         "--search Amount: ten is not a valid number."},
        {{searching, "--data", data, "--search", "NAME=x", "--dump"},
         "--search: NAME names several search criteria; name one of ppAutoSearchField1 (NAME), "
         "ppAutoSearchField2 (NAME), ppAutoSearchField3 (AMOUNT)"},
    };
    for (const auto& [arguments, message] : cases) {
        const CommandRun run = render(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("Usage: pagewright render")) << run.err.toStdString();
    }
    const CommandRun help = render({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("user name")) << "--help says what NAME is";
}

} // namespace
