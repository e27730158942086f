#pragma once

#include "AdvertisementPage.h"

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

class PageFetcher;
class QLabel;

// The strip's three lines.
struct AdvertisementLabels {
    QLabel* headline = nullptr;    // LAds1
    QLabel* description = nullptr; // LAds2
    QLabel* linkText = nullptr;    // LAdsURL
};

// The advertisement strip: fetches the configured page, shows one of its
// advertisements at random at each rotation, and knows the target of the one
// shown. Until a usable advertisement is there it shows the fallback texts and
// target from configuration.
class AdvertisementStrip final : public QObject {
    Q_OBJECT
public:
    // Answers a number from 0 to count - 1.
    using Chooser = std::function<int(int count)>;

    // `fetcher` may be null: then no page is ever fetched. An empty `choose`
    // chooses uniformly at random.
    AdvertisementStrip(AdvertisementLabels labels, PageFetcher* fetcher, Chooser choose,
                       QObject* parent = nullptr);

    // On every activation of the window: back to the fallbacks, and the page
    // at `address` fetched anew (none when it is empty).
    void reload(const Advertisement& fallback, const QString& address);
    // The page has been fetched; its text lines replace the old ones.
    void WebBrowserAdsDocumentComplete(const QStringList& pageLines);
    // Chooses and shows one advertisement.
    void TampilkanIklan1();
    // The timer's tick: a new advertisement when a page has been read.
    void rotate();

    const QString& currentTarget() const { return target_; }
    // The target as a web address to hand to the desktop's opener. Only http
    // and https: the page comes from the network, and a target such as a
    // local file or a program must never be opened for it.
    std::optional<QUrl> openableTarget() const;

signals:
    // A fetch has ended, whether it brought a page or not.
    void pageFinished();

private:
    void show(const Advertisement& advertisement);

    AdvertisementLabels labels_;
    PageFetcher* fetcher_;
    Chooser choose_;
    Advertisement fallback_;
    QStringList lines_;
    QString target_;
};
