// The application object: one global instance whose InitInstance builds and runs the
// whole user interface. A FALSE result ends the program without a message loop.
#pragma once

#include <QIcon>

#include "framework/afx_types.h"
#include "framework/message_map.h"

class CWinApp : public CCmdTarget {
public:
    // With no name, the application takes the title it registers with its resources
    // (framework/app_resources.h).
    explicit CWinApp(const char* lpszAppName = nullptr) noexcept;
    ~CWinApp() override;

    virtual BOOL InitInstance();

    // The icon resource with that id.
    QIcon LoadIcon(int id) const;

    const char* m_pszAppName;  // UTF-8; null until AfxWinMain names an unnamed application
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();

// The program's entry: answers --help and --version and refuses other arguments of its
// own (see AppResources::program), starts the toolkit (one line and status 1 when there is no
// display), runs the application's InitInstance and returns the process's exit status.
int AfxWinMain(int argc, char** argv);
