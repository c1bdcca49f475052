#pragma once

#include <string>

namespace layrail {

// The fields of the main window's status bar.
enum class StatusField : int {
    Prompt = 0,  // prompts, elevation state and "Ready"
    Pieces = 1,  // "Pieces: " and the count
    Pointer = 2, // the pointer position
};

// What the canvas needs from the window around it, beyond the session: the status texts, word that
// a drawing tool has ended, and the run log. The main window implements it; a test may implement
// it to watch.
class CanvasHost {
public:
    virtual ~CanvasHost() = default;

    virtual void setStatusText(StatusField field, const std::string& text) = 0;
    virtual std::string statusText(StatusField field) const = 0;

    // The canvas left its measuring, polygon or outline tool (Escape): the tool buttons come up.
    virtual void toolEnded() = 0;

    // A Ctrl+click on empty canvas chose where the next label goes: the label box takes the keys.
    virtual void labelPointChosen() = 0;

    // A line for the run log: a failure the canvas recovered from.
    virtual void logLine(const std::string& line) = 0;
};

} // namespace layrail
