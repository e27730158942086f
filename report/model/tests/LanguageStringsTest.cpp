#include "TppResourceManager.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LanguageStringsTest : public testing::Test {
protected:
    void SetUp() override {
        manager().setSearchPaths({dir.path()});
        manager().AddModule(QStringLiteral("pwPrint"));
    }
    void TearDown() override {
        manager().SetLanguage(lgDefault);
        manager().RemoveModule(QStringLiteral("pwPrint"));
    }
    static TppResourceManager& manager() { return TppResourceManager::instance(); }
    void writeModule(const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QTemporaryDir dir;
};

TEST_F(LanguageStringsTest, DefaultTableAndPlaceholdersInOrder) {
    EXPECT_EQ(LanguageString(18), "Page");
    EXPECT_EQ(LanguageStringFmt(10, {"3", "10", "Report"}), "Drawing page 3 of 10 for report Report");
    EXPECT_EQ(LanguageString(99999), "") << "a missing string is empty";
}

TEST_F(LanguageStringsTest, StringsTheModelQuotes) {
    const std::pair<int, const char*> quoted[] = {
        {296, "Invalid value: Zero height band cannot contain components."},
        {297, "Invalid value: Height of band cannot exceed height of page."},
        {331, "Group"},
        {67, "Unable to open file: <filename>."},
        {523, "<name> already exists."},
    };
    for (const auto& [n, text] : quoted)
        EXPECT_EQ(LanguageString(n), text) << "string " << n;
}

TEST_F(LanguageStringsTest, LanguageWithoutModuleIsRefused) {
    EXPECT_FALSE(manager().SetLanguage(lgGerman));
    EXPECT_EQ(manager().language(), lgDefault);
    EXPECT_EQ(LanguageString(18), "Page");
    EXPECT_TRUE(manager().SetLanguage(lgDefault));
}

TEST_F(LanguageStringsTest, ModuleOverridesAndFallsBack) {
    writeModule(QStringLiteral("pwPrint.deu"), "# German\n43018=Seite\r\n43016=von\n43999=two\\nlines\n");
    ASSERT_TRUE(manager().SetLanguage(lgGerman));
    EXPECT_EQ(LanguageString(18), "Seite");
    EXPECT_EQ(LanguageString(999), "two\nlines");
    EXPECT_EQ(LanguageString(22), "Print") << "strings the module lacks come from the default table";
    manager().RemoveModule(QStringLiteral("pwPrint"));
    EXPECT_EQ(LanguageString(18), "Page");
}

} // namespace
