#include "RecordingDevice.h"
#include "TppPage.h"
#include "TppPublisher.h"

#include <gtest/gtest.h>

namespace {

TppPageRequest request(TppPageSettingType setting, int page = 1) {
    TppPageRequest r;
    r.PageSetting = setting;
    r.PageRequested = page;
    return r;
}

TEST(PageRequest, MergingRequests) {
    struct Case {
        const char* name;
        TppPageRequest into;
        TppPageRequest other;
        TppPageSettingType setting;
        QStringList list;
    };
    const Case cases[] = {
        {"page 2 then the first page",
         request(psSinglePage, 2),
         request(psFirstPage, 1),
         psPageList,
         {"2", "1"}},
        {"the first page then page 2",
         request(psFirstPage, 1),
         request(psSinglePage, 2),
         psPageList,
         {"1", "2"}},
        {"all pages win", request(psSinglePage, 2), request(psAll), psAll, {}},
        {"the same page stays single", request(psSinglePage, 2), request(psSinglePage, 2), psSinglePage, {}},
    };
    for (Case c : cases) {
        c.into.Merge(c.other);
        EXPECT_EQ(c.into.PageSetting, c.setting) << c.name;
        EXPECT_EQ(c.into.PageList, c.list) << c.name;
    }
}

class PublisherTest : public testing::Test {
protected:
    // Generates pages 1..5 until the merged request is satisfied.
    PublisherTest() {
        publisher.PageRequestHandler = [this](TppPublisher* p, TppPageRequest&) {
            for (int n = 1; n <= 5 && !p->RequestSatisfied(); ++n) {
                TppPage page;
                page.AbsolutePageNo = n;
                page.AbsolutePageCount = 5;
                page.FirstPage = n == 1;
                page.LastPage = n == 5;
                page.Final = true;
                generated << n;
                p->AcceptPage(page);
            }
        };
    }
    void run() {
        publisher.BeginJob();
        publisher.RequestPages();
        publisher.FinishJob();
    }
    TppPublisher publisher;
    QList<int> generated;
};

TEST_F(PublisherTest, EvenPagesAreWantedButTheRequestEndsWithTheLastPage) {
    RecordingDevice device;
    TppPageRequest even = request(psAll);
    even.PageRange = prEvenPages;
    device.SetPageRequest(even);
    device.SetPublisher(&publisher);
    run();
    EXPECT_EQ(device.log, QStringList({"begin", "page 2", "page 4", "finish"}));
    EXPECT_EQ(generated, QList<int>({1, 2, 3, 4, 5}));
}

TEST_F(PublisherTest, ExclusiveGroupsAndDisabledDevices) {
    RecordingDevice first, second, disabled;
    first.SetExclusive(true);
    second.SetExclusive(true);
    first.SetPublisher(&publisher);
    second.SetPublisher(&publisher);
    disabled.SetEnabled(false);
    disabled.SetPublisher(&publisher);
    EXPECT_EQ(publisher.Devices(), QList<TppDevice*>({&second, &disabled})) << "only the newest of a group";
    run();
    EXPECT_TRUE(first.log.isEmpty());
    EXPECT_TRUE(disabled.log.isEmpty()) << "a disabled device hears nothing";
    EXPECT_EQ(second.log.size(), 7);
    second.SetPublisher(nullptr);
    EXPECT_EQ(publisher.Devices(), QList<TppDevice*>({&disabled, &first})) << "the previous one resumes";
}

TEST_F(PublisherTest, CachedPagesAreServedWithoutGenerating) {
    publisher.CachePages = true;
    RecordingDevice device;
    device.SetPageRequest(request(psSinglePage, 3));
    device.SetPublisher(&publisher);
    run();
    EXPECT_EQ(generated, QList<int>({1, 2, 3}));
    generated.clear();
    device.SetPageRequest(request(psSinglePage, 3));
    run();
    EXPECT_TRUE(generated.isEmpty()) << "page 3 came from the cache";
    device.SetPageRequest(request(psAll));
    run();
    EXPECT_EQ(generated, QList<int>({1, 2, 3, 4, 5})) << "all pages only once the last is known";
    generated.clear();
    run();
    EXPECT_TRUE(generated.isEmpty());
    EXPECT_EQ(device.log.count("page 3"), 4);
}

TEST_F(PublisherTest, ASinglePageBeyondTheEndFallsBackToTheLast) {
    RecordingDevice device;
    device.SetPageRequest(request(psSinglePage, 9));
    device.SetPublisher(&publisher);
    run();
    EXPECT_EQ(device.log, QStringList({"begin", "page 5", "finish"}));
}

} // namespace
