#pragma once

#include <string>

#include "document/EditResult.h"
#include "document/Layout.h"
#include "document/SelectionFlags.h"

namespace layrail {

// A refused edit: the window shows the message (OK, information icon) and changes nothing.
struct LockRefusal {
    bool refused = false;
    std::string title;
    std::string message;

    EditMessage asMessage() const { return {title, message, MessageIcon::Information}; }
};

// Helix stubs and tunnel track are never deleted or rotated one by one. verb: "delete" or "rotate".
LockRefusal checkLocks(const Layout& layout, const std::string& verb);

// The selection is exactly the pieces of one whole helix and no scenery item; delete and rotate
// then skip the lock check, since the helix goes or turns as a whole.
bool selectionIsOneHelix(const Layout& layout);

// The helix and tunnel locks of a move: every helix with a selected stub must be wholly selected,
// and no tunnel track or portal may be selected.
LockRefusal checkMoveLocks(const Layout& layout);

enum class Gate { Allowed, Refused, Ask };

// The checks before a move or a delete: a refusal, a Yes/No question (No the default), or go.
struct GateCheck {
    Gate gate = Gate::Allowed;
    EditMessage message;
};

// gradeConfirmed: the user already answered Yes to the graded-move question in this run.
GateCheck checkMoveStart(const Layout& layout, bool gradeConfirmed);

// Delete with a selection: the lock check (unless one helix alone), then the graded-pieces question.
GateCheck checkDelete(const Layout& layout);

} // namespace layrail
