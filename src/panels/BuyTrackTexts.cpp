#include "panels/BuyTrackTexts.h"

namespace layrail {

AboutBuyTrack aboutBuyTrack(const StoreTableLoad& store, const std::string& fallbackHome)
{
    AboutBuyTrack about;
    about.title = "Buy Track - How it works";
    about.text = "Buy all required track and accessories securely and\nconveniently online from Brindlemoor.\n\n"
                 "Click Buy Track and you will be taken to the\nBrindlemoor website with all required track waiting\n"
                 "in the shopping cart for you to review and check out.";
    about.linkUrl = store.ok() ? store.table.homeUrl : fallbackHome;
    about.linkLabel = about.linkUrl;
    about.buttonLabel = "Got it!";
    return about;
}

} // namespace layrail
