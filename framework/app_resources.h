// What an application gives the framework when it starts, as a program names itself to
// a desktop framework: its name, its id on the desktop, where its images are, and its
// dialog templates. The framework knows no application of its own.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/command_line.h"
#include "framework/compiled_icon.h"
#include "framework/dialog_template.h"

namespace framework {

// The texts are string literals, so each is also a null-terminated C string.
struct AppResources {
    std::string_view title;      // the application's name; captions the framework's messages
    std::string_view desktopId;  // the desktop entry its windows belong to
    std::string_view
        resourcePrefix;  // its images: <prefix>/bitmaps/<id>.png, <prefix>/icons/<id>.png
    const DialogTemplate* (*findTemplate)(int id);  // the template with that id, or null
    // What the program says on its command line and when it has no display; a program
    // that leaves its name empty reads no command line.
    ProgramInfo program;
    // The names the items of a list with an edit field answer to besides their own
    // texts, where the application has them (a unit's symbol, plural, abbreviation): the
    // item of list controlId on template templateId that text names, or -1; and every
    // name of item, as people type them. Null: the items' texts only.
    int (*itemNamed)(int templateId, int controlId, std::string_view text) = nullptr;
    std::vector<std::string> (*itemNames)(int templateId, int controlId, int item) = nullptr;
    // Why a list's typed text names none of its items, for the lists where the
    // application would rather refuse such text than take it as no item; empty to take it.
    std::string (*itemRefusal)(int templateId, int controlId, std::string_view text) = nullptr;
    // The context menu entry that copies a window's whole table (kTableColumn); empty:
    // no such entry.
    std::string_view copyTable = {};
    // Icons whose pixels the program carries compiled in; LoadIcon takes these before
    // the image folder.
    std::span<const CompiledIcon> icons = {};
};

// Called once at start-up, before the first window is made.
void RegisterAppResources(const AppResources& resources);

// What the application registered; empty texts and no templates before that.
const AppResources& GetAppResources();

// The application's template with that id, or null.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace framework
