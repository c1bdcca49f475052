#pragma once

namespace layrail {

enum class PrintScaling : int { FitToPage = 0, ActualScale = 1, CustomPercentage = 2 };
enum class PrintLevels : int { ActiveOnly = 0, All = 1 };
enum class PrintColour : int { Colour = 0, Greyscale = 1 };

// How the layout is printed; kept by the main window for the run, never saved.
struct PrintOptions {
    PrintScaling scaling = PrintScaling::FitToPage;
    int scaleDenominator = 10;  // 1 : N, 1 to 1000
    int customPercentage = 100; // 1 to 1000
    PrintLevels levels = PrintLevels::ActiveOnly;
    PrintColour colour = PrintColour::Colour;
    bool includeGrid = false;
    bool includeBaseboard = true;
};

constexpr int kMinPrintNumber = 1;
constexpr int kMaxPrintNumber = 1000;

} // namespace layrail
