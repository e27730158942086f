#include "AppConfig.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class AppConfigTest : public testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("CONFIG.INI"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(AppConfigTest, MissingFileGivesEmptyValuesAndDefaults) {
    const AppConfig config = AppConfig::read(dir.filePath(QStringLiteral("CONFIG.INI")));
    EXPECT_EQ(config.windowTitle(), "Kestrel");
    EXPECT_TRUE(config.companyCaption.isEmpty());
    EXPECT_TRUE(config.adHeadline.isEmpty());
    EXPECT_EQ(config.rotationIntervalMs(), 30000);
}

TEST_F(AppConfigTest, RotationInterval) {
    const struct {
        const char* value;
        int expectedMs;
    } cases[] = {{"5", 5000}, {"abc", 30000}, {"", 30000}, {"0", 30000}, {"-3", 30000}, {"2.5", 30000}};
    for (const auto& c : cases) {
        const AppConfig config = AppConfig::read(write(QByteArray("[GENERAL]\nID_12=") + c.value + "\n"));
        EXPECT_EQ(config.rotationIntervalMs(), c.expectedMs) << c.value;
    }
}

TEST_F(AppConfigTest, ValuesAsTheyStandWithoutEcr) {
    const AppConfig config = AppConfig::read(
        write("[general]\r\nid_13 = My Title \r\nID_2=\"Acme Ltd\"\r\nID_3=https://example.org\r\n"));
    EXPECT_EQ(config.windowTitle(), "My Title");
    EXPECT_EQ(config.companyCaption, "Acme Ltd");
    EXPECT_EQ(config.companyTarget, "https://example.org");
}

TEST_F(AppConfigTest, EcrDecodesComplementedValues) {
    const QByteArray stored = ComplementConfigValue("Loan Desk");
    EXPECT_EQ(ComplementConfigValue(stored), "Loan Desk");
    EXPECT_EQ(stored.size(), 9);
    EXPECT_EQ(static_cast<unsigned char>(stored[0]), 255 - 'L');

    const AppConfig decoded = AppConfig::read(write("[GENERAL]\nECR=ECR\nID_13=" + stored + "\n"));
    EXPECT_EQ(decoded.windowTitle(), "Loan Desk");

    // The same bytes without "ECR" are taken as they stand.
    const AppConfig raw = AppConfig::read(write("[GENERAL]\nID_13=" + stored + "\n"));
    EXPECT_EQ(raw.windowTitle(), QString::fromLatin1(stored));
}

} // namespace
