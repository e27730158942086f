#include "DesignerSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DesignerSettingsTest, TheIniFileStoreLandsInTheSettingsFolderAndRoundTrips) {
    QTemporaryDir folder;
    auto store = createSettingsStore("IniFile", "($WINSYS)\\Pwright.ini", folder.path());
    ASSERT_TRUE(store);
    EXPECT_EQ(settingsFileName("($winsys)\\Pwright.ini"), "Pwright.ini") << "without regard to case";
    EXPECT_FALSE(createSettingsStore("Cloud", "x", folder.path())) << "an unknown kind is ignored";

    DesignerSettings settings;
    settings.grid.snapToGrid = true;
    settings.grid.xSpace = 4;
    settings.bounds = QRect(10, 20, 800, 600);
    settings.defaultFontName = "Liberation Sans";
    settings.recent = {"Amortization,/home/a,b/Amortization.rtm"};
    settings.write(*store);
    const QByteArray written = readAll(folder.filePath("Pwright.ini"));
    EXPECT_TRUE(written.contains("[Designer Position]\nWindowState=0\nLeft=10\n")) << written.constData();
    EXPECT_TRUE(
        written.contains("[Last Reports Accessed]\nMax=5\nR0=Amortization,/home/a,b/Amortization.rtm"));

    auto again = createSettingsStore("IniFile", "($WINSYS)\\Pwright.ini", folder.path());
    const DesignerSettings read = DesignerSettings::read(*again);
    EXPECT_TRUE(read.grid.snapToGrid);
    EXPECT_EQ(read.grid.xSpace, 4);
    EXPECT_EQ(read.bounds, QRect(10, 20, 800, 600));
    EXPECT_EQ(read.defaultFontName, "Liberation Sans");
    EXPECT_EQ(read.recent, settings.recent);
}

TEST(DesignerSettingsTest, MissingAndZeroValuesReadAsTheDefaultsAndOtherLinesAreKept) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Pwright.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; kept\n[grid options]\nxgridspace=0\nYGridSpace=-3\n[Other]\nKey=Value\n");
    file.close();
    IniFileStore store(path);
    const DesignerSettings read = DesignerSettings::read(store);
    EXPECT_EQ(read.grid.xSpace, 8) << "0 reads as 8";
    EXPECT_EQ(read.grid.ySpace, 8);
    EXPECT_TRUE(read.freeOnClose);
    EXPECT_EQ(read.defaultFontSize, 10);
    EXPECT_FALSE(read.bounds);
    read.write(store);
    const QByteArray written = readAll(path);
    EXPECT_TRUE(written.startsWith("; kept\n[grid options]\n")) << written.constData();
    EXPECT_TRUE(written.contains("[Other]\nKey=Value\n"));
    EXPECT_EQ(written.count("XGridSpace"), 0) << "the key keeps its spelling in place";
    EXPECT_TRUE(written.contains("xgridspace=8"));
}

TEST(DesignerSettingsTest, TheRegistryStoreKeepsAKeyInAFileOfItsOwn) {
    QTemporaryDir folder;
    auto store = createSettingsStore("Registry", "", folder.path());
    ASSERT_TRUE(store);
    store->write("Format", "DefaultFontSize", "12");
    store->flush();
    auto again = createSettingsStore("Registry", "Pwright", folder.path());
    EXPECT_EQ(again->read("Format", "DefaultFontSize"), QString("12"));
}

TEST(DesignerSettingsTest, TheIniFileStoreReadsSectionsKeysCommentsAndQuotedBytes) {
    QTemporaryDir folder;
    const QString path = folder.filePath("plain.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; comment\n[ONE]\nA=1\nA=2\n[Two] ; note\nb = x = y\n  c\t=\t'q' \nnoequals\nd=\xf2\x0b\n");
    file.close();
    const IniFileStore ini(path);
    EXPECT_EQ(ini.readBytes("one", "a"), "1") << "the first of two equal keys wins";
    EXPECT_EQ(ini.readBytes("TWO", "B"), "x = y");
    EXPECT_EQ(ini.readBytes("Two", "c"), "q") << "one pair of quotes goes";
    EXPECT_EQ(ini.readBytes("Two", "d"), "\xf2\x0b") << "bytes of a value stay, control bytes too";
    EXPECT_EQ(ini.readBytes("ONE", "b"), "");
    EXPECT_EQ(ini.readBytes("Three", "A"), "");
    EXPECT_EQ(IniFileStore(folder.filePath("missing.ini")).readBytes("ONE", "A"), "");
}

} // namespace
