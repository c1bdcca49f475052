#pragma once

#include <string>
#include <vector>

namespace layrail {

struct HelixKit {
    std::string kitId;
    std::string name;
    double turns = 0.0;
    double rise = 0.0;
    double innerRadius = 0.0;
    double outerRadius = 0.0;
    std::string stubArticle;
    std::string innerCurveArticle;
    std::string outerCurveArticle;
};

const std::vector<HelixKit>& helixKits();
// Null when no kit has exactly this id.
const HelixKit* findHelixKit(const std::string& kitId);
const std::string& defaultHelixKitId();

} // namespace layrail
