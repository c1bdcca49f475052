#include "panels/StoreCart.h"

#include "catalog/TrackCatalog.h"

namespace layrail {

namespace {

void appendItem(std::string& items, const std::string& identifier, int count)
{
    if (!items.empty())
        items += ',';
    items += identifier;
    items += ':';
    items += std::to_string(count);
}

} // namespace

CartPlan planCart(const Layout& layout, const StoreTable& store)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    TallyMap counts;
    for (const PlacedPiece& piece : layout.pieces)
        if (!piece.free && catalog.find(piece.article))
            ++counts[piece.article];
    for (const SceneryItem& item : layout.scenery)
        if (store.purchasable(item.item))
            ++counts[item.item];
    applyPackRule(counts);

    CartPlan plan;
    for (const auto& [article, count] : counts) {
        if (const std::string* identifier = store.identifierOf(article))
            appendItem(plan.items, *identifier, count);
        else
            plan.skipped.push_back(article);
    }

    const Accessories needed = accessoriesFor(counts);
    const std::pair<const char*, int> accessories[] = {
        {kTurnoutMotorArticle, needed.motors},
        {kKTrackMotorArticle, needed.kTrackMotors},
        {kDecoderArticle, needed.decoders},
        {kSpecialDecoderArticle, needed.specialDecoders},
    };
    for (const auto& [article, count] : accessories)
        if (count > 0)
            if (const std::string* identifier = store.identifierOf(article))
                appendItem(plan.items, *identifier, count);
    return plan;
}

std::string cartUrl(const StoreTable& store, const std::string& items)
{
    return store.baseUrl + "/cart/" + items;
}

Notice storeUnavailableNotice(const std::string& loadError)
{
    return {"Buy Track", "The store table could not be read, so the cart cannot be filled.\n\n" + loadError,
            NoticeIcon::Error, ""};
}

Notice nothingPurchasableNotice()
{
    return {"Buy Track", "No purchasable track pieces found in your layout.", NoticeIcon::Information, ""};
}

Notice skippedPiecesNotice(const std::vector<std::string>& skipped)
{
    std::string text = "The following pieces are not available in the store and will be skipped:\n";
    for (const std::string& article : skipped)
        text += "  " + article + "\n";
    return {"Some pieces not available", text, NoticeIcon::Warning, ""};
}

Notice browserFailedNotice(const std::string& url)
{
    return {"Buy Track",
            "The web browser could not be opened.\n\nCopy this address into your browser to see your cart:",
            NoticeIcon::Warning, url};
}

BuyTrackOutcome buyTrack(const Layout& layout, const StoreTableLoad& store, BrowserLauncher& browser,
                         NoticeShower& notices)
{
    if (!store.ok()) {
        notices.show(storeUnavailableNotice(store.error));
        return BuyTrackOutcome::StoreUnavailable;
    }
    const CartPlan plan = planCart(layout, store.table);
    if (plan.items.empty()) {
        notices.show(nothingPurchasableNotice());
        return BuyTrackOutcome::NothingToBuy;
    }
    if (!plan.skipped.empty())
        notices.show(skippedPiecesNotice(plan.skipped));
    const std::string url = cartUrl(store.table, plan.items);
    if (browser.open(url))
        return BuyTrackOutcome::Opened;
    notices.show(browserFailedNotice(url));
    return BuyTrackOutcome::BrowserFailed;
}

} // namespace layrail
