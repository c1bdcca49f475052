#pragma once

#include <random>
#include <string>
#include <vector>

#include "support/EditTestSupport.h"
#include "catalog/HelixKits.h"
#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"
#include "document/Layout.h"
#include "panels/StoreTable.h"

namespace layrail::paneltest {

using namespace layrail::edittest;

// A store that sells every C-, K- and Z-Track article, the four accessories and the roundhouse,
// with identifiers "S" + article, so a cart can be read back without knowing the shipped numbers.
inline StoreTable testStore()
{
    StoreTable store;
    store.baseUrl = "https://shop.test.example";
    store.homeUrl = "https://shop.test.example/home";
    for (const CatalogPiece& piece : TrackCatalog::instance().pieces())
        if (piece.system != TrackSystem::TrixC)
            store.items[piece.article] = "S" + piece.article;
    for (const char* article : {"74491", "75491", "74462", "74467", "72886"})
        store.items[article] = std::string("S") + article;
    return store;
}

// Lays the articles one after another (not joined) and returns their ids.
inline std::vector<int> layArticles(Layout& layout, const std::vector<std::string>& articles)
{
    std::vector<int> ids;
    for (size_t i = 0; i < articles.size(); ++i)
        ids.push_back(lay(layout, articles[i], 400.0 * static_cast<double>(i), 0, 0));
    return ids;
}

// Random layouts: catalog pieces of every system, a few unknown articles, free pieces, scenery
// (sold and not sold), helices of every kit (and an unknown kit), pieces on two levels, and chains
// of joined straights running both ways so that run selections occur.
class RandomLayouts {
public:
    explicit RandomLayouts(unsigned seed) : random_(seed) {}

    Layout next()
    {
        Layout layout;
        layout.ensureDefaultLevel();
        Level second = level(2, 120.0);
        second.name = "Upper deck";
        layout.levels.push_back(second);
        const auto& pieces = TrackCatalog::instance().pieces();
        const auto& defs = SceneryCatalog::instance().all();

        for (int n = pick(0, 40); n > 0; --n) {
            const std::string article = pick(0, 20) == 0
                                            ? std::string("9999")
                                            : pieces[static_cast<size_t>(pick(0, int(pieces.size()) - 1))].article;
            const int id = lay(layout, article, pick(0, 3000), pick(0, 2000), pick(0, 3) * 90.0, pick(1, 2));
            piece(layout, id).free = pick(0, 9) == 0;
        }
        for (int chains = pick(0, 3); chains > 0; --chains)
            layChain(layout);
        for (int n = pick(0, 6); n > 0; --n)
            addScenery(layout,
                       pick(0, 8) == 0 ? "unknown_item" : defs[static_cast<size_t>(pick(0, int(defs.size()) - 1))].id);
        for (int n = pick(0, 2); n > 0; --n) {
            addHelix(layout);
            const auto& kits = helixKits();
            const int kit = pick(0, int(kits.size()));
            layout.helices.back().variant =
                kit == int(kits.size()) ? "no_such_kit" : kits[static_cast<size_t>(kit)].kitId;
        }
        for (int n = pick(0, 2); n > 0; --n) {
            LayoutShape shape;
            shape.id = layout.takeId();
            for (int v = pick(0, 5); v > 0; --v)
                shape.points.push_back({double(pick(-500, 500)), double(pick(-500, 500))});
            layout.shapes.push_back(shape);
        }
        return layout;
    }

    // Marks a random part of everything selected; sometimes whole chains or one helix only.
    void selectSome(Layout& layout)
    {
        const int mode = pick(0, 4);
        for (PlacedPiece& p : layout.pieces)
            p.selected = mode == 0 ? false : mode == 1 ? p.helix == -1 && pick(0, 1) == 0 : pick(0, 5) == 0;
        if (mode == 2 && !layout.helices.empty())
            for (PlacedPiece& p : layout.pieces)
                p.selected = p.helix == layout.helices[0].id;
        for (SceneryItem& s : layout.scenery)
            s.selected = pick(0, 4) == 0;
        for (LayoutShape& s : layout.shapes)
            s.selected = pick(0, 3) == 0;
        if (mode == 3 && !chainIds_.empty()) {
            for (PlacedPiece& p : layout.pieces)
                p.selected = false;
            for (int id : chainIds_)
                if (PlacedPiece* p = layout.findPiece(id))
                    p->selected = true;
        }
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    // Straights joined end to end along y = -1000 - 100k, some laid the other way round.
    void layChain(Layout& layout)
    {
        static const std::vector<std::string> straights = {"24188", "24172", "24360", "24229", "2200", "8500"};
        chainIds_.clear();
        const double y = -1000.0 - 100.0 * pick(0, 20);
        int previous = -1;
        for (int n = pick(2, 6); n > 0; --n) {
            const int id = lay(layout, straights[static_cast<size_t>(pick(0, int(straights.size()) - 1))], 0, y,
                               pick(0, 1) * 180.0, pick(0, 4) == 0 ? 2 : 1);
            if (previous != -1)
                joinBoth(layout, previous, 1, id, 0);
            chainIds_.push_back(id);
            previous = id;
        }
    }

    std::mt19937 random_;
    std::vector<int> chainIds_;
};

} // namespace layrail::paneltest
