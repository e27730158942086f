#include "AppConfig.h"

#include "DesignerSettings.h"
#include "NumberParse.h"

#include <QStringDecoder>

namespace {

// Values are text in UTF-8 when they are valid UTF-8, else in Latin-1, so files
// written by older tools still read.
QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

constexpr int kDefaultRotationSeconds = 30;

} // namespace

QByteArray ComplementConfigValue(const QByteArray& value) {
    QByteArray result(value.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < value.size(); ++i)
        result[i] = char(255 - static_cast<unsigned char>(value[i]));
    return result;
}

AppConfig AppConfig::read(const QString& iniPath) {
    const IniFileStore ini(iniPath);
    const QString section = QStringLiteral("GENERAL");
    const bool complemented = ini.readBytes(section, QStringLiteral("ECR")) == "ECR";
    auto text = [&](const char* key) {
        const QByteArray raw = ini.readBytes(section, QString::fromLatin1(key));
        return decodeText(complemented ? ComplementConfigValue(raw) : raw);
    };
    AppConfig config;
    config.companyCaption = text("ID_2");
    config.companyTarget = text("ID_3");
    config.adsAddress = text("ID_4");
    config.adHeadline = text("ID_8");
    config.adDescription = text("ID_9");
    config.adLinkText = text("ID_10");
    config.adTarget = text("ID_11");
    config.rotationSeconds = text("ID_12");
    config.title = text("ID_13");
    // A rotation of zero or fewer seconds would never show an advertisement for long.
    const auto seconds = parseInt32(config.rotationSeconds);
    if (!seconds || *seconds <= 0)
        config.rotationSeconds = QString::number(kDefaultRotationSeconds);
    return config;
}

QString AppConfig::windowTitle() const {
    return title.isEmpty() ? QStringLiteral("Kestrel") : title;
}

int AppConfig::rotationIntervalMs() const {
    const qint64 seconds = parseInt32(rotationSeconds).value_or(kDefaultRotationSeconds);
    return int(std::min<qint64>(seconds * 1000, std::numeric_limits<int>::max()));
}
