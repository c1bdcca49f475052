// Steep grades: joined pieces laid steeper than the limit, one finding per stretch of them.

#include <algorithm>
#include <cmath>

#include "canvas/GapReportParts.h"

namespace layrail {

namespace {

// Grades are typed with one decimal; a hair above the limit is the limit.
constexpr double kGradeSlack = 1e-9;

bool steep(const PlacedPiece& piece) { return std::fabs(piece.grade) > kSteepGradeLimit + kGradeSlack; }

void include(SteepGrade& grade, double x, double y)
{
    grade.minX = std::min(grade.minX, x);
    grade.minY = std::min(grade.minY, y);
    grade.maxX = std::max(grade.maxX, x);
    grade.maxY = std::max(grade.maxY, y);
}

} // namespace

std::vector<SteepGrade> findSteepGrades(const ReportPieces& pieces)
{
    const std::vector<PlacedPiece>& placed = pieces.layout.pieces;
    std::vector<SteepGrade> grades;
    std::vector<bool> seen(placed.size(), false);
    std::vector<size_t> stack;
    for (size_t start = 0; start < placed.size(); ++start) {
        if (seen[start] || !steep(placed[start]))
            continue;
        // The stretch: every steep piece reached from this one through joints.
        std::vector<size_t> stretch;
        seen[start] = true;
        stack.assign(1, start);
        while (!stack.empty()) {
            const size_t i = stack.back();
            stack.pop_back();
            stretch.push_back(i);
            for (const Joint& joint : placed[i].joints) {
                const auto it = pieces.index.find(joint.target);
                if (joint.target == -1 || it == pieces.index.end() || seen[it->second] || !steep(placed[it->second]))
                    continue;
                seen[it->second] = true;
                stack.push_back(it->second);
            }
        }
        std::sort(stretch.begin(), stretch.end());
        SteepGrade grade;
        grade.minX = grade.minY = 1e300;
        grade.maxX = grade.maxY = -1e300;
        for (size_t i : stretch) {
            const PlacedPiece& piece = placed[i];
            grade.pieces.push_back(piece.id);
            if (std::fabs(piece.grade) > std::fabs(grade.grade))
                grade.grade = piece.grade;
            include(grade, piece.x, piece.y);
            if (const CatalogPiece* cat = pieces.catalog[i]) {
                const double h = degToRad(piece.heading);
                include(grade, piece.x + std::cos(h) * cat->length, piece.y + std::sin(h) * cat->length);
            }
        }
        grades.push_back(std::move(grade));
    }
    return grades;
}

} // namespace layrail
