#pragma once

#include <string>

namespace layrail {

enum class PlanFormat { Png, Svg, Pdf };
enum class PlanScaling { FitToPage, TrueScale };
enum class PlanLevels { Active, All, One };
enum class Paper { A4, Letter };

constexpr int kMinExportDpi = 30;
constexpr int kMaxExportDpi = 1200;
constexpr int kMinScaleDenominator = 1;
constexpr int kMaxScaleDenominator = 1000;

// How the plan is exported: the same choices as printing (fit or true scale, levels, colour, grid,
// baseboard) plus the file's own (its format, the resolution of a picture, the paper of a page).
struct PlanExportOptions {
    PlanFormat format = PlanFormat::Pdf;
    PlanScaling scaling = PlanScaling::FitToPage;
    int scaleDenominator = 1; // 1 : N with true scale
    PlanLevels levels = PlanLevels::Active;
    int level = 1; // with PlanLevels::One
    bool greyscale = false;
    bool grid = false;
    bool baseboard = true;
    bool labels = true; // article labels and join dots
    int dpi = 300;      // PNG only
    Paper paper = Paper::A4;
};

// The format the file name's extension asks for (.png, .svg, .pdf in any case); false for others.
bool formatFromPath(const std::string& path, PlanFormat& format);
const char* formatExtension(PlanFormat format); // "png", "svg", "pdf"

struct PaperSize {
    double width = 0.0; // mm, portrait
    double height = 0.0;
};
PaperSize paperSize(Paper paper);
const char* paperName(Paper paper); // "A4", "Letter"
// "a4", "A4", "letter"...; false for an unknown name.
bool paperFromName(const std::string& name, Paper& paper);

} // namespace layrail
