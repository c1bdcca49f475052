#pragma once

#include <string>

#include "document/History.h"
#include "document/Layout.h"

namespace layrail {

enum class MessageIcon { Information, Warning, Question };

// A message box the window shows with an OK button.
struct EditMessage {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Information;

    bool empty() const { return title.empty() && text.empty(); }
};

// What an edit tells the window; the window does the notifying and refreshing.
struct EditResult {
    bool changed = false;          // content changed: notify the main window, refresh the views
    bool selectionChanged = false; // update the properties panel
    EditMessage message;           // shown when not empty
    std::string status;            // status field 1, when not empty
    bool zoomActual = false;       // set the view to zoom 1, pan (60, 60)
    bool swallowNextPress = false; // the second press of a double-click must do nothing
};

// One edit, one undo snapshot: the first change records it, later ones find it taken.
class EditSnapshot {
public:
    explicit EditSnapshot(Layout& layout) : layout_(layout) {}
    EditSnapshot(const EditSnapshot&) = delete;
    EditSnapshot& operator=(const EditSnapshot&) = delete;

    void record()
    {
        if (!recorded_) {
            pushHistory(layout_);
            recorded_ = true;
        }
    }
    bool recorded() const { return recorded_; }

private:
    Layout& layout_;
    bool recorded_ = false;
};

} // namespace layrail
