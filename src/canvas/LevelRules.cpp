#include "canvas/LevelRules.h"

namespace layrail {

bool levelVisible(const Layout& layout, int levelId)
{
    const Level* level = layout.findLevel(levelId);
    return level == nullptr || level->visible;
}

double levelHeight(const Layout& layout, int levelId)
{
    const Level* level = layout.findLevel(levelId);
    return level == nullptr ? 0.0 : level->height;
}

int topVisibleLevel(const Layout& layout)
{
    const Level* best = nullptr;
    for (const Level& level : layout.levels)
        if (level.visible && (best == nullptr || level.height > best->height))
            best = &level;
    return best == nullptr ? layout.activeLevel : best->id;
}

} // namespace layrail
