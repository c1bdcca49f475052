#include "view3d/BridgeModels.h"

#include <algorithm>
#include <cmath>

#include "view3d/ModelShapes.h"
#include "view3d/TrackMesh.h"

namespace layrail::bridges {

namespace {

constexpr double kDeckDepth = 8.0;

void deck(Mesh& mesh, double span, double halfWidth)
{
    shapes::box(mesh, {0.0, -halfWidth, -kDeckDepth}, {span, 2.0 * halfWidth, kDeckDepth}, kDeckTop, kDeckSide);
}

} // namespace

double trussHeight(double span) { return std::clamp(0.22 * span, 22.0, 42.0); }

double archRise(double span) { return std::clamp(0.2 * span, 30.0, 80.0); }

void truss(Mesh& mesh, double span)
{
    const double h = trussHeight(span);
    const int bays = std::max(2, static_cast<int>(std::lround(span / 32.0)));
    const double bay = span / bays;
    const double w = kTrussHalfWidth;
    deck(mesh, span, w + 2.0);
    for (double y : {-w, w}) {
        shapes::beam(mesh, {0.0, y, 1.0}, {span, y, 1.0}, 3.0, kSteel);
        shapes::beam(mesh, {bay, y, h}, {span - bay, y, h}, 3.0, kSteel);
        shapes::beam(mesh, {0.0, y, 1.0}, {bay, y, h}, 3.0, kSteel);
        shapes::beam(mesh, {span, y, 1.0}, {span - bay, y, h}, 3.0, kSteel);
        for (int k = 1; k < bays; ++k)
            shapes::beam(mesh, {bay * k, y, 1.0}, {bay * k, y, h}, 2.0, kSteelDark);
        // Diagonals fall toward the middle of the span, as in a Pratt truss.
        for (int k = 1; k + 1 < bays; ++k) {
            const double x0 = bay * k, x1 = bay * (k + 1);
            if ((x0 + x1) / 2.0 < span / 2.0)
                shapes::beam(mesh, {x0, y, h}, {x1, y, 1.0}, 1.6, kSteelDark);
            else
                shapes::beam(mesh, {x1, y, h}, {x0, y, 1.0}, 1.6, kSteelDark);
        }
    }
    for (int k = 1; k < bays; ++k)
        shapes::beam(mesh, {bay * k, -w, h}, {bay * k, w, h}, 2.0, kSteelDark);
}

void arch(Mesh& mesh, double span)
{
    constexpr int kSegments = 16;
    const double rise = archRise(span);
    const double w = kArchHalfWidth;
    auto heightAt = [&](double x) { return 1.0 + 4.0 * rise * (x / span) * (1.0 - x / span); };
    deck(mesh, span, w + 2.0);
    for (double x : {0.0, span - 8.0})
        shapes::box(mesh, {x, -w - 4.0, -kDeckDepth - 3.0}, {8.0, 2.0 * w + 8.0, 3.0}, kDeckTop, kDeckSide);

    // The two ribs (5 mm), their tie along the deck edge (4 mm) and the hangers (1.8 mm).
    for (double y : {-w, w}) {
        for (int k = 0; k < kSegments; ++k) {
            const double x0 = span * k / kSegments, x1 = span * (k + 1) / kSegments;
            shapes::beam(mesh, {x0, y, heightAt(x0)}, {x1, y, heightAt(x1)}, 5.0, kSteel);
        }
        shapes::beam(mesh, {0.0, y, 1.0}, {span, y, 1.0}, 4.0, kSteelDark);
        for (int k = 1; k < kSegments; ++k) {
            const double x = span * k / kSegments;
            if (heightAt(x) > 8.0)
                shapes::beam(mesh, {x, y, 1.0}, {x, y, heightAt(x) - 2.5}, 1.8, kSteelDark);
        }
    }
    // Wind bracing over the crown: cross beams (2.5 mm) with two diagonals (1.5 mm) between them.
    std::vector<double> braces;
    for (int k = 1; k < kSegments; ++k) {
        const double x = span * k / kSegments;
        if (heightAt(x) >= 1.0 + 0.75 * rise)
            braces.push_back(x);
    }
    for (std::size_t i = 0; i < braces.size(); ++i) {
        const double x = braces[i], z = heightAt(x);
        shapes::beam(mesh, {x, -w, z}, {x, w, z}, 2.5, kSteelDark);
        if (i + 1 < braces.size()) {
            const double x1 = braces[i + 1], z1 = heightAt(x1);
            shapes::beam(mesh, {x, -w, z}, {x1, w, z1}, 1.5, kSteelDark);
            shapes::beam(mesh, {x, w, z}, {x1, -w, z1}, 1.5, kSteelDark);
        }
    }
}

void ramp(Mesh& mesh, const Strip& strip)
{
    constexpr Rgb wallTop{0.60f, 0.57f, 0.52f};
    constexpr Rgb wallSide{0.46f, 0.43f, 0.39f};
    addStripBand(mesh, &mesh, strip, -21.0, 21.0, -6.0, 0.0, kDeckTop, kDeckSide);
    addStripBand(mesh, &mesh, strip, 19.5, 21.0, 0.0, 7.0, wallTop, wallSide);
    addStripBand(mesh, &mesh, strip, -21.0, -19.5, 0.0, 7.0, wallTop, wallSide);
}

} // namespace layrail::bridges
