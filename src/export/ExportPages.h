#pragma once

#include <string>
#include <vector>

#include "document/Layout.h"
#include "export/ExportOptions.h"
#include "render/CanvasView.h"
#include "render/RenderOptions.h"

namespace layrail {

// Exports are laid out in units of 1/96 inch, a screen pixel at 100 %: the renderer's pens and
// fonts then keep the proportions they have on screen, and each file scales the units to its own
// (pixels at the chosen resolution, points on paper).
constexpr double kUnitsPerInch = 96.0;
constexpr double kUnitsPerMm = kUnitsPerInch / 25.4;
constexpr double kPointsPerUnit = 72.0 / kUnitsPerInch;

// The white border around a picture at true scale and around the printable area of a page.
constexpr double kExportMarginMm = 10.0;
// What neighbouring sheets of a true-scale template share, so they can be trimmed and glued.
constexpr double kTileOverlapMm = 10.0;
constexpr int kMaxExportPages = 1000;
// Cairo's own limit on a picture's side, and a bound on its memory (4 bytes a pixel).
constexpr int kMaxPictureSide = 32767;
constexpr double kMaxPicturePixels = 268.0e6;

// Where a sheet lies in a tiled template: rows run top to bottom, columns left to right. Sheets
// that would carry nothing may be left out of the file, so a sheet also knows its own page number,
// the file's page count and the page numbers of the sheets beside it (0 where none is printed).
struct TilePosition {
    int row = 0;
    int column = 0;
    int rows = 1;
    int columns = 1;
    int number = 1;
    int count = 1;
    int above = 0;
    int below = 0;
    int left = 0;
    int right = 0;
};

// A sheet of a full grid of rows x columns, numbered left to right, then top to bottom.
TilePosition gridTile(int row, int column, int rows, int columns);

// One page of a PDF, or the whole of a PNG or SVG picture.
struct ExportPage {
    double width = 0.0; // units
    double height = 0.0;
    CanvasView view;    // zoom in units per layout millimetre
    bool tiled = false; // a sheet of a template of several pages, drawn inside its margins
    TilePosition tile;
    double margin = 0.0;  // units; a tiled sheet draws the plan in [margin, size - margin]
    double overlap = 0.0; // units shared with each neighbouring sheet
};

struct ExportLayoutPlan {
    std::vector<ExportPage> pages;
    RenderOptions render;
    std::string error; // non-empty: nothing can be written (a picture too large, too many pages)
};

// The pages of an export: fit to page gives one page of the paper (PNG, SVG and PDF alike), turned
// to suit the plan; true scale gives one picture of the whole plan for PNG and SVG, and for PDF one
// page when the plan fits on it, else sheets of the paper that overlap at their edges. Sheets on
// which the plan draws nothing are left out, except those that join the others into one piece.
ExportLayoutPlan planExport(const Layout& layout, const PlanExportOptions& options);

// The picture's size in pixels at the export's resolution.
int picturePixels(double units, int dpi);

} // namespace layrail
