#include "render/RenderOptions.h"

namespace layrail {

bool RenderOptions::showsLevel(const Layout& layout, int levelId) const
{
    switch (levels) {
    case LevelsShown::All:
        return true;
    case LevelsShown::One:
        return levelId == level;
    default:
        break;
    }
    const Level* known = layout.findLevel(levelId);
    return known == nullptr || known->visible;
}

RenderOptions switchedOptions(const Layout& layout)
{
    RenderOptions options;
    options.grid = layout.gridOn;
    options.baseboard = layout.baseboardShown;
    options.labels = layout.labelsOn;
    return options;
}

} // namespace layrail
