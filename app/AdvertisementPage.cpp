#include "AdvertisementPage.h"

#include "HtmlText.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

const QString kEndMarker = QStringLiteral("##AdsEnd##");
constexpr int kMarkerWithin = 100;

QString decode(const QByteArray& body, const QByteArray& contentType) {
    static const QRegularExpression charset(QStringLiteral(R"(charset\s*=\s*"?([^";\s]+))"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = charset.match(QString::fromLatin1(contentType));
    if (match.hasMatch()) {
        QStringDecoder named(match.captured(1).toLatin1().constData());
        if (named.isValid())
            return named.decode(body);
    }
    QStringDecoder fromPage = QStringDecoder::decoderForHtml(body);
    if (fromPage.isValid())
        return fromPage.decode(body);
    return QString::fromUtf8(body);
}

} // namespace

QStringList pageTextLines(const QByteArray& body, const QByteArray& contentType) {
    const QString source = decode(body, contentType);
    QString text;
    if (contentType.trimmed().toLower().startsWith("text/plain")) {
        text = source;
    } else {
        text = htmlVisibleText(source);
    }
    text = text.trimmed();
    if (text.isEmpty())
        return {};
    return text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

QStringList advertisementLines(const QStringList& pageLines) {
    const qsizetype end = pageLines.indexOf(kEndMarker);
    if (end < 0 || end >= kMarkerWithin)
        return {};
    return pageLines.first(end);
}

std::optional<Advertisement> parseAdvertisement(const QString& line) {
    const qsizetype bar1 = line.indexOf(u'|');
    const qsizetype bar2 = bar1 < 0 ? -1 : line.indexOf(u'|', bar1 + 1);
    const qsizetype open = bar2 < 0 ? -1 : line.indexOf(u'{', bar2 + 1);
    const qsizetype close = open < 0 ? -1 : line.indexOf(u'}', open + 1);
    if (close < 0)
        return std::nullopt;
    return Advertisement{line.first(bar1), line.mid(bar1 + 1, bar2 - bar1 - 1),
                         line.mid(bar2 + 1, open - bar2 - 1), line.mid(open + 1, close - open - 1)};
}
