// What a list with an edit field does with what is typed into it: the item it names,
// the completion pop-up, and Enter.
#pragma once

#include <string>

class QComboBox;

namespace framework {

// The item that the list's typed text names, or -1: the item spelt exactly, else the
// item spelt whatever the case and the blanks at either end (some items end in blanks
// nobody sees), else the item that the application names by that text
// (AppResources::itemNamed).
int TypedItem(const QComboBox* list);

// Why the list's typed text names no item (AppResources::itemRefusal), or empty: when
// nothing is typed, when the text names an item, and where the application takes such
// text as no item.
std::string TypedItemRefusal(const QComboBox* list);

// Sets up typing in a list with an edit field, built from template templateId:
// - the completion pop-up offers each item whose text, or a name the application gives
//   it (AppResources::itemNames), starts with what is typed, the item itself shown;
// - Enter with the pop-up open takes the item chosen in it, else the item the text
//   names, else the first item offered; closes the pop-up and goes on to the window as
//   an Enter outside the pop-up does (so that it presses the default button).
// The completion is made after the list's first paint, or at the first focus, key or
// click that reaches the list, whichever comes first: nothing a person can reach sooner.
void SetUpTyping(QComboBox* list, int templateId);

}  // namespace framework
