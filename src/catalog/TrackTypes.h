#pragma once

#include <string>
#include <vector>

namespace layrail {

enum class TrackSystem : int {
    MarklinC = 0,
    MarklinK = 1,
    MarklinZ = 2,
    TrixC = 3,
    RokuhanZ = 4,
    MinitrixN = 5,
    KatoN = 6,
};

enum class PieceKind : int {
    Straight = 0,
    Curve = 1,
    LeftTurnout = 2,
    RightTurnout = 3,
    CurvedTurnout = 4,
    DoubleSlip = 5,
    Bumper = 6,
    Crossing = 8,
    Turntable = 10,
    ParallelCurvedTurnout = 11,
};

struct Connector {
    double x = 0.0;
    double y = 0.0;
    double heading = 0.0;
    bool open = true;
    int index = 0;
};

struct CatalogPiece {
    std::string article;
    std::string description;
    TrackSystem system = TrackSystem::MarklinC;
    PieceKind kind = PieceKind::Straight;
    double length = 0.0;
    double radius = 0.0;
    double angle = 0.0;
    std::vector<Connector> connectors;
    bool bridge = false;
    bool pair = false;
    bool ramp = false;
    std::vector<TrackSystem> connectorSystems;

    // Connector k's system: its own entry when the piece lists one, else the piece's.
    TrackSystem connectorSystem(int k) const
    {
        if (k >= 0 && k < static_cast<int>(connectorSystems.size()))
            return connectorSystems[static_cast<size_t>(k)];
        return system;
    }
};

// The system's name in the incompatibility message; "Unknown" for a value that is no system.
const char* systemName(TrackSystem system);

} // namespace layrail
