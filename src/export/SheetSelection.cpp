#include "export/SheetSelection.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/InkProbe.h"
#include "render/Renderer.h"

namespace layrail {

namespace {

bool sheetInked(const Layout& layout, const ExportPage& page, const RenderOptions& render)
{
    InkProbe probe(page.margin, page.margin, page.width - page.margin, page.height - page.margin);
    renderLayout(layout, probe, page.view, static_cast<int>(std::ceil(page.width)),
                 static_cast<int>(std::ceil(page.height)), render);
    return probe.inked();
}

class SheetGrid {
public:
    SheetGrid(int rows, int columns) : rows_(rows), columns_(columns) {}

    int index(int row, int column) const { return row * columns_ + column; }
    // The sheet beside one, or -1 off the grid.
    int neighbour(int sheet, int dRow, int dColumn) const
    {
        const int row = sheet / columns_ + dRow, column = sheet % columns_ + dColumn;
        return row < 0 || row >= rows_ || column < 0 || column >= columns_ ? -1 : index(row, column);
    }

    // Whether every inked sheet can be reached from the first one through kept sheets that share
    // an edge.
    bool joined(const std::vector<bool>& kept, const std::vector<bool>& inked) const
    {
        const int count = rows_ * columns_;
        const auto first = std::find(inked.begin(), inked.end(), true);
        std::vector<bool> reached(static_cast<size_t>(count), false);
        std::vector<int> queue{static_cast<int>(first - inked.begin())};
        reached[static_cast<size_t>(queue.front())] = true;
        for (size_t next = 0; next < queue.size(); ++next) {
            for (const auto& [dRow, dColumn] : kSteps) {
                const int beside = neighbour(queue[next], dRow, dColumn);
                if (beside >= 0 && kept[static_cast<size_t>(beside)] && !reached[static_cast<size_t>(beside)]) {
                    reached[static_cast<size_t>(beside)] = true;
                    queue.push_back(beside);
                }
            }
        }
        for (int i = 0; i < count; ++i)
            if (inked[static_cast<size_t>(i)] && !reached[static_cast<size_t>(i)])
                return false;
        return true;
    }

private:
    static constexpr std::pair<int, int> kSteps[4] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    int rows_;
    int columns_;
};

} // namespace

void leaveOutEmptySheets(const Layout& layout, ExportLayoutPlan& plan)
{
    if (plan.pages.size() < 2 || !plan.pages.front().tiled)
        return;
    const int rows = plan.pages.front().tile.rows, columns = plan.pages.front().tile.columns;
    const size_t count = static_cast<size_t>(rows) * static_cast<size_t>(columns);
    if (plan.pages.size() != count)
        return;

    // Grid lines cover every sheet; they are not what makes a sheet worth printing.
    RenderOptions probing = plan.render;
    probing.grid = false;
    std::vector<bool> inked(count);
    for (size_t i = 0; i < count; ++i)
        inked[i] = sheetInked(layout, plan.pages[i], probing);
    if (std::find(inked.begin(), inked.end(), true) == inked.end())
        return;

    const SheetGrid grid(rows, columns);
    std::vector<bool> kept(count, true);
    for (size_t i = 0; i < count; ++i) {
        if (inked[i])
            continue;
        kept[i] = false;
        if (!grid.joined(kept, inked))
            kept[i] = true;
    }

    std::vector<int> numbers(count, 0);
    int printed = 0;
    for (size_t i = 0; i < count; ++i)
        if (kept[i])
            numbers[i] = ++printed;
    auto numberBeside = [&](int sheet, int dRow, int dColumn) {
        const int beside = grid.neighbour(sheet, dRow, dColumn);
        return beside < 0 ? 0 : numbers[static_cast<size_t>(beside)];
    };
    std::vector<ExportPage> pages;
    for (size_t i = 0; i < count; ++i) {
        if (!kept[i])
            continue;
        ExportPage page = plan.pages[i];
        const int sheet = static_cast<int>(i);
        page.tile.number = numbers[i];
        page.tile.count = printed;
        page.tile.above = numberBeside(sheet, -1, 0);
        page.tile.below = numberBeside(sheet, 1, 0);
        page.tile.left = numberBeside(sheet, 0, -1);
        page.tile.right = numberBeside(sheet, 0, 1);
        pages.push_back(page);
    }
    plan.pages = std::move(pages);
}

} // namespace layrail
