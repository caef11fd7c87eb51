// The platform's basic names, as the pages are written against them.
#pragma once

#include <QString>

using BOOL = int;
using UINT = unsigned int;
using DWORD = unsigned long;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// The counted string of the pages is Qt's own.
using CString = QString;

// Ids of the property sheet's buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDHELP = 9;
inline constexpr int ID_APPLY_NOW = 0x3021;

// Message box types.
inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;

// Window styles the sheet adds to itself.
inline constexpr DWORD WS_MINIMIZEBOX = 0x20000;
inline constexpr DWORD WS_THICKFRAME = 0x40000;

// Control notifications, as a message map routes them.
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT STN_CLICKED = 0;
// A list's selection changed by the user (a pick from the list, the arrow keys).
inline constexpr UINT CBN_SELCHANGE = 1;
// The text of a list's edit field changed: typed, or replaced by a pick.
inline constexpr UINT CBN_EDITCHANGE = 5;
// The text of an edit box changed by the user: typed, pasted, cut or undone.
inline constexpr UINT EN_CHANGE = 0x0300;
