#include "catalog/Geometry.h"
#include "catalog/TrackCatalog.h"

#include <cmath>
#include <initializer_list>

namespace layrail {

namespace {

// A piece whose connectors do not follow from its dimensions.
CatalogPiece listed(TrackSystem system, const char* article, const char* description, PieceKind kind,
                    double length, double radius, double angle, std::initializer_list<LocalConnector> connectors)
{
    return makeListed(system, article, description, kind, length, radius, angle, connectors);
}

CatalogPiece bridge(CatalogPiece p)
{
    p.bridge = true;
    return p;
}

CatalogPiece ramp(CatalogPiece p)
{
    p.bridge = true;
    p.ramp = true;
    return p;
}

CatalogPiece rampPair(CatalogPiece p)
{
    p.bridge = true;
    p.pair = true;
    p.ramp = true;
    return p;
}

void addMarklinC(TrackCatalog& cat)
{
    const TrackSystem s = TrackSystem::MarklinC;
    cat.add(makeStraight(s, "24188", "24188 - 188.3mm", 188.3));
    cat.add(makeStraight(s, "24172", "24172 - 171.7mm", 171.7));
    cat.add(makeStraight(s, "24360", "24360 - 360mm", 360));
    cat.add(bridge(makeStraight(s, "74636", "74636 Arch Bridge 360mm", 360)));
    cat.add(bridge(makeStraight(s, "74620", "74620 Truss Bridge 180mm", 188.3)));
    cat.add(ramp(makeCurve(s, "74623", "74623 Curved Ramp R2 30deg", 437.5, 30)));
    cat.add(ramp(makeCurve(s, "74613", "74613 Curved Ramp R1 30deg", 360, 30)));
    cat.add(rampPair(makeStraight(s, "74618", "74618 Straight Ramp 180mm (pair)", 180)));
    cat.add(makeStraight(s, "24229", "24229 - 229mm", 229));
    cat.add(makeStraight(s, "24236", "24236 - 236mm", 236));
    cat.add(makeStraight(s, "24094", "24094 - 94.2mm", 94.2));
    cat.add(makeStraight(s, "24077", "24077 - 77.5mm", 77.5));
    cat.add(makeStraight(s, "24071", "24071 - 71mm", 71));
    cat.add(makeStraight(s, "24064", "24064 - 64mm", 64));
    cat.add(makeCurve(s, "24130", "24130 (30°) R1 - 360mm (14-3/16)", 360, 30));
    cat.add(makeCurve(s, "24230", "24230 (30°) R2 - 437.5mm (17-1/4)", 437.5, 30));
    cat.add(makeCurve(s, "24330", "24330 (30°) R3 - 515mm (20-1/4)", 515, 30));
    cat.add(makeCurve(s, "24315", "24315 (15°) R3 - 515mm (20-1/4)", 515, 15));
    cat.add(makeCurve(s, "24430", "24430 (30°) R4 - 579.3mm (22-13/16)", 579.3, 30));
    cat.add(makeCurve(s, "24530", "24530 (30°) R5 - 643.6mm (25-11/32)", 643.6, 30));
    cat.add(makeCurve(s, "24115", "24115 (15°) R1 - 360mm (14-3/16)", 360, 15));
    cat.add(makeCurve(s, "24107", "24107 (7.5°) R1 - 360mm (14-3/16)", 360, 7.5));
    cat.add(makeCurve(s, "24224", "24224 (24.3°) R2 - 437.5mm (17-1/4)", 437.5, 24.3));
    cat.add(makeCurve(s, "24206", "24206 (5.7°) R2 - 437.5mm (17-1/4)", 437.5, 5.7));
    cat.add(makeCurve(s, "24207", "24207 (7.5°) R2 - 437.5mm (17-1/4)", 437.5, 7.5));
    cat.add(makeCurve(s, "24294", "24294 (15°) R2 - 437.5mm (17-1/4) Circuit", 437.5, 15));
    cat.add(makeStraight(s, "24994", "24994 - 94.2mm Circuit", 94.2));
    cat.add(makeCurve(s, "24215", "24215 (15°) R2 - 437.5mm (17-1/4)", 437.5, 15));
    cat.add(makeCurve(s, "24912", "24912 (12.1°) R9 - 1114.6mm (43-7/8)", 1114.6, 12.1));
    cat.add(listed(s, "24611", "24611 Left Turnout R2=437.5mm 24.3°", PieceKind::LeftTurnout, 188.3, 437.5, -24.3,
                   {{0, 0, 180}, {188.3, 0, 0}, {180.04, -38.76, 335.7}}));
    cat.add(listed(s, "24612", "24612 Right Turnout R2=437.5mm 24.3°", PieceKind::RightTurnout, 188.3, 437.5,
                   24.3, {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}}));
    cat.add(listed(s, "24630", "24630 Three-Way Turnout 2x24.3°", PieceKind::LeftTurnout, 188.3, 437.5, 24.3,
                   {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}, {180.04, -38.76, 335.7}}));
    cat.add(listed(s, "24671", "24671 Left Curved Turnout (R360)", PieceKind::CurvedTurnout, 257.5, 360, -30,
                   {{0, 0, 180}, {180, -48.2, 330}, {257.5, -48.2, 330}}));
    cat.add(listed(s, "24672", "24672 Right Curved Turnout (R360)", PieceKind::CurvedTurnout, 257.5, 360, 30,
                   {{0, 0, 180}, {180, 48.2, 30}, {257.5, 48.2, 30}}));
    cat.add(listed(s, "24740", "24740 Wide-Angle Crossing 12.1° 236.1mm", PieceKind::Crossing, 236.1, 0, 12.1,
                   {{0, 0, 180}, {236.1, 0, 0}, {2.62, -24.75, 192.1}, {233.48, 24.75, 12.1}}));
    cat.add(listed(s, "24649", "24649 Crossing 48.6° 103.3mm", PieceKind::Crossing, 103.3, 0, 48.6,
                   {{0, 0, 180}, {103.3, 0, 0}, {17.49, -38.74, 228.6}, {85.81, 38.74, 48.6}}));
    cat.add(listed(s, "24640", "24640 Crossing 24.3° 188.3mm", PieceKind::Crossing, 188.3, 0, 24.3,
                   {{0, 0, 180}, {188.3, 0, 0}, {8.34, -38.74, 204.3}, {179.96, 38.74, 24.3}}));
    cat.add(listed(s, "24624", "24624 Double Slip Switch 24.3°", PieceKind::DoubleSlip, 188.3, 437.4, 24.3,
                   {{0, 0, 180}, {188.3, 0, 0}, {8.34, -38.74, 204.3}, {179.96, 38.74, 24.3}}));
    cat.add(listed(s, "24720", "24720 Double Slip Switch slim 12.1°", PieceKind::DoubleSlip, 236.1, 1114.6, 12.1,
                   {{0, 0, 180}, {236.1, 0, 0}, {2.62, -24.75, 192.1}, {233.48, 24.75, 12.1}}));
    cat.add(listed(s, "24711", "24711 Slim Left Turnout (R1114.6)", PieceKind::LeftTurnout, 231.74, 1114.6, -12,
                   {{0, 0, 180}, {231.74, 0, 0}, {231.74, -24.36, 348}}));
    cat.add(listed(s, "24712", "24712 Slim Right Turnout (R1114.6)", PieceKind::RightTurnout, 231.74, 1114.6, 12,
                   {{0, 0, 180}, {231.74, 0, 0}, {231.74, 24.36, 12}}));
    cat.add(listed(s, "24771", "24771 Slim Left Curved Turnout (R515)", PieceKind::CurvedTurnout, 321.5, 515, -30,
                   {{0, 0, 180}, {257.5, -69, 330}, {321.5, -69, 330}}));
    cat.add(listed(s, "24772", "24772 Slim Right Curved Turnout (R515)", PieceKind::CurvedTurnout, 321.5, 515, 30,
                   {{0, 0, 180}, {257.5, 69, 30}, {321.5, 69, 30}}));
    cat.add(listed(s, "24977", "24977 Bumper Stop", PieceKind::Bumper, 48.3, 0, 0, {{0, 0, 180}}));
    cat.add(listed(s, "24978", "24978 Bumper Stop with Light", PieceKind::Bumper, 48.3, 0, 0, {{0, 0, 180}}));
    cat.add(makeStraight(s, "24997", "24997 Uncoupler 94.2mm", 94.2));

    // The adapter's far end is a K-Track joiner.
    CatalogPiece adapter = makeStraight(s, "24922", "24922 Adapter C-Track to K-Track 180mm", 180);
    adapter.connectorSystems = {TrackSystem::MarklinC, TrackSystem::MarklinK};
    cat.add(adapter);

    // The turntable's origin is its centre; its tracks leave the pit every 12 degrees.
    CatalogPiece turntable =
        listed(s, "74861", "74861 Turntable (pit 278mm)", PieceKind::Turntable, 378, 139, 12, {});
    for (int i = 0; i < 30; ++i) {
        const double a = 12.0 * i;
        appendConnector(turntable, {139.0 * std::cos(degToRad(a)), 139.0 * std::sin(degToRad(a)), a});
    }
    cat.add(turntable);

    cat.add(makeStraight(s, "74871", "74871 Turntable Spoke Extension 57.5mm", 57.5));
}

void addTrixC(TrackCatalog& cat)
{
    const TrackSystem s = TrackSystem::TrixC;
    cat.add(makeStraight(s, "62064", "62064 Straight 64.3mm / 2-9/16\"", 64.3));
    cat.add(makeStraight(s, "62071", "62071 Straight 70.8mm / 2-13/16\"", 70.8));
    cat.add(makeStraight(s, "62077", "62077 Straight 77.5mm / 3-1/16\"", 77.5));
    cat.add(makeStraight(s, "62094", "62094 Straight 94.2mm / 3-3/4\"", 94.2));
    cat.add(makeStraight(s, "62172", "62172 Straight 171.7mm / 6-3/4\"", 171.7));
    cat.add(makeStraight(s, "62188", "62188 Straight 188.3mm / 7-3/8\"", 188.3));
    cat.add(makeStraight(s, "62229", "62229 Straight 229.3mm / 9\"", 229.3));
    cat.add(makeStraight(s, "62236", "62236 Straight 236.1mm / 9-5/16\"", 236.1));
    cat.add(makeStraight(s, "62360", "62360 Straight 360mm / 14-3/16\"", 360));
    cat.add(makeCurve(s, "62107", "62107 (7.5deg) R1 - 360mm", 360, 7.5));
    cat.add(makeCurve(s, "62115", "62115 (15deg) R1 - 360mm", 360, 15));
    cat.add(makeCurve(s, "62130", "62130 (30deg) R1 - 360mm", 360, 30));
    cat.add(makeCurve(s, "62206", "62206 (5.7deg) R2 - 437.5mm", 437.5, 5.7));
    cat.add(makeCurve(s, "62207", "62207 (7.5deg) R2 - 437.5mm", 437.5, 7.5));
    cat.add(makeCurve(s, "62215", "62215 (15deg) R2 - 437.5mm", 437.5, 15));
    cat.add(makeCurve(s, "62224", "62224 (24.3deg) R2 - 437.5mm", 437.5, 24.3));
    cat.add(makeCurve(s, "62230", "62230 (30deg) R2 - 437.5mm", 437.5, 30));
    cat.add(makeCurve(s, "62315", "62315 (15deg) R3 - 515mm", 515, 15));
    cat.add(makeCurve(s, "62330", "62330 (30deg) R3 - 515mm", 515, 30));
    cat.add(makeCurve(s, "62912", "62912 (12.1deg) R9 - 1114.6mm", 1114.6, 12.1));
    cat.add(listed(s, "62611", "62611 Left Turnout R2=437.5mm 24.3deg", PieceKind::LeftTurnout, 188.3, 437.5,
                   -24.3, {{0, 0, 180}, {188.3, 0, 0}, {180.04, -38.76, 335.7}}));
    cat.add(listed(s, "62612", "62612 Right Turnout R2=437.5mm 24.3deg", PieceKind::RightTurnout, 188.3, 437.5,
                   24.3, {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}}));
    cat.add(listed(s, "62671", "62671 Left Curved Turnout", PieceKind::CurvedTurnout, 257.5, 437.5, -24.3,
                   {{0, 0, 180}, {180, -38.76, 335.7}, {257.5, -38.76, 335.7}}));
    cat.add(listed(s, "62672", "62672 Right Curved Turnout", PieceKind::CurvedTurnout, 257.5, 437.5, 24.3,
                   {{0, 0, 180}, {180, 38.76, 24.3}, {257.5, 38.76, 24.3}}));
    cat.add(listed(s, "62630", "62630 Three-Way Turnout 2x24.3deg", PieceKind::LeftTurnout, 188.3, 437.5, 24.3,
                   {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}, {180.04, -38.76, 335.7}}));

    // The TRIX double slip is the C-Track one under another article.
    CatalogPiece slip = *cat.find("24624");
    slip.article = "62624";
    slip.description = "62624 Double Slip Switch 24.3deg";
    slip.system = s;
    cat.add(slip);

    cat.add(listed(s, "62977", "62977 Track End with Bumper 80.5mm", PieceKind::Bumper, 80.5, 0, 0, {{0, 0, 180}}));
    cat.add(makeStraight(s, "62997", "62997 Uncoupler Track 94.2mm", 94.2));
    cat.add(bridge(makeStraight(s, "62636", "62636 Arch Bridge 360mm", 360)));
    cat.add(bridge(makeStraight(s, "62620", "62620 Truss Bridge 188mm", 188.3)));
    cat.add(ramp(makeCurve(s, "62623", "62623 Curved Ramp R2 30deg", 437.5, 30)));
    cat.add(ramp(makeCurve(s, "62613", "62613 Curved Ramp R1 30deg", 360, 30)));
}

void addMarklinZ(TrackCatalog& cat)
{
    const TrackSystem s = TrackSystem::MarklinZ;
    cat.add(makeStraight(s, "8500", "8500 Straight 110mm / 4-3/8\"", 110));
    cat.add(makeStraight(s, "8501", "8501 Straight 55mm / 2-3/16\" (half)", 55));
    cat.add(makeStraight(s, "8502", "8502 Straight 27.5mm / 1-1/8\" (qtr)", 27.5));
    cat.add(makeStraight(s, "8503", "8503 Straight 55mm / 2-3/16\"", 55));
    cat.add(makeStraight(s, "8504", "8504 Straight 25mm / 1\"", 25));
    cat.add(makeStraight(s, "8505", "8505 Straight 220mm / 8-13/16\"", 220));
    cat.add(makeStraight(s, "8506", "8506 Straight 112.8mm / 4-7/16\"", 112.8));
    cat.add(makeStraight(s, "8507", "8507 Straight 112.8mm / 4-7/16\"", 112.8));
    cat.add(makeStraight(s, "8587", "8587 Uncoupler 55mm / 2-3/16\"", 55));
    cat.add(makeStraight(s, "8588", "8588 Isolating Track 55mm / 2-3/16\"", 55));
    cat.add(makeStraight(s, "8590", "8590 Feeder Track 110mm / 4-3/8\"", 110));
    cat.add(makeStraight(s, "8598", "8598 Isolating Track 55mm / 2-3/16\"", 55));
    cat.add(makeCurve(s, "8510", "8510 Curve R1=145mm 45deg", 145, 45));
    cat.add(makeCurve(s, "8511", "8511 Curve R1=145mm 30deg", 145, 30));
    cat.add(makeCurve(s, "8520", "8520 Curve R2=195mm 45deg", 195, 45));
    cat.add(makeCurve(s, "8521", "8521 Curve R2=195mm 30deg", 195, 30));
    cat.add(makeCurve(s, "8529", "8529 Circuit Curve R2=195mm 45deg", 195, 45));
    cat.add(makeCurve(s, "8530", "8530 Curve R3=220mm 45deg", 220, 45));
    cat.add(makeCurve(s, "8531", "8531 Curve R3=220mm 30deg", 220, 30));
    cat.add(makeCurve(s, "8539", "8539 Circuit Curve R3=220mm 45deg", 220, 45));
    cat.add(makeCurve(s, "8591", "8591 Turnout Branch Curve R4=490mm 13deg", 490, 13));
    cat.add(makeTurnout(s, "8562", "8562 Electric Left Turnout 110mm 13deg", PieceKind::LeftTurnout, 110, 490, 13));
    cat.add(makeTurnout(s, "8563", "8563 Electric Right Turnout 110mm 13deg", PieceKind::RightTurnout, 110, 490, 13));
    cat.add(makeTurnout(s, "8565", "8565 Manual Left Turnout 110mm 13deg", PieceKind::LeftTurnout, 110, 490, 13));
    cat.add(makeTurnout(s, "8566", "8566 Manual Right Turnout 110mm 13deg", PieceKind::RightTurnout, 110, 490, 13));

    // The curved turnouts follow the R2 arc and put the outer exit 25 mm further along.
    const double arcX = 195.0 * std::sin(degToRad(30.0));
    const double arcY = 195.0 * (1.0 - std::cos(degToRad(30.0)));
    cat.add(listed(s, "8568", "8568 Electric Left Curved Turnout R=195mm 30deg", PieceKind::ParallelCurvedTurnout,
                   25, 195, -30, {{0, 0, 180}, {arcX, -arcY, 330}, {arcX + 25.0, -arcY, 330}}));
    cat.add(listed(s, "8569", "8569 Electric Right Curved Turnout R=195mm 30deg", PieceKind::ParallelCurvedTurnout,
                   25, 195, 30, {{0, 0, 180}, {arcX, arcY, 30}, {arcX + 25.0, arcY, 30}}));

    // The crossing track passes through the centre of the straight one at 13 degrees.
    const double half = 112.8 / 2.0;
    const double halfCos = half * std::cos(degToRad(13.0));
    const double halfSin = half * std::sin(degToRad(13.0));
    cat.add(listed(s, "8559", "8559 Crossing 112.8mm 13deg", PieceKind::Crossing, 112.8, 0, 13,
                   {{0, 0, 180}, {112.8, 0, 0}, {half - halfCos, -halfSin, 193}, {half + halfCos, halfSin, 13}}));
    cat.add(listed(s, "8560", "8560 Double Slip Switch 13°", PieceKind::DoubleSlip, 112.8, 501.4424, 13,
                   {{0, 0, 180}, {112.8, 0, 0}, {0, -12.8519, 193}, {112.8, 12.8519, 13}}));
    cat.add(listed(s, "8991", "8991 Track Bumper 15mm", PieceKind::Bumper, 15, 0, 0, {{0, 0, 180}}));
    cat.add(bridge(makeStraight(s, "8975", "8975 Arch Bridge 220mm", 220)));
    cat.add(bridge(makeStraight(s, "89759", "89759 Girder Bridge 110mm", 110)));
    cat.add(ramp(makeStraight(s, "8976", "8976 Straight Ramp 110mm", 110)));
    cat.add(ramp(makeCurve(s, "8977", "8977 Curved Ramp R1=145mm 45deg", 145, 45)));
}

void addMarklinK(TrackCatalog& cat)
{
    const TrackSystem s = TrackSystem::MarklinK;
    cat.add(makeStraight(s, "2200", "2200 Straight Track Length 180 mm / 7-3/32\"", 180));
    cat.add(makeStraight(s, "2201", "2201 Straight Track Length 90 mm / 3-9/16\"", 90));
    cat.add(makeStraight(s, "2202", "2202 Straight Track Length 45 mm / 1-3/4\"", 45));
    cat.add(makeStraight(s, "2203", "2203 Straight Track Length 30 mm / 1-3/16\"", 30));
    cat.add(makeStraight(s, "2204", "2204 Straight Track Length 22.5 mm / 7/8\"", 22.5));
    cat.add(makeStraight(s, "2205", "2205 Flex Track Length 900 mm / 35-7/16\"", 900));
    cat.add(makeStraight(s, "2206", "2206 Straight Track Length 168.9 mm / 6-5/8\"", 168.9));
    cat.add(makeStraight(s, "2207", "2207 Straight Track Length 156 mm / 6-1/8\"", 156));
    cat.add(makeStraight(s, "2208", "2208 Straight Track Length 35.1 mm / 1-3/8\"", 35.1));
    cat.add(makeStraight(s, "2209", "2209 Straight Track Length 217.9 mm / 8-9/16\"", 217.9));
    cat.add(makeStraight(s, "2293", "2293 Straight Track Length 41.3 mm / 1-5/8\"", 41.3));
    cat.add(makeStraight(s, "2290", "2290 Straight Feeder Track Length 180 mm / 7-3/32\"", 180));
    cat.add(makeStraight(s, "2291", "2291 Adapter Track for M Track Length 180 mm / 7-3/32\"", 180));
    cat.add(makeStraight(s, "2292", "2292 Straight Feeder Track Length 180 mm / 7-3/32\"", 180));
    cat.add(makeStraight(s, "2295", "2295 Contact Track Set Length 2 x 90 mm / 3-9/16\"", 90));
    cat.add(makeStraight(s, "2297", "2297 Straight Uncoupler Track Length 90 mm / 3-9/16\"", 90));
    cat.add(makeStraight(s, "2299", "2299 Straight Circuit Track Length 90 mm / 3-9/16\"", 90));
    cat.add(makeCurve(s, "2210", "2210 Curved Track R0=295.4mm 45deg", 295.4, 45));
    cat.add(makeCurve(s, "2229", "2229 Curved Circuit Track Radius 360 mm", 360, 45));
    cat.add(makeCurve(s, "2221", "2221 Curved Track R1=360mm 30deg", 360, 30));
    cat.add(makeCurve(s, "2223", "2223 Curved Track Radius 15° (R2=424.6 mm / 16-3/4\")", 424.6, 15));
    cat.add(makeCurve(s, "2224", "2224 Curved Track Radius 7° (R2=424.6 mm / 16-3/4\")", 424.6, 7.5));
    cat.add(makeCurve(s, "2239", "2239 Curved Circuit Track Radius 424.6 mm / 16-3/4\"", 424.6, 30));
    cat.add(makeCurve(s, "2231", "2231 Curved Track R2=424.6mm 30deg", 424.6, 30));
    cat.add(makeCurve(s, "2232", "2232 Curved Track R2=424.6mm 22.5deg", 424.6, 22.5));
    cat.add(makeCurve(s, "2233", "2233 Curved Track Radius 15° (R3=515 mm)", 515, 15));
    cat.add(makeCurve(s, "2234", "2234 Curved Track Radius 7° (R3=515 mm)", 515, 7.5));
    cat.add(makeCurve(s, "2235", "2235 Curved Track Radius 3° (R3=515 mm)", 515, 3));
    cat.add(makeCurve(s, "2241", "2241 Curved Track Radius 30° (R4=573.6 mm)", 573.6, 30));
    cat.add(makeCurve(s, "2251", "2251 Curved Track Radius 30° (R4=573.6 mm)", 573.6, 30));
    cat.add(makeCurve(s, "2274", "2274 Curved Track Radius 14° (R5=636 mm)", 636, 14));
    cat.add(listed(s, "2257", "2257 Crossing Length 225 mm / 8-7/8\"", PieceKind::Crossing, 225, 0, 22.5,
                   {{0, 0, 180}, {225, 0, 0}, {8.56, -43.05, 202.5}, {216.44, 43.05, 22.5}}));
    cat.add(listed(s, "2258", "2258 Crossing Length 90 mm / 3-9/16\"", PieceKind::Crossing, 90, 0, 45,
                   {{0, 0, 180}, {90, 0, 0}, {13.18, -31.82, 225}, {76.82, 31.82, 45}}));
    cat.add(listed(s, "2259", "2259 Crossing Length 168.9 mm / 6-5/8\"", PieceKind::Crossing, 168.9, 0, 22.5,
                   {{0, 0, 180}, {168.9, 0, 0}, {6.43, -32.32, 202.5}, {162.47, 32.32, 22.5}}));
    cat.add(makeTurnout(s, "2262", "2262 Left Turnout Length 168.9 mm / 6-5/8\"", PieceKind::LeftTurnout, 168.9,
                        424.6, 22.5));
    cat.add(makeTurnout(s, "2263", "2263 Right Turnout Length 168.9 mm / 6-5/8\"", PieceKind::RightTurnout, 168.9,
                        424.6, 22.5));
    cat.add(makeTurnout(s, "2265", "2265 Left Turnout Length 168.9 mm / 6-5/8\" (manual)", PieceKind::LeftTurnout,
                        168.9, 424.6, 22.5));
    cat.add(makeTurnout(s, "2266", "2266 Right Turnout Length 168.9 mm / 6-5/8\" (manual)",
                        PieceKind::RightTurnout, 168.9, 424.6, 22.5));
    cat.add(listed(s, "2269", "2269 Right Curved Turnout Outer Curve 30° Spacing 64.6 mm / 2-1/2\"",
                   PieceKind::ParallelCurvedTurnout, 64.6, 360, 30,
                   {{0, 0, 180}, {180, 48.23, 30}, {244.6, 48.23, 30}}));
    cat.add(listed(s, "2268", "2268 Left Curved Turnout Outer Curve 30° Spacing 64.6 mm / 2-1/2\"",
                   PieceKind::ParallelCurvedTurnout, 64.6, 360, -30,
                   {{0, 0, 180}, {180, -48.23, 330}, {244.6, -48.23, 330}}));
    cat.add(listed(s, "2270", "2270 Symmetrical Three-Way Turnout Length 168.9 mm / Radius 424.6 mm / 16-3/4\"",
                   PieceKind::LeftTurnout, 168.9, 424.6, 22.5,
                   {{0, 0, 180}, {168.9, 0, 0}, {162.49, 32.32, 22.5}, {162.49, -32.32, 337.5}}));
    cat.add(makeTurnout(s, "22715", "22715 Left Turnout Length 225 mm / 8-7/8\" / Radius 902.4 mm / 35-1/2\"",
                        PieceKind::LeftTurnout, 225, 902.4, 14.3));
    cat.add(makeTurnout(s, "22716", "22716 Right Turnout Length 225 mm / 8-7/8\" / Radius 902.4 mm / 35-1/2\"",
                        PieceKind::RightTurnout, 225, 902.4, 14.3));
    cat.add(listed(s, "2260", "2260 Double Slip Switch Length 168.9 mm / 6-5/8\"", PieceKind::DoubleSlip, 168.9,
                   424.6, 22.5, {{0, 0, 180}, {168.9, 0, 0}, {6.41, -32.32, 202.5}, {162.49, 32.32, 22.5}}));
    cat.add(listed(s, "2275", "2275 Double Slip Switch Length 225 mm / 8-7/8\" / Radius 902.4 mm / 35-1/2\"",
                   PieceKind::DoubleSlip, 225, 902.4, 14.3,
                   {{0, 0, 180}, {225, 0, 0}, {3.49, -27.79, 194.3}, {221.51, 27.79, 14.3}}));
    cat.add(makeBumper(s, "7389", "7389 Track Bumper", 60));
    cat.add(makeBumper(s, "7391", "7391 Track Bumper", 40));
    cat.add(bridge(makeStraight(s, "7263", "7263 Arch Bridge 360mm", 360)));
    cat.add(bridge(makeStraight(s, "7262", "7262 Truss Bridge 180mm", 180)));
    cat.add(ramp(makeCurve(s, "7569", "7569 Curved Ramp R2 30deg", 424.6, 30)));
    cat.add(ramp(makeCurve(s, "7267", "7267 Curved Ramp R1 45deg", 360, 45)));
}

} // namespace

void TrackCatalog::build()
{
    pieces_.clear();
    index_.clear();
    maxConnectors_ = 0;
    addMarklinC(*this);
    addTrixC(*this);
    addMarklinZ(*this);
    addMarklinK(*this);
    built_ = true;
}

} // namespace layrail
