// The application object: builds the window with its seventeen tabs and runs it.
#pragma once

#include "framework/win_app.h"

class CTessaralApp : public CWinApp {
public:
    CTessaralApp() noexcept;

    // Runs the window until the user closes it; always FALSE, so the program then ends.
    BOOL InitInstance() override;
};
