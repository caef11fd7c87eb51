// What a dialog template is: a window's controls in template order, with positions and
// sizes in dialog units, as the window is built from them. The application provides its
// templates as constant data (see app_resources.h).
#pragma once

#include <span>
#include <string_view>

namespace framework {

enum class ControlKind {
    Edit,        // a text box
    ComboBox,    // a list with an edit field, or a drop-down list (DropDownList)
    CheckBox,    // an automatic check box
    PushButton,  // a push button
    GroupBox,    // a frame, with or without a caption
    Static,      // a line of text
    Picture,     // a bitmap resource at its own size
};

// Style flags; combine with |.
enum ControlStyle : unsigned {
    kNone = 0,
    kMultiLine = 1u << 0,
    kReadOnly = 1u << 1,
    kNoBorder = 1u << 2,
    kDefaultButton = 1u << 3,
    kDropDownList = 1u << 4,      // no edit field: the user can only pick an item
    kSorted = 1u << 5,            // the list sorts its items
    kHorizontalScroll = 1u << 6,  // a multi-line box with a horizontal scroll bar
    // The multi-line boxes of a window that have this style scroll up and down as one,
    // so that each line stays beside the lines it stands with in the others.
    kScrollsTogether = 1u << 7,
    // The boxes of the window's table, which their context menu offers to copy whole
    // ("Copy Table", framework/copy_table.h): multi-line boxes whose lines read side by
    // side (values, units), single boxes that are one row each with their name, and
    // boxes whose lines follow the table (Temperature's formulas).
    kTableColumn = 1u << 8,
    kTableField = 1u << 9,
    kTableNote = 1u << 10,
};

struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

struct ControlTemplate {
    ControlKind kind;
    int id;  // -1 for a control nothing refers to
    DialogRect rect;
    std::string_view text = {};  // caption, or the accessible name of a nameless control
    unsigned style = kNone;
    std::span<const std::string_view> items = {};  // list items, in template order
    int bitmap = 0;                                // Picture: the bitmap resource id
};

struct DialogTemplate {
    int id;
    std::string_view title;  // the tab caption of a page
    int width;
    int height;
    std::string_view fontName;
    int fontPoints;
    std::span<const ControlTemplate> controls;
};

inline constexpr int kNoId = -1;

}  // namespace framework
