// Message boxes. Every box of the product goes through one presenter, which tests
// replace to record what would have been shown instead of opening a modal box.
#pragma once

#include <functional>
#include <memory>

#include "framework/afx_types.h"

class QMessageBox;
class QWidget;

namespace framework {

using MessagePresenter =
    std::function<int(QWidget* owner, const CString& text, const CString& caption, UINT type)>;

// Installs a presenter and returns the one it replaces.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// Shows a modal box (MB_ICONEXCLAMATION | MB_OK: a warning icon and one OK button)
// and returns the id of the button that closed it.
int MessageBox(QWidget* owner, const CString& text, const CString& caption, UINT type);

// The box that MessageBox shows, made but not shown: a dialog whose title bar has a
// close button only, as a window manager draws it for a message.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const CString& text,
                                            const CString& caption, UINT type);

}  // namespace framework
