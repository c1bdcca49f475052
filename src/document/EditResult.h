#pragma once

#include <string>

#include "document/Changes.h"
#include "document/EditSnapshot.h"
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

// What an edit tells the window. The window shows the message, sets the status text and hands the
// changes to the session, whose listeners do every refresh.
struct EditResult {
    Changes changes;               // committed to the session; content changes mark the layout modified
    EditMessage message;           // shown when not empty
    std::string status;            // status field 1, when not empty
    std::string mainStatus;        // status field 0 (the prompt field), when not empty
    bool zoomActual = false;       // set the view to zoom 1, pan (60, 60)
    bool swallowNextPress = false; // the second press of a double-click must do nothing

    // The layout's content changed (and one undo snapshot was recorded for it).
    bool changed() const { return changes.content; }
};

} // namespace layrail
