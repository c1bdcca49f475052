#include <cmath>

#include "catalog/SceneryCatalog.h"
#include "view3d/SceneParts.h"
#include "view3d/SceneryModels.h"

namespace layrail::sceneparts {

void addScenery(Scene& scene, const Layout& layout, const LevelLookup& levels)
{
    const SceneryCatalog& catalog = SceneryCatalog::instance();
    for (const SceneryItem& item : layout.scenery) {
        const SceneryDef* def = catalog.find(item.item);
        if (def == nullptr || !levels.visible(item.level))
            continue;
        auto [it, inserted] =
            scene.sceneryModelById.emplace(def->id, static_cast<int>(scene.sceneryModels.size()));
        if (inserted)
            scene.sceneryModels.push_back(buildSceneryModel(def->id, def->width, def->depth));

        SceneryInstance instance;
        instance.item = def->id;
        instance.model = it->second;
        instance.x = static_cast<float>(item.x);
        instance.y = static_cast<float>(-item.y);
        instance.z = static_cast<float>(levels.height(item.level));
        instance.drop = sceneryDrop(def->id);
        instance.heading = static_cast<float>(-item.heading);
        instance.scaleX = static_cast<float>(item.scaleX);
        instance.scaleY = static_cast<float>(item.scaleY);
        instance.width = static_cast<float>(def->width);
        instance.depth = static_cast<float>(def->depth);
        scene.scenery.push_back(std::move(instance));

        // The corners of the scaled footprint, centred on the item's position.
        const double h = degToRad(item.heading), c = std::cos(h), s = std::sin(h);
        const double hw = def->width * item.scaleX / 2.0, hd = def->depth * item.scaleY / 2.0;
        for (double u : {-hw, hw})
            for (double v : {-hd, hd})
                scene.bounds.add(item.x + u * c - v * s, -(item.y + u * s + v * c));
    }
}

} // namespace layrail::sceneparts
