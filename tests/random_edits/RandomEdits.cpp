#include "RandomEdits.h"

#include <algorithm>
#include <sstream>

#include "document/History.h"
#include "document/LayoutCheck.h"

namespace layrail::randomedit {

namespace {

std::vector<Operation>& table()
{
    static std::vector<Operation> operations;
    return operations;
}

bool sorted = false;

} // namespace

std::uint64_t Rng::next()
{
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int Rng::below(int n)
{
    if (n <= 0)
        return 0;
    return static_cast<int>(next() % static_cast<std::uint64_t>(n));
}

int Rng::between(int low, int high) { return low + below(high - low + 1); }

double Rng::uniform(double low, double high)
{
    const double unit = static_cast<double>(next() >> 11) / static_cast<double>(1ULL << 53);
    return low + (high - low) * unit;
}

bool Rng::chance(double probability) { return uniform(0.0, 1.0) < probability; }

bool registerOperation(const std::string& name, int weight, OperationFunction run)
{
    table().push_back({name, weight, std::move(run)});
    sorted = false;
    return true;
}

const std::vector<Operation>& operations()
{
    if (!sorted) {
        std::sort(table().begin(), table().end(),
                  [](const Operation& a, const Operation& b) { return a.name < b.name; });
        sorted = true;
    }
    return table();
}

const Operation* findOperation(const std::string& name)
{
    for (const Operation& op : operations())
        if (op.name == name)
            return &op;
    return nullptr;
}

std::vector<Step> planSteps(std::uint64_t seed, std::size_t count)
{
    const std::vector<Operation>& ops = operations();
    int total = 0;
    for (const Operation& op : ops)
        total += op.weight;
    Rng rng(seed);
    std::vector<Step> steps;
    steps.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Step step;
        step.seed = rng.next();
        if (i == 0 || total <= 0) {
            step.operation = kFirstOperation;
        } else {
            int draw = rng.below(total);
            for (const Operation& op : ops) {
                if (draw < op.weight) {
                    step.operation = op.name;
                    break;
                }
                draw -= op.weight;
            }
        }
        steps.push_back(step);
    }
    return steps;
}

RunResult runSteps(const std::vector<Step>& steps, const std::string& scratchFolder, bool keepLog)
{
    RunResult result;
    EditWorld world;
    world.layout.ensureDefaultLevel();
    // One pixel per millimetre, so that the operations can aim the mouse in layout coordinates.
    world.view.zoom = 1.0;
    world.view.panX = 0.0;
    world.view.panY = 0.0;
    world.scratchFolder = scratchFolder;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        StepReport report;
        const Operation* op = findOperation(step.operation);
        if (op == nullptr) {
            report.problems.push_back("no operation named \"" + step.operation + "\"");
        } else {
            Rng rng(step.seed);
            op->run(world, rng, report);
        }
        ++result.stepsRun;
        if (keepLog)
            result.log.push_back(step.operation + ": " + report.did);
        std::vector<std::string> problems = findLayoutProblems(world.layout);
        problems.insert(problems.begin(), report.problems.begin(), report.problems.end());
        if (world.layout.undoStack.size() > kUndoLimit)
            problems.push_back("the undo history holds more than " + std::to_string(kUndoLimit) + " snapshots");
        if (!problems.empty()) {
            result.ok = false;
            result.failedStep = i;
            result.problems = std::move(problems);
            return result;
        }
    }
    return result;
}

std::vector<Step> shrinkFailure(std::vector<Step> steps, const std::string& scratchFolder)
{
    RunResult run = runSteps(steps, scratchFolder);
    if (run.ok)
        return steps;
    steps.resize(run.failedStep + 1);
    for (std::size_t chunk = std::max<std::size_t>(steps.size() / 2, 1);; chunk /= 2) {
        bool removed = true;
        while (removed) {
            removed = false;
            for (std::size_t start = 0; start < steps.size() && steps.size() > 1;) {
                std::vector<Step> shorter = steps;
                const std::size_t end = std::min(start + chunk, shorter.size());
                shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(start),
                              shorter.begin() + static_cast<std::ptrdiff_t>(end));
                const RunResult attempt = runSteps(shorter, scratchFolder);
                if (!attempt.ok) {
                    shorter.resize(attempt.failedStep + 1);
                    steps = std::move(shorter);
                    removed = true;
                } else {
                    start += chunk;
                }
            }
        }
        if (chunk == 1)
            break;
    }
    return steps;
}

std::string formatSteps(const std::vector<Step>& steps)
{
    std::string text;
    for (const Step& step : steps) {
        if (!text.empty())
            text += ' ';
        text += step.operation + ":" + std::to_string(step.seed);
    }
    return text;
}

bool parseSteps(const std::string& text, std::vector<Step>& steps, std::string& error)
{
    steps.clear();
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        const std::size_t colon = word.rfind(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == word.size()) {
            error = "a step reads operation:seed, not \"" + word + "\"";
            return false;
        }
        Step step;
        step.operation = word.substr(0, colon);
        try {
            std::size_t used = 0;
            step.seed = std::stoull(word.substr(colon + 1), &used);
            if (used != word.size() - colon - 1)
                throw std::invalid_argument("trailing text");
        } catch (const std::exception&) {
            error = "bad seed in \"" + word + "\"";
            return false;
        }
        if (findOperation(step.operation) == nullptr) {
            error = "no operation named \"" + step.operation + "\"";
            return false;
        }
        steps.push_back(step);
    }
    return true;
}

} // namespace layrail::randomedit
