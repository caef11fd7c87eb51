// Hyperlink statics: turns a static text of a dialog into a link-style control, drawn
// in dark blue and underlined while the pointer is over it; the pointer keeps its shape.
// A click reaches the dialog as the static's own click notification; the module adds
// no action of its own.
#pragma once

#include "framework/afx_types.h"

class QEvent;
class QWidget;

// Converts the dialog's child control with that id; FALSE when it has no such control.
BOOL MakeDlgItemHyperlink(QWidget* parent, int ctrlId);
// Converts the control and hooks its parent, if it has one, for the link colour. A
// control already converted is left as it is. FALSE only when there is no control.
BOOL MakeStaticHyperlink(QWidget* control);

// What a converted control and its parent do with an event before their own handling.
// Both let every event through (false), so the window's own behaviour is kept.
bool HyperlinkStaticProc(QWidget* control, QEvent* event);
bool HyperlinkParentProc(QWidget* parent, QEvent* event);
