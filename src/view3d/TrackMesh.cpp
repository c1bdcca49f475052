#include "view3d/TrackMesh.h"

#include <algorithm>

namespace layrail {

std::uint32_t TrackMesh::indexCount(TrackDetail detail) const
{
    switch (detail) {
    case TrackDetail::Distant:
        return static_cast<std::uint32_t>(distant.indices.size());
    case TrackDetail::NoSides:
        return withoutSides;
    case TrackDetail::Full:
        break;
    }
    return static_cast<std::uint32_t>(mesh.indices.size());
}

void TrackMeshParts::addStructure(const Mesh& structure)
{
    surfaces.append(structure);
    distant.append(structure);
}

TrackMesh TrackMeshParts::finish() const
{
    TrackMesh result;
    result.mesh = surfaces;
    result.withoutSides = static_cast<std::uint32_t>(result.mesh.indices.size());
    result.mesh.append(sides);
    result.distant = distant;
    const Box3 box = boundsOf(result.mesh);
    result.centre = (box.min + box.max) * 0.5;
    result.radius = length(box.max - box.min) * 0.5;
    return result;
}

void addStripBand(Mesh& top, Mesh* sides, const Strip& strip, double inner, double outer, double z0, double z1,
                  Rgb topColour, Rgb sideColour)
{
    const Vec3 lift0{0.0, 0.0, z0}, lift1{0.0, 0.0, z1};
    for (std::size_t i = 1; i < strip.size(); ++i) {
        const StripFrame& a = strip[i - 1];
        const StripFrame& b = strip[i];
        const Vec3 ai = a.position + a.side * inner, ao = a.position + a.side * outer;
        const Vec3 bi = b.position + b.side * inner, bo = b.position + b.side * outer;
        top.addQuad(ai + lift1, bi + lift1, bo + lift1, ao + lift1, {0.0, 0.0, 1.0}, topColour);
        if (sides == nullptr)
            continue;
        const Vec3 outward = normalized(a.side + b.side) * (outer >= inner ? 1.0 : -1.0);
        sides->addQuad(ao + lift0, bo + lift0, bo + lift1, ao + lift1, outward, sideColour);
        sides->addQuad(ai + lift0, bi + lift0, bi + lift1, ai + lift1, outward * -1.0, sideColour);
    }
}

std::vector<double> sleeperPositions(const Strip& strip)
{
    std::vector<double> positions;
    double next = kFirstSleeper;
    double start = 0.0;
    for (std::size_t i = 1; i < strip.size(); ++i) {
        const double end = start + length(strip[i].position - strip[i - 1].position);
        while (next <= end + 0.001) {
            positions.push_back(next);
            next += kSleeperSpacing;
        }
        start = end;
    }
    return positions;
}

namespace {

void addSleeper(TrackMeshParts& parts, const StripFrame& f)
{
    const Vec3 along = f.tangent * kSleeperHalfWidth, across = f.side * kSleeperHalfLength;
    const Vec3 low{0.0, 0.0, kBallastTop}, high{0.0, 0.0, kSleeperTop};
    const Vec3 c = f.position;
    const Vec3 p00 = c - along - across, p10 = c + along - across, p11 = c + along + across, p01 = c - along + across;
    parts.surfaces.addQuad(p00 + high, p10 + high, p11 + high, p01 + high, {0.0, 0.0, 1.0}, kSleeperTopColour);
    Mesh& s = parts.sides;
    s.addQuad(p00 + low, p01 + low, p01 + high, p00 + high, f.tangent * -1.0, kSleeperSideColour);
    s.addQuad(p10 + low, p11 + low, p11 + high, p10 + high, f.tangent, kSleeperSideColour);
    s.addQuad(p00 + low, p10 + low, p10 + high, p00 + high, f.side * -1.0, kSleeperSideColour);
    s.addQuad(p01 + low, p11 + low, p11 + high, p01 + high, f.side, kSleeperSideColour);
}

// The frame at arc length s, between the two samples of the segment that holds it.
StripFrame interpolate(const StripFrame& a, const StripFrame& b, double f)
{
    const Vec3 tangent = normalized(a.tangent * (1.0 - f) + b.tangent * f);
    return {a.position * (1.0 - f) + b.position * f, tangent, normalized(Vec3{-tangent.y, tangent.x, 0.0})};
}

} // namespace

void addTrackSection(TrackMeshParts& parts, const Strip& strip)
{
    if (strip.size() < 2)
        return;
    addStripBand(parts.surfaces, &parts.surfaces, strip, -kBallastHalfWidth, kBallastHalfWidth, 0.0, kBallastTop,
                 kBallastTopColour, kBallastSideColour);

    const std::vector<double> sleepers = sleeperPositions(strip);
    std::size_t next = 0;
    double start = 0.0;
    for (std::size_t i = 1; i < strip.size() && next < sleepers.size(); ++i) {
        const double segment = length(strip[i].position - strip[i - 1].position);
        while (next < sleepers.size() && sleepers[next] <= start + segment + 0.001) {
            const double f = segment > 0.0 ? std::clamp((sleepers[next] - start) / segment, 0.0, 1.0) : 0.0;
            addSleeper(parts, interpolate(strip[i - 1], strip[i], f));
            ++next;
        }
        start += segment;
    }

    for (double rail : {-kRailOffset, kRailOffset})
        addStripBand(parts.surfaces, &parts.sides, strip, rail - kRailHalfWidth, rail + kRailHalfWidth, kSleeperTop,
                     kRailTop, kRailTopColour, kRailSideColour);
}

void addDistantBed(TrackMeshParts& parts, const Strip& coarse)
{
    addStripBand(parts.distant, nullptr, coarse, -kBallastHalfWidth, kBallastHalfWidth, 0.0, kBallastTop,
                 kBallastTopColour, kBallastSideColour);
}

} // namespace layrail
