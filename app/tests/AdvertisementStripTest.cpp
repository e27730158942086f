#include "AdvertisementStrip.h"
#include "AdvertisementPage.h"
#include "LoopbackHttpServer.h"
#include "MainWindowHarness.h"
#include "PageFetcher.h"

#include <QSignalSpy>
#include <QTest>
#include <deque>

namespace {

TEST(AdvertisementPage, ALineSplitsAtItsSeparatorsInOrder) {
    struct Case {
        const char* name;
        QString line;
        std::optional<Advertisement> expected;
    };
    const Case cases[] = {
        {"all four parts", "Rates|Fixed for ten years|https://bank.example/{bank.example}",
         Advertisement{"Rates", "Fixed for ten years", "https://bank.example/", "bank.example"}},
        {"text after the closing brace is ignored", "A|B|https://c.example{C} and more}",
         Advertisement{"A", "B", "https://c.example", "C"}},
        {"empty parts are parts", "||{}", Advertisement{}},
        {"no second bar", "A|B https://c.example{C}", std::nullopt},
        {"no opening brace", "A|B|https://c.example C}", std::nullopt},
        {"no closing brace", "A|B|https://c.example{C", std::nullopt},
        {"braces before the bars do not count", "{C}A|B|https://c.example", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseAdvertisement(c.line), c.expected) << c.name;
}

TEST(AdvertisementPage, TheMarkerMustBeAmongTheFirstHundredLines) {
    QStringList ninetyNine;
    for (int i = 0; i < 99; ++i)
        ninetyNine << QStringLiteral("H%1|D|https://a.example{a}").arg(i);
    struct Case {
        const char* name;
        QStringList lines;
        QStringList expected;
    };
    const Case cases[] = {
        {"two advertisements, then the marker and more", {"a", "b", "##AdsEnd##", "c"}, {"a", "b"}},
        {"no marker", {"a", "b"}, {}},
        {"the marker first: none", {"##AdsEnd##", "a"}, {}},
        {"the marker as the 100th line", ninetyNine + QStringList{"##AdsEnd##"}, ninetyNine},
        {"the marker as the 101st line", ninetyNine + QStringList{"x", "##AdsEnd##"}, {}},
        {"only the exact marker counts", {"a", " ##AdsEnd##"}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(advertisementLines(c.lines), c.expected) << c.name;
}

TEST(AdvertisementPage, TextLinesAsABrowserShowsThePage) {
    struct Case {
        const char* name;
        QByteArray html;
        QStringList lines;
    };
    const Case cases[] = {
        {"blocks, breaks and entities; head, script and style show nothing",
         "<!DOCTYPE html><html><head><title>Ads</title><style>p { color: red }</style>"
         "<script>document.write('not shown')</script></head>\n<body>\n"
         "  <p>One|First &amp; best|https://one.example/{one}</p>\n"
         "<div>Two|Second   spaced\n out|http://two.example{two}</div>\n<br>##AdsEnd##\n</body></html>",
         {"One|First & best|https://one.example/{one}", "Two|Second spaced out|http://two.example{two}",
          "##AdsEnd##"}},
        {"text after a block starts a line of its own", "<div>a</div>b<p>c</p>d", {"a", "b", "c", "d"}},
        {"two breaks leave an empty line", "a<br><br>b", {"a", "", "b"}},
        {"blanks at the ends of lines do not show", "<p> a </p> <p>b </p>", {"a", "b"}},
        {"comments show nothing", "a<!-- x<br> -->b", {"ab"}},
        {"a \"<\" before a blank is text", "1 < 2<br>3", {"1 < 2", "3"}},
        {"a script may hold \"<\"", "<script>if (a < b) document.write('<p>x</p>')</script>y", {"y"}},
        {"preformatted text keeps its blanks", "<pre>a  b\nc</pre>", {"a  b", "c"}},
        {"table cells are separated by tabs",
         "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>",
         {"a\tb", "c"}},
        {"numeric and named references",
         "&#35;&#x23;AdsEnd&#35;# caf&eacute; &unknown; & co",
         {"##AdsEnd## caf\u00e9 &unknown; & co"}},
        {"an empty body", "<html><body> \n </body></html>", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pageTextLines(c.html, "text/html"), c.lines) << c.name;
    EXPECT_EQ(pageTextLines("<p>Caf\xe9</p>", "text/html; charset=ISO-8859-1"),
              QStringList{QStringLiteral("Caf\u00e9")});
    EXPECT_EQ(pageTextLines("  a|b|c{d}\r\n##AdsEnd##\r\n", "text/plain"),
              (QStringList{"a|b|c{d}", "##AdsEnd##"}));
}

// The window's strip over a real fetch from a web server on the loopback interface.
class AdvertisementWindowTest : public testing::Test, protected MainWindowHarness {
protected:
    void SetUp() override {
        services.adsPage = &fetcher;
        services.chooseAdvertisement = [this](int count) {
            const int k = choices.empty() ? 0 : choices.front();
            if (!choices.empty())
                choices.pop_front();
            EXPECT_LT(k, count);
            return k;
        };
        openWindow();
    }
    void configure(const QUrl& page, const QByteArray& rotationSeconds = "30") {
        writeFile(QStringLiteral("CONFIG.INI"),
                  "[GENERAL]\nID_4=" + page.toEncoded() +
                      "\nID_8=Fallback headline\nID_9=Fallback description\n"
                      "ID_10=fallback.example\nID_11=https://fallback.example/\nID_12=" +
                      rotationSeconds + "\n");
    }
    // Activates the window and waits until the page has been fetched or given up.
    bool activate() {
        QSignalSpy finished(&window->advertisementStrip(), &AdvertisementStrip::pageFinished);
        window->FormActivate();
        return finished.wait(5000);
    }
    QStringList strip() { return {text("LAds1"), text("LAds2"), text("LAdsURL")}; }
    QString clickTheStrip() {
        opened.clear();
        QTest::mouseClick(child<QLabel>("LAds2"), Qt::LeftButton);
        return opened.value(0);
    }

    static constexpr int kTimeoutMs = 300;
    LoopbackHttpServer server;
    NetworkPageFetcher fetcher{kTimeoutMs};
    std::deque<int> choices;
};

const QByteArray kTwoAdvertisements =
    "<html><body>First|Desc one|https://one.example/{one.example}<br>"
    "Second|Desc two|http://two.example/{two.example}<br>##AdsEnd##</body></html>";

TEST_F(AdvertisementWindowTest, StripShowsWhatThePageGivesAndOpensOnlyWebTargets) {
    const QStringList fallbacks = {"Fallback headline", "Fallback description", "fallback.example"};
    const QString fallbackTarget = QStringLiteral("https://fallback.example/");
    server.serve("/two", {kTwoAdvertisements});
    server.serve("/nomarker", {"<p>First|Desc one|https://one.example/{one.example}</p>"});
    server.serve("/trailing", {"A|B|https://c.example/{C} more text}<br>##AdsEnd##"});
    server.serve("/file", {"Free|Open me|file:///etc/passwd{passwd}<br>##AdsEnd##"});
    server.serve("/program", {"Run|Now|/usr/bin/xterm{xterm}<br>##AdsEnd##"});
    server.serve("/markerfirst", {"##AdsEnd##<br>A|B|https://a.example/{A}"});
    server.serve("/broken", {"Only a headline|and a description<br>##AdsEnd##"});
    server.serve("/plain", {"Plain|Text page|https://plain.example/{plain}\n##AdsEnd##\n", "text/plain"});
    server.serve("/huge", {"A|B|https://a.example/{A}<br>##AdsEnd##<br>" + QByteArray(2 << 20, 'x')});
    server.hang("/silent");
    struct Case {
        const char* name;
        QUrl page;
        int choice;
        QStringList shown;
        QString opens;
    };
    const Case cases[] = {
        {"two advertisements, the second chosen",
         server.url("/two"),
         1,
         {"Second", "Desc two", "two.example"},
         "http://two.example/"},
        {"no marker: the fallbacks", server.url("/nomarker"), 0, fallbacks, fallbackTarget},
        {"text after the closing brace is ignored",
         server.url("/trailing"),
         0,
         {"A", "B", "C"},
         "https://c.example/"},
        {"a local file is shown but never opened", server.url("/file"), 0, {"Free", "Open me", "passwd"}, ""},
        {"nor is a program", server.url("/program"), 0, {"Run", "Now", "xterm"}, ""},
        {"the marker on the first line: the fallbacks", server.url("/markerfirst"), 0, fallbacks,
         fallbackTarget},
        {"a line without its separators: the fallbacks", server.url("/broken"), 0, fallbacks, fallbackTarget},
        {"a plain-text page",
         server.url("/plain"),
         0,
         {"Plain", "Text page", "plain"},
         "https://plain.example/"},
        {"a page that is not there", server.url("/missing"), 0, fallbacks, fallbackTarget},
        {"a page far larger than a list of advertisements", server.url("/huge"), 0, fallbacks,
         fallbackTarget},
        {"a server that never answers", server.url("/silent"), 0, fallbacks, fallbackTarget},
        {"nobody listening", QUrl("http://127.0.0.1:1/"), 0, fallbacks, fallbackTarget},
    };
    for (const Case& c : cases) {
        configure(c.page);
        choices = {c.choice};
        ASSERT_TRUE(activate()) << c.name << ": the fetch never ended";
        EXPECT_EQ(strip(), c.shown) << c.name;
        EXPECT_EQ(clickTheStrip(), c.opens) << c.name;
    }
}

TEST_F(AdvertisementWindowTest, TimerRotatesAndEachActivationFetchesAnew) {
    server.serve("/two", {kTwoAdvertisements});
    configure(server.url("/two"), "1");
    choices = {0, 1};
    ASSERT_TRUE(activate());
    EXPECT_EQ(text("LAds1"), "First");
    EXPECT_EQ(window->rotationTimer().interval(), 1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("LAds1") == "Second"; }, 3000)) << "one tick of the timer";
    EXPECT_EQ(clickTheStrip(), "http://two.example/");

    server.serve("/two", {"Third|Desc three|https://three.example/{three}<br>##AdsEnd##"});
    QSignalSpy finished(&window->advertisementStrip(), &AdvertisementStrip::pageFinished);
    window->FormActivate();
    EXPECT_EQ(text("LAds1"), "Fallback headline") << "back to the fallbacks while the page loads";
    EXPECT_EQ(clickTheStrip(), "https://fallback.example/");
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(text("LAds1"), "Third");
}

} // namespace
