#include "framework/win_app.h"

#include <QApplication>

#include "res/strings.h"

namespace {

CWinApp* g_app = nullptr;  // set while the one application object exists

}  // namespace

CWinApp::CWinApp(const char* lpszAppName) noexcept
    : m_pszAppName(lpszAppName != nullptr ? lpszAppName : res::kApplicationTitle.data())
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

void CWinApp::OnHelp() {}

QIcon CWinApp::LoadIcon(int id) const
{
    return QIcon(QStringLiteral(":/velkari/icons/%1.png").arg(id));
}

CWinApp* AfxGetApp()
{
    return g_app;
}

int AfxWinMain(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr && !app->m_program.name.empty()) {
        if (const auto status =
                framework::HandleCommandLine(app->m_program, argc, argv, stdout, stderr)) {
            return *status;
        }
    }
    const std::unique_ptr<QApplication> application = framework::StartToolkit(
        app != nullptr ? app->m_program : framework::ProgramInfo{}, argc, argv);
    if (app != nullptr) {
        QApplication::setApplicationName(QString::fromUtf8(app->m_pszAppName));
    }
    // Lets the desktop match the window to its installed entry and icon (Wayland's app
    // id comes from it).
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKARI_APP_ID));
    if (app == nullptr || !app->InitInstance()) {
        // The whole program ran inside InitInstance; there is no message loop to enter.
        return 0;
    }
    return QApplication::exec();
}
