#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "render/CanvasView.h"
#include "canvas/Clipboard.h"
#include "document/Layout.h"

// The random edit test: a seed picks a sequence of edit operations, each run on the layout through
// the same wx-free rules the windows call, and the layout check must stay empty after every step.
//
// Adding an operation takes one file of its own (in this folder) with one line per operation:
//
//     void raiseGrade(EditWorld& world, Rng& rng, StepReport& report) { ... }
//     LAYRAIL_RANDOM_EDIT("raise-grade", 4, raiseGrade);
//
// The weight sets how often it is drawn against the others. An operation makes its own random
// choices from the Rng it is given (never from anywhere else, so that a step replays alike), acts
// like a user would (it may be refused, ask and be answered, or do nothing), says in report.did
// what it did, and adds to report.problems any promise of its own it saw broken.
namespace layrail::randomedit {

// A small generator whose sequence is the same everywhere (the standard distributions are not), so
// a seed names the same run on every machine.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // 0 to n - 1; 0 when n is not positive.
    int below(int n);
    int between(int low, int high);
    double uniform(double low, double high);
    bool chance(double probability);
    template <typename T>
    const T& pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

private:
    std::uint64_t state_;
};

// What the program keeps between edits besides the layout, as the windows would.
struct EditWorld {
    Layout layout;
    Clipboard clipboard;
    CanvasView view;
    bool gradeMoveConfirmed = false; // Yes to the graded-move question, for the rest of the run
    std::string scratchFolder;       // where save and block steps write their files
};

struct StepReport {
    std::string did;
    std::vector<std::string> problems;
};

using OperationFunction = std::function<void(EditWorld&, Rng&, StepReport&)>;

struct Operation {
    std::string name;
    int weight = 1;
    OperationFunction run;
};

// Adds an operation to the table; returns true so that a file registers by initialising a static.
bool registerOperation(const std::string& name, int weight, OperationFunction run);
// The table, ordered by name, so that a seed means the same run whatever order the files link in.
const std::vector<Operation>& operations();
const Operation* findOperation(const std::string& name);

#define LAYRAIL_RANDOM_EDIT_JOIN2(a, b) a##b
#define LAYRAIL_RANDOM_EDIT_JOIN(a, b) LAYRAIL_RANDOM_EDIT_JOIN2(a, b)
#define LAYRAIL_RANDOM_EDIT(name, weight, function)                                                          \
    [[maybe_unused]] static const bool LAYRAIL_RANDOM_EDIT_JOIN(randomEditRegistered, __LINE__) =             \
        ::layrail::randomedit::registerOperation(name, weight, function)

// The operation every run starts with: it lays a little track, so the others find something to do.
constexpr const char* kFirstOperation = "lay-track";

// One step: an operation and the seed of its own choices.
struct Step {
    std::string operation;
    std::uint64_t seed = 0;
};

// The steps a seed stands for: the first lays track, the rest are drawn by weight.
std::vector<Step> planSteps(std::uint64_t seed, std::size_t count);

struct RunResult {
    bool ok = true;
    std::size_t stepsRun = 0;
    std::size_t failedStep = 0; // the step after which the problems showed
    std::vector<std::string> problems;
    std::vector<std::string> log; // what every step did, when asked for
};

// Runs the steps on a fresh world (a new layout with its default level) and checks the layout after
// every step; stops at the first step that leaves a problem.
RunResult runSteps(const std::vector<Step>& steps, const std::string& scratchFolder, bool keepLog = false);

// The shortest failing sequence found by dropping steps, in ever smaller chunks, while the run
// still fails.
std::vector<Step> shrinkFailure(std::vector<Step> steps, const std::string& scratchFolder);

// "drop-snapped:12345 move:678": the form parseSteps reads back.
std::string formatSteps(const std::vector<Step>& steps);
bool parseSteps(const std::string& text, std::vector<Step>& steps, std::string& error);

} // namespace layrail::randomedit
