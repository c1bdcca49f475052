#include "canvas/GradeContinuation.h"

#include <cmath>
#include <cstddef>

#include "catalog/Geometry.h"
#include "document/Joints.h"

namespace layrail {

double effectiveLength(const CatalogPiece& piece)
{
    if (piece.kind == PieceKind::Curve && piece.radius > 0.0 && piece.connectors.size() >= 2 &&
        piece.connectors[1].x > 1.0)
        return piece.connectors[1].x;
    return piece.length;
}

double heightAtConnector(const PlacedPiece& piece, const CatalogPiece& catalogPiece, int connector)
{
    if (connector == 0)
        return piece.z;
    const double s = piece.rev ? -1.0 : 1.0;
    return piece.z + s * std::sin(degToRad(piece.grade)) * effectiveLength(catalogPiece);
}

void continueGrade(Layout& layout, int newPiece, int targetPiece, int targetConnector, int ownConnector)
{
    const PlacedPiece* target = layout.findPiece(targetPiece);
    const CatalogPiece* targetCat = target ? catalogPieceOf(*target) : nullptr;
    if (targetCat == nullptr || targetCat->length <= 0.0)
        return;
    PlacedPiece* piece = layout.findPiece(newPiece);
    const CatalogPiece* cat = piece ? catalogPieceOf(*piece) : nullptr;
    if (cat == nullptr)
        return;

    const double base = heightAtConnector(*target, *targetCat, targetConnector);
    GradeRun* run = nullptr;
    size_t runIndex = 0;
    for (size_t i = 0; i < layout.gradeRuns.size(); ++i) {
        if (layout.gradeRuns[i].anchor == targetPiece) {
            run = &layout.gradeRuns[i];
            runIndex = i;
            break;
        }
    }

    if (cat->bridge && !cat->ramp) {
        piece->z = base;
        piece->grade = 0.0;
        if (run != nullptr)
            layout.gradeRuns.erase(layout.gradeRuns.begin() + static_cast<std::ptrdiff_t>(runIndex));
    } else if (run != nullptr) {
        const double g = run->angle;
        if (ownConnector == 1) {
            piece->z = base + std::sin(degToRad(g)) * effectiveLength(*cat);
            piece->rev = true;
        } else {
            piece->z = base;
            piece->rev = false;
        }
        piece->grade = g;
        run->anchor = newPiece;
        run->connector = ownConnector == 0 ? 1 : 0;
    } else {
        piece->z = base;
        piece->grade = 0.0;
    }
    layout.updateCurrentGradeRun();
}

} // namespace layrail
