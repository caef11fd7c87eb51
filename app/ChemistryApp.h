// The chemistry program's application object: a window of its own for the periodic
// table, the molecular-weight and grams/moles page and the composition page.
#pragma once

#include "framework/win_app.h"

class CChemistryApp : public CWinApp {
public:
    CChemistryApp() noexcept;

    // Runs the window until the user closes it; always FALSE, so the program then ends.
    BOOL InitInstance() override;
};
