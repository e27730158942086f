#include "AdvertisementStrip.h"

#include "PageFetcher.h"

#include <QLabel>
#include <QRandomGenerator>

AdvertisementStrip::AdvertisementStrip(AdvertisementLabels labels, PageFetcher* fetcher, Chooser choose,
                                       QObject* parent)
    : QObject(parent), labels_(labels), fetcher_(fetcher), choose_(std::move(choose)) {
    // Texts from the network are shown as they stand, never read as markup
    // (which could draw pictures or links of the page's choosing).
    for (QLabel* label : {labels_.headline, labels_.description, labels_.linkText})
        label->setTextFormat(Qt::PlainText);
    if (!choose_)
        choose_ = [](int count) { return int(QRandomGenerator::global()->bounded(count)); };
    if (!fetcher_)
        return;
    connect(fetcher_, &PageFetcher::loaded, this,
            [this](const QByteArray& body, const QByteArray& contentType) {
                WebBrowserAdsDocumentComplete(pageTextLines(body, contentType));
                emit pageFinished();
            });
    // A page that cannot be fetched leaves nothing to rotate: the fallbacks stay.
    connect(fetcher_, &PageFetcher::failed, this, [this] {
        lines_.clear();
        emit pageFinished();
    });
}

void AdvertisementStrip::reload(const Advertisement& fallback, const QString& address) {
    fallback_ = fallback;
    lines_.clear();
    show(fallback_);
    if (fetcher_ && !address.trimmed().isEmpty())
        fetcher_->fetch(QUrl::fromUserInput(address.trimmed()));
}

void AdvertisementStrip::WebBrowserAdsDocumentComplete(const QStringList& pageLines) {
    lines_ = pageLines;
    TampilkanIklan1();
}

void AdvertisementStrip::TampilkanIklan1() {
    const QStringList advertisements = advertisementLines(lines_);
    // No marker, a marker on the first line, or a line without its separators: nothing to show but the
    // fallbacks.
    std::optional<Advertisement> chosen;
    if (!advertisements.isEmpty())
        chosen = parseAdvertisement(advertisements.at(choose_(int(advertisements.size()))));
    show(chosen.value_or(fallback_));
}

void AdvertisementStrip::rotate() {
    if (!lines_.isEmpty())
        TampilkanIklan1();
}

std::optional<QUrl> AdvertisementStrip::openableTarget() const {
    const QUrl url = QUrl::fromUserInput(target_.trimmed());
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return std::nullopt;
    return url;
}

void AdvertisementStrip::show(const Advertisement& advertisement) {
    labels_.headline->setText(advertisement.headline);
    labels_.description->setText(advertisement.description);
    labels_.linkText->setText(advertisement.linkText);
    target_ = advertisement.target;
}
