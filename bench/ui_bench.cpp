// Timings of the real pages, headless (QT_QPA_PLATFORM=offscreen): the first show of
// each tab, a press of "=" with its push into the widgets, one keystroke with the
// update of the results it causes, and a switch of tabs with the pull of the page
// being left. Each is also timed up to its paint: the posted
// events that follow it (layout, the update request and the paint) are processed
// inside the timed span.
//
// Every repetition is one timed action on its own clock (manual time), so the median
// over --benchmark_repetitions is the median of single actions.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>
#include "framework/tab_ctrl.h"

#include "framework/app_resources.h"
#include "framework/message_box.h"
#include "framework/property_page.h"
#include "framework/property_sheet.h"
#include "framework/runtime_class.h"
#include "pages/page_templates.h"
#include "res/app_resources.h"
#include "res/resource.h"
#include "sheet/TessaralDlg.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Tab {
    const char* caption;
    const char* className;
};

// The window's tabs, in the order start-up adds them.
constexpr Tab kTabs[]{
    {"Angle", "Angles"},      {"Area", "Area"},     {"Computer_Storage", "Computer"},
    {"Cooking", "Cooking"},   {"Energy", "DAT"},    {"Frequency", "frequency"},
    {"Length", "length"},     {"Light", "light"},   {"Power", "Power"},
    {"Pressure", "Pressure"}, {"Speed", "speed"},   {"Temperature", "temperature"},
    {"Time", "tt"},           {"Torque", "Torque"}, {"Volume", "Volume"},
    {"Weight", "Mass"},       {"About", "bout"},
};

std::unique_ptr<CPropertyPage> CreatePage(const char* className)
{
    const CRuntimeClass* record = CRuntimeClass::FromName(className);
    if (record == nullptr) {
        std::abort();
    }
    return std::unique_ptr<CPropertyPage>(dynamic_cast<CPropertyPage*>(record->CreateObject()));
}

// What the event loop does once a handler returns: layout, update requests, paint.
void ProcessPostedEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

double ThreadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// One timed action. Its wall-clock time, what the user waits, is the iteration's
// time; the main thread's CPU time, which leaves out the time other processes had the
// CPU and so is the steadier figure on a busy machine, is added up for the cpu_us
// counter.
class TimedSpan {
public:
    TimedSpan() : m_wall(Clock::now()), m_cpu(ThreadCpuSeconds()) {}

    void Stop(benchmark::State& state, double& cpuSeconds) const
    {
        cpuSeconds += ThreadCpuSeconds() - m_cpu;
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - m_wall).count());
    }

private:
    Clock::time_point m_wall;
    double m_cpu;
};

void ReportCpu(benchmark::State& state, double cpuSeconds)
{
    state.counters["cpu_us"] =
        benchmark::Counter(cpuSeconds * 1e6, benchmark::Counter::kAvgIterations);
}

// Counts the paints of a widget, to show that the painted variants really painted.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// A sheet showing a blank page, and the page under test not yet built: the state of a
// tab that has never been shown.
struct UnshownTab {
    explicit UnshownTab(const char* className)
        : sheet(QStringLiteral("Bench")),
          blank(CreatePage("CFirstPropertyPage")),
          page(CreatePage(className))
    {
        sheet.AddPage(blank.get());
        sheet.AddPage(page.get());
        sheet.Create();
        ProcessPostedEvents();
    }
    ~UnshownTab()
    {
        page.reset();
        blank.reset();
    }
    UnshownTab(const UnshownTab&) = delete;
    UnshownTab& operator=(const UnshownTab&) = delete;

    CPropertySheet sheet;
    std::unique_ptr<CPropertyPage> blank;
    std::unique_ptr<CPropertyPage> page;
};

// The first show of a tab: its widgets built from the template and the first push;
// a fresh page every iteration.
void FirstShow(benchmark::State& state, const Tab& tab, bool painted)
{
    int paints = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        UnshownTab unshown(tab.className);
        PaintCounter counter;
        unshown.page->installEventFilter(&counter);
        const TimedSpan span;
        unshown.sheet.SetActivePage(1);
        if (painted) {
            ProcessPostedEvents();
        }
        span.Stop(state, cpuSeconds);
        if (!unshown.page->IsWindowCreated()) {
            state.SkipWithError("the page was not built");
            break;
        }
        paints += counter.paints;
        unshown.page->removeEventFilter(&counter);
    }
    ReportCpu(state, cpuSeconds);
    if (painted) {
        state.counters["paints"] =
            benchmark::Counter(static_cast<double>(paints), benchmark::Counter::kAvgIterations);
    }
}

template <typename Widget>
Widget* FirstChild(QWidget& page)
{
    const auto children = page.findChildren<Widget*>(Qt::FindDirectChildrenOnly);
    return children.empty() ? nullptr : children.front();
}

QPushButton* EqualsButton(QWidget& page)
{
    for (auto* button : page.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->text() == QStringLiteral("=")) {
            return button;
        }
    }
    return nullptr;
}

// One press of "=": the pull, the conversion, the push of both output boxes. The
// value and unit are set once, as a user would have set them before pressing.
void PressEquals(benchmark::State& state, const Tab& tab, bool painted)
{
    UnshownTab shown(tab.className);
    shown.sheet.SetActivePage(1);
    ProcessPostedEvents();
    CPropertyPage& page = *shown.page;
    QPushButton* equals = EqualsButton(page);
    auto* value = FirstChild<QLineEdit>(page);
    auto* unit = FirstChild<QComboBox>(page);
    auto* output = FirstChild<QPlainTextEdit>(page);
    if (equals == nullptr || value == nullptr || unit == nullptr || output == nullptr) {
        state.SkipWithError("the page has no \"=\"");
        return;
    }
    value->setText(QStringLiteral("3"));
    unit->setCurrentIndex(0);
    PaintCounter counter;
    if (painted) {
        output->viewport()->installEventFilter(&counter);
    }
    double cpuSeconds = 0;
    for (auto _ : state) {
        const TimedSpan span;
        equals->click();
        if (painted) {
            ProcessPostedEvents();
        }
        span.Stop(state, cpuSeconds);
        if (!painted) {
            ProcessPostedEvents();
        }
    }
    if (output->toPlainText().isEmpty()) {
        state.SkipWithError("\"=\" wrote nothing");
    }
    ReportCpu(state, cpuSeconds);
    if (painted) {
        state.counters["paints"] = benchmark::Counter(static_cast<double>(counter.paints),
                                                      benchmark::Counter::kAvgIterations);
    }
}

// One keystroke at the end of a box that its page answers at once: alternately a "0"
// typed and Backspace, each followed by the page's whole update of its results. The
// fields are set beforehand without notifying the page, so the results are empty until
// the first keystroke; each benchmark checks that they are shown after the last.
void SendKey(QLineEdit* box, bool typeZero)
{
    const Qt::Key key = typeZero ? Qt::Key_0 : Qt::Key_Backspace;
    const QString text = typeZero ? QStringLiteral("0") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &release);
}

// `output` is the widget whose paints are counted.
void TimeKeystrokes(benchmark::State& state, QLineEdit* box, QWidget* output, bool painted)
{
    PaintCounter counter;
    if (painted) {
        output->installEventFilter(&counter);
    }
    bool typeZero = true;
    double cpuSeconds = 0;
    for (auto _ : state) {
        const TimedSpan span;
        SendKey(box, typeZero);
        if (painted) {
            ProcessPostedEvents();
        }
        span.Stop(state, cpuSeconds);
        if (!painted) {
            ProcessPostedEvents();
        }
        typeZero = !typeZero;
    }
    output->removeEventFilter(&counter);
    ReportCpu(state, cpuSeconds);
    if (painted) {
        state.counters["paints"] = benchmark::Counter(static_cast<double>(counter.paints),
                                                      benchmark::Counter::kAvgIterations);
    }
}

// Volume, the largest converter page: value "3" and the first unit, then each keystroke
// in the value box shows both result boxes anew (40 lines).
void LiveVolume(benchmark::State& state, bool painted)
{
    UnshownTab shown("Volume");
    shown.sheet.SetActivePage(1);
    ProcessPostedEvents();
    CPropertyPage& page = *shown.page;
    auto* value = FirstChild<QLineEdit>(page);
    auto* unit = FirstChild<QComboBox>(page);
    auto* output = FirstChild<QPlainTextEdit>(page);
    if (value == nullptr || unit == nullptr || output == nullptr) {
        state.SkipWithError("Volume has no value box");
        return;
    }
    unit->setCurrentIndex(0);
    value->setFocus();
    value->setText(QStringLiteral("3"));
    TimeKeystrokes(state, value, painted ? output->viewport() : output, painted);
    if (output->toPlainText().isEmpty()) {
        state.SkipWithError("no table shown");
    }
}

// The molecular weight row: H 2, S 1, O 4 chosen, then each keystroke in the third count
// shows the formula and its weight anew.
void LiveMolecularWeight(benchmark::State& state, bool painted)
{
    UnshownTab shown("chem");
    shown.sheet.SetActivePage(1);
    ProcessPostedEvents();
    CPropertyPage& page = *shown.page;
    const int lists[]{IDC_MW_ELEMENT1, IDC_MW_ELEMENT2, IDC_MW_ELEMENT3};
    const char* symbols[]{"H", "S", "O"};
    const int counts[]{IDC_MW_COUNT1, IDC_MW_COUNT2, IDC_MW_COUNT3};
    const char* typed[]{"2", "1", "4"};
    for (int slot = 0; slot < 3; ++slot) {
        auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(lists[slot]));
        list->setCurrentIndex(list->findText(QString::fromLatin1(symbols[slot])));
        qobject_cast<QLineEdit*>(page.GetDlgItem(counts[slot]))
            ->setText(QString::fromLatin1(typed[slot]));
    }
    auto* count = qobject_cast<QLineEdit*>(page.GetDlgItem(IDC_MW_COUNT3));
    auto* result = qobject_cast<QLineEdit*>(page.GetDlgItem(IDC_MW_FORMULA_RESULT));
    count->setFocus();
    TimeKeystrokes(state, count, result, painted);
    if (result->text().isEmpty()) {
        state.SkipWithError("no formula shown");
    }
}

// The product's own window with its seventeen tabs, every page already built.
struct WholeWindow {
    WholeWindow() : sheet(QStringLiteral("Velkari Unit Converter"))
    {
        for (const Tab& tab : kTabs) {
            pages.push_back(CreatePage(tab.className));
            sheet.AddPage(pages.back().get());
        }
        sheet.StoreLogoText(sheet.windowTitle());
        sheet.Create();
        for (int i = 0; i < sheet.GetPageCount(); ++i) {
            sheet.GetTabControl()->setCurrentIndex(i);
        }
        sheet.GetTabControl()->setCurrentIndex(0);
        ProcessPostedEvents();
    }
    ~WholeWindow()
    {
        while (!pages.empty()) {
            pages.pop_back();
        }
    }
    WholeWindow(const WholeWindow&) = delete;
    WholeWindow& operator=(const WholeWindow&) = delete;

    CTessaralDlg sheet;
    std::vector<std::unique_ptr<CPropertyPage>> pages;
};

// A click on another tab, as the tab bar reports it: the page being left is pulled
// and the other one shown. Alternates between the two tabs.
void SwitchTabs(benchmark::State& state, int from, int to, bool painted)
{
    WholeWindow window;
    CTabCtrl* tabs = window.sheet.GetTabControl();
    tabs->setCurrentIndex(from);
    ProcessPostedEvents();
    int next = to;
    double cpuSeconds = 0;
    for (auto _ : state) {
        const TimedSpan span;
        tabs->setCurrentIndex(next);
        if (painted) {
            ProcessPostedEvents();
        }
        span.Stop(state, cpuSeconds);
        if (window.sheet.GetActiveIndex() != next) {
            state.SkipWithError("the tab did not change");
            break;
        }
        if (!painted) {
            ProcessPostedEvents();
        }
        next = next == to ? from : to;
    }
    ReportCpu(state, cpuSeconds);
}

void Register()
{
    for (const Tab& tab : kTabs) {
        for (const bool painted : {false, true}) {
            const std::string suffix = painted ? "/painted" : "";
            benchmark::RegisterBenchmark(("FirstShow/" + std::string(tab.caption) + suffix).c_str(),
                                         FirstShow, tab, painted)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
    for (const Tab& tab : kTabs) {
        if (std::string(tab.className) == "bout") {
            continue;
        }
        for (const bool painted : {false, true}) {
            const std::string suffix = painted ? "/painted" : "";
            benchmark::RegisterBenchmark(("Equals/" + std::string(tab.caption) + suffix).c_str(),
                                         PressEquals, tab, painted)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond)
                ->Iterations(20);
        }
    }
    for (const bool painted : {false, true}) {
        const std::string suffix = painted ? "/painted" : "";
        benchmark::RegisterBenchmark(("Keystroke/Volume" + suffix).c_str(), LiveVolume, painted)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(20);
        benchmark::RegisterBenchmark(("Keystroke/MolecularWeight" + suffix).c_str(),
                                     LiveMolecularWeight, painted)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(20);
    }
    // The smallest and the largest converter pages, the formula page and About.
    constexpr int kPairs[][2]{{0, 1}, {6, 14}, {11, 15}, {16, 0}};
    for (const auto& pair : kPairs) {
        for (const bool painted : {false, true}) {
            const std::string name = "TabSwitch/" + std::string(kTabs[pair[0]].caption) + "-" +
                                     kTabs[pair[1]].caption + (painted ? "/painted" : "");
            benchmark::RegisterBenchmark(name.c_str(), SwitchTabs, pair[0], pair[1], painted)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond)
                ->Iterations(20);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    framework::RegisterAppResources(res::AppResources(&pages::FindDialogTemplate));
    // A refused field would open a modal box; there is none to refuse here, but a
    // benchmark must never wait for a click.
    framework::SetMessagePresenter(
        [](QWidget*, const CString&, const CString&, UINT) { return IDOK; });
    Register();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
