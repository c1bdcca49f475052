#pragma once

#include <string>
#include <vector>

#include "document/Layout.h"
#include "panels/PieceTally.h"
#include "panels/StoreTable.h"

namespace layrail {

// What goes into the store's cart: what is laid, not what the tally adds for bridges and helices.
struct CartPlan {
    std::string items;                // "identifier:count" pairs joined by ","; empty when nothing is for sale
    std::vector<std::string> skipped; // articles laid that the store does not sell, in article order
};

// Every piece not marked free whose article is in the catalog, the scenery the store sells,
// spoke extensions in packs, then the motors and decoders they call for.
CartPlan planCart(const Layout& layout, const StoreTable& store);

// The store's address, "/cart/" and the items.
std::string cartUrl(const StoreTable& store, const std::string& items);

// Opens an address in the user's browser; replaced in tests.
class BrowserLauncher {
public:
    virtual ~BrowserLauncher() = default;
    // False when no browser could be started.
    virtual bool open(const std::string& url) = 0;
};

enum class NoticeIcon { Information, Warning, Error };

// A modal message with an OK button.
struct Notice {
    std::string title;
    std::string text;
    NoticeIcon icon = NoticeIcon::Information;
    // Shown below the text in a read-only field the user can select and copy; empty for none.
    std::string copyable;

    bool operator==(const Notice& other) const
    {
        return title == other.title && text == other.text && icon == other.icon && copyable == other.copyable;
    }
};

// Shows a notice and returns when the user has closed it; replaced in tests.
class NoticeShower {
public:
    virtual ~NoticeShower() = default;
    virtual void show(const Notice& notice) = 0;
};

Notice storeUnavailableNotice(const std::string& loadError);
Notice nothingPurchasableNotice();
Notice skippedPiecesNotice(const std::vector<std::string>& skipped);
Notice browserFailedNotice(const std::string& url);

enum class BuyTrackOutcome { StoreUnavailable, NothingToBuy, Opened, BrowserFailed };

// The "  Buy Track  " button: plans the cart, warns about pieces the store lacks, opens the cart and,
// when no browser starts, shows its address for copying.
BuyTrackOutcome buyTrack(const Layout& layout, const StoreTableLoad& store, BrowserLauncher& browser,
                         NoticeShower& notices);

} // namespace layrail
