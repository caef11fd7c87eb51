// Builds a window's controls from its dialog template: positions converted from
// dialog units to pixels through the dialog font, as the platform does, and every
// control tagged with its id.
#pragma once

#include <QFont>
#include <QRect>

#include "framework/dialog_template.h"

class QWidget;

namespace framework {

// Converts dialog units to pixels for one dialog font: a horizontal unit is a quarter
// of the font's average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    QRect ToPixels(const DialogRect& rect) const;
    QSize ToPixels(int width, int height) const;

private:
    int m_baseX;
    int m_baseY;
};

// The Qt font that stands in for a template's font.
QFont DialogFont(const DialogTemplate& dialog);

// Creates the template's controls as children of parent, in template order (which is
// also the keyboard's tab order). Frames are drawn beneath the other controls and let
// clicks through.
void BuildControls(QWidget* parent, const DialogTemplate& dialog);

// Whether the window is answering a keystroke in this list's edit field right now.
bool IsAnsweringTyping(const QWidget* list);

}  // namespace framework
