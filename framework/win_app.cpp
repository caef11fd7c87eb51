#include "framework/win_app.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include "framework/app_resources.h"
#include "framework/startup_trace.h"
#include "framework/text.h"

namespace {

CWinApp* g_app = nullptr;  // set while the one application object exists

}  // namespace

CWinApp::CWinApp(const char* lpszAppName) noexcept : m_pszAppName(lpszAppName)
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

QIcon CWinApp::LoadIcon(int id) const
{
    for (const framework::CompiledIcon& icon : framework::GetAppResources().icons) {
        if (icon.id == id) {
            // An image over the constant pixels: no file is read and no image plugin is
            // loaded or asked, which the first picture read from a file does.
            const QImage image(reinterpret_cast<const uchar*>(icon.argb), icon.width, icon.height,
                               QImage::Format_ARGB32);
            return QIcon(QPixmap::fromImage(image));
        }
    }
    const QString prefix = framework::ToQString(framework::GetAppResources().resourcePrefix);
    return QIcon(QStringLiteral("%1/icons/%2.png").arg(prefix).arg(id));
}

CWinApp* AfxGetApp()
{
    return g_app;
}

int AfxWinMain(int argc, char** argv)
{
    framework::TraceStartup("main");
    CWinApp* app = AfxGetApp();
    const framework::AppResources& resources = framework::GetAppResources();
    if (!resources.program.name.empty()) {
        if (const auto status =
                framework::HandleCommandLine(resources.program, argc, argv, stdout, stderr)) {
            return *status;
        }
    }
    const std::unique_ptr<QApplication> application =
        framework::StartToolkit(resources.program, argc, argv);
    framework::TraceStartup("QApplication");
    if (app != nullptr) {
        if (app->m_pszAppName == nullptr) {
            // Unnamed, the application takes the name it registered with its resources.
            app->m_pszAppName = resources.title.data();
        }
        QApplication::setApplicationName(QString::fromUtf8(app->m_pszAppName));
    }
    // Lets the desktop match the window to its installed entry and icon (Wayland's app
    // id comes from it).
    QGuiApplication::setDesktopFileName(framework::ToQString(resources.desktopId));
    if (app == nullptr || !app->InitInstance()) {
        // The whole program ran inside InitInstance; there is no message loop to enter.
        return 0;
    }
    return QApplication::exec();
}
