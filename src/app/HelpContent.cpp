#include "app/HelpContent.h"

#include <utility>

namespace layrail {

namespace {

std::string shortcutList()
{
    static const char* const rows[][2] = {
        {"Ctrl+Z / Ctrl+Y", "Undo / Redo"},
        {"Del", "Delete selected"},
        {"Ctrl+A", "Select all"},
        {"Ctrl+S / O / N", "Save / Open / New"},
        {"Ctrl+0", "Zoom to fit"},
        {"+ / -", "Zoom in / out"},
        {"Middle-drag", "Pan canvas"},
        {"Left-drag", "Rubber band select (on empty area)"},
        {"Mouse wheel", "Zoom in / out"},
        {"Ctrl+wheel", "Rotate selection by 15 deg (Shift: 5 deg)"},
        {"Wheel (palette)", "Rotate piece being dragged by 30 deg (Shift: 15 deg)"},
        {"R (palette)", "Rotate piece being dragged by 30 deg"},
        {"Right-click", "Context menu"},
        {"Alt+drag", "Free rotate"},
        {"Alt+right-click", "Rotate selection by 30 deg"},
        {"Escape", "Deselect / cancel drag / cancel measurement"},
        {"F1", "This help screen"},
    };
    std::string list;
    for (const auto& row : rows) {
        if (!list.empty())
            list += '\n';
        list += shortcutLine(row[0], row[1]);
    }
    return list;
}

HelpTopic plain(const char* heading, std::string body)
{
    return HelpTopic{heading, std::move(body), false, "", false};
}

HelpTopic linked(const char* heading, const char* beforeLink, const char* afterLink)
{
    return HelpTopic{heading, beforeLink, true, afterLink, false};
}

std::vector<HelpTopic> buildTopics()
{
    std::vector<HelpTopic> topics;
    topics.push_back(linked("Welcome to Layrail v1.3", "Layrail by",
                      "lets you design and plan your Marklin and TRIX model railway layouts. Supported systems: "
                      "Marklin and TRIX HO C-Track, Marklin HO K-Track, and Marklin Z Track."));
    topics.push_back(plain("Getting Started",
                      "1. Select a track system from the palette dropdown on the left.\n"
                      "2. Find a piece in the Track tab; hover over a row to see a small drawing of it.\n"
                      "3. Press the left button on the row and drag the piece onto the canvas.\n"
                      "4. Bring one of its ends near an open end of your track: within 25 mm it snaps into line.\n"
                      "5. Click to drop it. Snapped ends are joined on both pieces.\n"
                      "6. Keep adding pieces the same way until the layout is complete.\n"
                      "7. Save with File > Save (Ctrl+S) and give the layout a name.\n\n"
                      "Units of measure: choose millimetres, centimetres or inches under Layout > Units of Measure. "
                      "The choice is saved with the layout.\n\n"
                      "Snapping can be switched off with View > Snap (Ctrl+Shift+G); pieces then drop where you "
                      "click and are not joined.\n\n"
                      "Double-click a piece on the canvas to add another one just like it at its free end.\n\n"
                      "With a piece selected on the canvas, double-click a row in the palette to attach that piece "
                      "to the selected track's open end.\n\n"
                      "Your layouts are kept by name; File > Open Layout lists them."));
    topics.push_back(plain("Canvas Navigation",
                      "Pan: middle-click and drag. Ctrl+drag on an empty area, or holding Space while dragging, "
                      "pans as well.\n"
                      "Zoom: scroll the mouse wheel, or use + and - (View > Zoom In / Zoom Out).\n"
                      "Zoom to fit: Ctrl+0 or the Fit button in the toolbar shows the whole layout, baseboard "
                      "and outlines included.\n"
                      "Rubber band: drag with the left button on an empty area to select everything inside the "
                      "rectangle."));
    topics.push_back(plain("Track Selection",
                      "Left-click a piece to select it. Clicking empty canvas clears the selection.\n"
                      "Ctrl+A selects every piece and scenery item; Escape deselects.\n"
                      "Shift+click a second piece to select the whole chain of joined track between the last "
                      "selected piece and that one.\n"
                      "Ctrl+click adds a piece to the selection or removes it again; two pieces selected this way "
                      "are what Autofill works on.\n"
                      "Drag a rubber band on an empty area to add everything inside it to the selection.\n"
                      "Clicking any stub of a helix selects the whole helix."));
    topics.push_back(plain("Autofill Gap",
                      "Autofill closes the space between two open track endpoints by figuring out which pieces "
                      "fit.\n\n"
                      "1. Click the piece at one end of the gap.\n"
                      "2. Ctrl+click the piece at the other end.\n"
                      "3. Right-click one of them and choose Autofill Gap...\n"
                      "4. Pick one of the offered combinations of straights and click Place.\n\n"
                      "The two open ends must face each other in a straight line. If no combination of the "
                      "system's straights matches the gap within 1.5 mm, Layrail tells you the gap length so you "
                      "can adjust the track by hand."));
    topics.push_back(plain("Library",
                      "The Library tab in the palette lets you borrow pre-built track sections.\n\n"
                      "Double-click a block in the list to add its pieces and scenery to the layout; the view then "
                      "zooms to show everything. Right-click a block to delete it.\n\n"
                      "To make your own block, select the pieces and scenery you want to keep and choose "
                      "File > Save as Library Block. Blocks are kept per track system."));
    topics.push_back(plain("Moving Pieces",
                      "Click and drag a selected piece to move it. Every selected piece moves with it.\n\n"
                      "Moving breaks the joints to pieces left behind. When a moved end comes near an open end it "
                      "snaps into line and is joined again on release; other open ends that meet are joined too.\n\n"
                      "Use Ctrl+A and drag to move the whole layout. Track inside a tunnel cannot be moved until "
                      "the tunnel is removed, and a helix moves only as a whole."));
    topics.push_back(plain("Dragging from the Palette",
                      "While a piece is being dragged from the palette onto the canvas, scroll the mouse wheel to "
                      "rotate it in 30 degree steps (15 degree with Shift) before dropping.\n\n"
                      "R or a right-click also turns it by 30 degrees. Escape cancels the drag without placing "
                      "anything."));
    topics.push_back(plain("Rotating Pieces",
                      "With pieces selected, hold Ctrl and scroll the mouse wheel to rotate the selection in 15 "
                      "degree steps (5 degree with Shift also held).\n\n"
                      "The selection turns as one rigid block about its centre, so joints between selected pieces "
                      "stay intact.\n\n"
                      "Alt+drag rotates the selection freely; the angle is shown beside the pointer and snaps to "
                      "0, 90, 180 and 270 degrees, flashing green when it does.\n"
                      "Alt+right-click turns the selection by a fixed step.\n\n"
                      "Track in a tunnel and single pieces of a helix cannot be rotated."));
    topics.push_back(plain("Elevation and Grades",
                      "Select a piece and use the Set Grade controls in the right panel.\n\n"
                      "Choose UP or DOWN and the angle, then click Start Grade. Every piece you join at the "
                      "climbing end continues the grade, and the heights are worked out for you. Click End Grade "
                      "when the climb is done: the following pieces lie flat at the height reached. Recalc "
                      "works the heights out again from the selected piece forward.\n\n"
                      "The height field sets a piece's height above its level's deck directly. Grades above "
                      "6 degrees are shown in red as a warning.\n\n"
                      "A bridge piece ends a grade and lies flat; ramps carry the climb on. To change decks "
                      "quickly, place a helix from the Helix group of the Track tab."));
    topics.push_back(plain("3D View",
                      "Click '3D View' in the toolbar to open a 3D preview.\n\n"
                      "Left-drag orbits the camera, right-drag pans, and the mouse wheel zooms. R resets the "
                      "view.\n\n"
                      "Track is shown at its real height on its level, so grades, helices and decks can be "
                      "checked at a glance. Bridges stand on supports and tunnels are drawn over their track. "
                      "The preview follows every change you make."));
    topics.push_back(plain("Layout Shape",
                      "Use Layout > Layout Shape to define the baseboard outline - the physical table the "
                      "layout sits on.\n\n"
                      "Choose a rectangle, an L, U or T shape and type its sizes, or type a list of corner "
                      "points. Free-form lets you click the corners on the canvas: click the first corner again "
                      "or press Enter to close it, Backspace removes the last corner and Escape cancels. Clear "
                      "removes the outline."));
    topics.push_back(plain("Polygon Shapes",
                      "The Polygon button in the toolbar (next to Measure) lets you draw free-form shapes "
                      "anywhere on the canvas - useful for mountains, rivers, parking areas, or any custom "
                      "region.\n\n"
                      "Click to add corners; click the first corner again or press Enter to close the shape. "
                      "Backspace removes the last corner and Escape cancels.\n\n"
                      "Drag a shape to move it and double-click it to set its name, colour, opacity, height and "
                      "outline. In the 3D view a shape with a height rises as a solid block; a shape over tunnel "
                      "track is drawn as a wireframe so the tunnel stays visible.\n\n"
                      "To run track through a mountain, select the chain of track and click Tunnel: portals are "
                      "placed at both ends and the track is locked. Select the same track and click Remove "
                      "Tunnel to take the tunnel away."));
    topics.push_back(plain("Files (.lyr)",
                      "Layrail saves layouts with the .lyr extension.\n\n"
                      "Layouts are kept by name in a layouts folder next to the application, so you never have "
                      "to look for them: File > Open Layout lists them and can delete old ones. Older layouts "
                      "saved as .xml are listed too.\n\n"
                      "File > Import Layout copies a layout from another folder into the application's folder; "
                      "File > Export Layout copies one to a folder you choose (Downloads at first).\n\n"
                      "File > Print prints the plan, fitted to the page or at a chosen scale, across as many "
                      "pages as it needs; Print Preview shows the pages first."));
    topics.push_back(plain("Levels",
                      "Click the Levels button in the toolbar to open the Manage Levels dialog.\n\n"
                      "A level is a deck of the layout with its own name, height and deck outline. Pieces on a "
                      "level take its height, and, when the level's track colour is switched on, its colour.\n\n"
                      "Untick a level to hide it; hidden levels are not drawn and cannot be clicked. Click a "
                      "level to make it active. New pieces go on the level of the track they join, otherwise on "
                      "the highest visible level. The right panel moves selected pieces to another level."));
    topics.push_back(plain("Measuring Tape",
                      "Use the Measure button in the toolbar (next to Tunnel) to lay down a length annotation "
                      "on the canvas.\n\n"
                      "Click the start point, then the end point; the length is shown as you move. Click a "
                      "measurement to select it, drag it to move it, and press Del to delete it. Lengths are "
                      "shown in the current units of measure. Escape cancels a measurement in progress."));
    topics.push_back(plain("Adding Labels",
                      "Type your label text in the Add Label field in the right panel and click OK (or press "
                      "Enter) to place it.\n\n"
                      "To choose where it goes, Ctrl+click an empty spot on the canvas first; otherwise it "
                      "appears at the layout's origin. Drag a label to move it, and select it and press Del to "
                      "delete it."));
    topics.push_back(linked("Piece Tally",
                      "The right panel automatically tallies all pieces in your layout. Bridge pieces also count "
                      "their included deck track pieces. Click 'Buy Track' to open the",
                      "website in your browser where a shopping cart with your required track will be waiting "
                      "for you to review and check out."));
    topics.push_back(plain("Coloring Track",
                      "Select the piece(s) you want to color, then use the Color dropdown in the right panel and "
                      "click Apply.\n\n"
                      "Colours help you tell circuits, sidings or wiring sections apart. Every selected piece "
                      "takes the colour; choose Default to return to the normal drawing."));
    topics.push_back(HelpTopic{"Keyboard Shortcuts", shortcutList(), false, "", true});
    return topics;
}

} // namespace

const std::vector<HelpTopic>& helpTopics()
{
    static const std::vector<HelpTopic> topics = buildTopics();
    return topics;
}

std::string shortcutLine(const std::string& keys, const std::string& action)
{
    std::string line = keys;
    if (line.size() < 17)
        line.append(17 - line.size(), ' ');
    return line + "- " + action;
}

} // namespace layrail
