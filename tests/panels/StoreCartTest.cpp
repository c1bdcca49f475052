#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PanelTestSupport.h"
#include "panels/BuyTrackTexts.h"
#include "panels/StoreCart.h"

namespace layrail {
namespace {

using namespace paneltest;

class FakeBrowser : public BrowserLauncher {
public:
    explicit FakeBrowser(bool works = true) : works_(works) {}
    bool open(const std::string& url) override
    {
        opened.push_back(url);
        return works_;
    }
    std::vector<std::string> opened;

private:
    bool works_;
};

class RecordedNotices : public NoticeShower {
public:
    void show(const Notice& notice) override { shown.push_back(notice); }
    std::vector<Notice> shown;
};

StoreTableLoad loadedTestStore()
{
    StoreTableLoad load;
    load.table = testStore();
    load.path = "/test/store.txt";
    return load;
}

struct CartCase {
    const char* name;
    std::vector<std::string> articles;
    std::vector<std::string> scenery;
    std::string cart; // after "/cart/"; empty when nothing is opened
    std::vector<std::string> skipped;
};

TEST(BuyTrack, CartHoldsWhatIsLaidAndTheAccessories)
{
    const std::vector<CartCase> cases = {
        {"bridge without the track the tally adds", {"74636"}, {}, "S74636:1", {}},
        {"spoke extensions in packs", {"74871", "74871", "74871", "74871"}, {}, "S74871:2", {}},
        {"three-way turnout", {"24630"}, {}, "S24630:1,S74491:2,S74462:1", {}},
        {"slim double slip", {"24720"}, {}, "S24720:1,S74491:1,S74467:1", {}},
        {"K-Track turnouts and a straight", {"2262", "2263", "2200"}, {}, "S2200:1,S2262:1,S2263:1,S75491:2", {}},
        {"TRIX turnout is skipped, its motor and decoder stay", {"62611"}, {}, "S74491:1,S74462:1", {"62611"}},
        {"TRIX straights only", {"62188", "62172", "62188"}, {}, "", {}},
        {"empty layout", {}, {}, "", {}},
        {"unknown articles are neither bought nor listed", {"9999", "24188"}, {}, "S24188:1", {}},
        {"scenery the store sells", {}, {"72886", "platform", "72886"}, "S72886:2", {}},
        {"mixed systems in article order",
         {"8500", "62188", "24188", "24188", "2200"},
         {},
         "S2200:1,S24188:2,S8500:1",
         {"62188"}},
    };
    for (const CartCase& c : cases) {
        Layout layout = withLevel();
        layArticles(layout, c.articles);
        for (const std::string& item : c.scenery)
            addScenery(layout, item);
        FakeBrowser browser;
        RecordedNotices notices;
        const BuyTrackOutcome outcome = buyTrack(layout, loadedTestStore(), browser, notices);

        if (c.cart.empty()) {
            EXPECT_EQ(outcome, BuyTrackOutcome::NothingToBuy) << c.name;
            EXPECT_TRUE(browser.opened.empty()) << c.name;
            ASSERT_EQ(notices.shown.size(), 1u) << c.name << ": no list of skipped pieces";
            EXPECT_EQ(notices.shown[0].title, "Buy Track");
            EXPECT_EQ(notices.shown[0].text, "No purchasable track pieces found in your layout.");
            EXPECT_EQ(notices.shown[0].icon, NoticeIcon::Information);
            continue;
        }
        EXPECT_EQ(outcome, BuyTrackOutcome::Opened) << c.name;
        EXPECT_EQ(browser.opened, std::vector<std::string>{"https://shop.test.example/cart/" + c.cart}) << c.name;
        if (c.skipped.empty()) {
            EXPECT_TRUE(notices.shown.empty()) << c.name;
        } else {
            ASSERT_EQ(notices.shown.size(), 1u) << c.name;
            EXPECT_EQ(notices.shown[0], skippedPiecesNotice(c.skipped)) << c.name;
        }
    }
}

TEST(BuyTrack, NoticesWarnAboutSkippedPiecesAndOfferTheAddressWhenNoBrowserOpens)
{
    Layout layout = withLevel();
    layArticles(layout, {"62611", "62977", "24188"});

    FakeBrowser broken(false);
    RecordedNotices notices;
    EXPECT_EQ(buyTrack(layout, loadedTestStore(), broken, notices), BuyTrackOutcome::BrowserFailed);
    const std::string url = "https://shop.test.example/cart/S24188:1,S74491:1,S74462:1";
    ASSERT_EQ(broken.opened, std::vector<std::string>{url});
    ASSERT_EQ(notices.shown.size(), 2u);
    EXPECT_EQ(notices.shown[0].title, "Some pieces not available");
    EXPECT_EQ(notices.shown[0].text,
              "The following pieces are not available in the store and will be skipped:\n  62611\n  62977\n");
    EXPECT_EQ(notices.shown[0].icon, NoticeIcon::Warning);
    EXPECT_EQ(notices.shown[1].copyable, url) << "the user can copy the cart address";
    EXPECT_NE(notices.shown[1].text.find("browser could not be opened"), std::string::npos);
}

TEST(BuyTrack, FreePiecesAndHelixCurvesStayOutOfTheCart)
{
    Layout layout = withLevel();
    const std::vector<int> ids = layArticles(layout, {"24611", "24611"});
    piece(layout, ids[0]).free = true;
    addHelix(layout);
    EXPECT_EQ(planCart(layout, testStore()).items, "S24188:4,S24611:1,S74491:1,S74462:1");
}

TEST(BuyTrack, MissingAccessoryEntriesAndAnUnreadableStore)
{
    Layout layout = withLevel();
    layArticles(layout, {"24630"});
    StoreTableLoad store = loadedTestStore();
    store.table.items.erase("74491");
    FakeBrowser browser;
    RecordedNotices notices;
    EXPECT_EQ(buyTrack(layout, store, browser, notices), BuyTrackOutcome::Opened);
    EXPECT_EQ(browser.opened, std::vector<std::string>{"https://shop.test.example/cart/S24630:1,S74462:1"});
    EXPECT_TRUE(notices.shown.empty()) << "an accessory the store lacks is left out silently";

    store.error = "/home/ann/.layrail/store.txt\nLine 3: \"item\" needs an article and a store identifier";
    browser.opened.clear();
    EXPECT_EQ(buyTrack(layout, store, browser, notices), BuyTrackOutcome::StoreUnavailable);
    EXPECT_TRUE(browser.opened.empty());
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].icon, NoticeIcon::Error);
    EXPECT_NE(notices.shown[0].text.find(store.error), std::string::npos);
}

TEST(BuyTrack, AboutDialogLinksToTheStoreHomePage)
{
    const AboutBuyTrack about = aboutBuyTrack(loadedTestStore(), "https://maker.example");
    EXPECT_EQ(about.linkUrl, "https://shop.test.example/home");

    StoreTableLoad broken;
    broken.error = "No store table was found.";
    EXPECT_EQ(aboutBuyTrack(broken, "https://maker.example").linkUrl, "https://maker.example");
}

} // namespace
} // namespace layrail
