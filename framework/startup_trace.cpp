#include "framework/startup_trace.h"

#include <QEvent>
#include <QString>
#include <QWidget>
#include <QtGlobal>
#include <array>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

double MonotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double OriginMs()
{
    static const double origin = [] {
        bool read = false;
        const qlonglong ns = qEnvironmentVariable("VELKARI_STARTUP_T0_NS").toLongLong(&read);
        return read ? static_cast<double>(ns) / 1e6 : MonotonicMs();
    }();
    return origin;
}

bool Tracing()
{
    static const bool on = qEnvironmentVariable("VELKARI_STARTUP_TRACE") == QLatin1String("1");
    return on;
}

// Reports the window's first show and first paint, then takes itself off.
class FirstPaintTrace : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            framework::TraceStartup("shown");
        } else if (event->type() == QEvent::Paint) {
            framework::TraceStartup("first paint");
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    bool m_shown = false;
};

}  // namespace

namespace framework {

void TraceStartup(const char* stage)
{
    if (Tracing()) {
        // Written without printf, whose unchecked form the package's hardening check
        // would find in a debug build.
        std::array<char, 32> number{};
        const auto written = std::to_chars(number.data(), number.data() + number.size(),
                                           MonotonicMs() - OriginMs(), std::chars_format::fixed, 2);
        const std::string line =
            "startup-trace " + std::string(number.data(), written.ptr) + " ms  " + stage + "\n";
        std::fputs(line.c_str(), stderr);
    }
}

void TraceFirstPaint(QWidget* window)
{
    if (Tracing()) {
        window->installEventFilter(new FirstPaintTrace(window));
    }
}

}  // namespace framework
