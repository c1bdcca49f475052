#pragma once

namespace layrail {

// What one commit of the session changed. Every view listens to the session and reacts to the flags it
// cares about: the canvas repaints, the title follows the file and the modified mark, the status bar
// counts the pieces, the properties panel follows the selection and the unit.
struct Changes {
    bool content = false;   // records added, removed, moved or restyled (what undo restores)
    bool selection = false; // selection flags of pieces, scenery items, labels, dimension lines or shapes
    bool levels = false;    // the level list, a level's settings or outline, the baseboard outline
    bool units = false;     // the display unit
    bool file = false;      // the file name, its path or the modified mark
    bool view = false;      // a view switch (grid, labels, snap, tool mode): a repaint, nothing to save

    static Changes ofContent() { return withFlag(&Changes::content); }
    static Changes ofSelection() { return withFlag(&Changes::selection); }
    static Changes ofLevels() { return withFlag(&Changes::levels); }
    static Changes ofUnits() { return withFlag(&Changes::units); }
    static Changes ofFile() { return withFlag(&Changes::file); }
    static Changes ofView() { return withFlag(&Changes::view); }
    // Content and selection together: what most edits and every undo step change.
    static Changes ofEdit() { return ofContent() | ofSelection(); }
    static Changes everything()
    {
        Changes all;
        all.content = all.selection = all.levels = all.units = all.file = all.view = true;
        return all;
    }

    // Changes the saved file would keep: they set the modified mark.
    bool marksModified() const { return content || levels || units; }
    bool any() const { return content || selection || levels || units || file || view; }

    Changes& operator|=(const Changes& other)
    {
        content = content || other.content;
        selection = selection || other.selection;
        levels = levels || other.levels;
        units = units || other.units;
        file = file || other.file;
        view = view || other.view;
        return *this;
    }
    friend Changes operator|(Changes a, const Changes& b) { return a |= b; }
    friend bool operator==(const Changes& a, const Changes& b)
    {
        return a.content == b.content && a.selection == b.selection && a.levels == b.levels && a.units == b.units &&
               a.file == b.file && a.view == b.view;
    }
    friend bool operator!=(const Changes& a, const Changes& b) { return !(a == b); }

private:
    static Changes withFlag(bool Changes::*flag)
    {
        Changes changes;
        changes.*flag = true;
        return changes;
    }
};

} // namespace layrail
