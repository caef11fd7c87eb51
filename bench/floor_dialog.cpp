// The floor for start-up: the plainest Qt 6 Widgets program of the window's shape.
// One QDialog holding a QTabWidget of N tabs, each page a line edit, a combo box of 20
// items, a check box, a push button and two read-only text edits in a grid layout.
// By default the first page is built before the dialog is shown and every other page
// the first time its tab is chosen; --eager builds every page before the show. Nothing
// else: no pictures, no style sheets, no fonts set. The window's start-up is compared
// with this program's, so whatever it spends is what any Qt program of this shape pays.
//
// With VELKARI_STARTUP_TRACE=1 in the environment it prints the same start-up stages
// as the window does, in milliseconds, to standard error (see docs/performance.md).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>

namespace {

constexpr int kDefaultTabs = 17;
constexpr int kMaxTabs = 100;
constexpr int kComboItems = 20;

constexpr const char* kUsage =
    "Usage: floor_dialog [OPTION]...\n"
    "Show one dialog with a tab widget of plain pages, as a start-up yardstick.\n"
    "\n"
    "      --tabs N   the number of tabs (1 to 100, default 17)\n"
    "      --eager    build every page before the dialog is shown (by default only the\n"
    "                 first, the others when their tab is first chosen)\n"
    "      --help     display this help and exit\n"
    "      --version  output version information and exit\n"
    "\n"
    "With VELKARI_STARTUP_TRACE=1 the start-up stages are printed to standard error.\n";

// ---- start-up stages, printed as the window prints them ----------------------------
// A copy of the framework's start-up trace: the floor links nothing of the product.

double MonotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// The clock starts at the exec when the launcher passed its stamp, else at main().
double TraceOriginMs()
{
    static const double origin = [] {
        if (const char* ns = std::getenv("VELKARI_STARTUP_T0_NS")) {
            return std::strtod(ns, nullptr) / 1e6;
        }
        return MonotonicMs();
    }();
    return origin;
}

bool Tracing()
{
    static const bool on = [] {
        const char* value = std::getenv("VELKARI_STARTUP_TRACE");
        return value != nullptr && std::strcmp(value, "1") == 0;
    }();
    return on;
}

void Trace(const char* stage)
{
    if (Tracing()) {
        std::fprintf(stderr, "startup-trace %8.2f ms  %s\n", MonotonicMs() - TraceOriginMs(),
                     stage);
    }
}

// Says when the dialog is first shown and first painted, then goes away.
class FirstPaintTrace : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            Trace("shown");
        } else if (event->type() == QEvent::Paint) {
            Trace("first paint");
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    bool m_shown = false;
};

// ---- the dialog --------------------------------------------------------------------

void BuildPage(QWidget* page, int index)
{
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLineEdit(page), 0, 0);
    auto* list = new QComboBox(page);
    for (int item = 0; item < kComboItems; ++item) {
        list->addItem(QStringLiteral("Item %1 of page %2").arg(item + 1).arg(index + 1));
    }
    grid->addWidget(list, 0, 1);
    grid->addWidget(new QCheckBox(QStringLiteral("Check"), page), 1, 0);
    grid->addWidget(new QPushButton(QStringLiteral("Push"), page), 1, 1);
    for (int column = 0; column < 2; ++column) {
        auto* text = new QTextEdit(page);
        text->setReadOnly(true);
        grid->addWidget(text, 2, column);
    }
}

struct Options {
    int tabs = kDefaultTabs;
    bool eager = false;
};

// Reads the options in GNU style; returns an exit status when the program is to stop.
int ReadOptions(int argc, char** argv, Options& options)
{
    const auto refuse = [](const char* format, const char* what) {
        std::fprintf(stderr, format, what);
        std::fputs("Try 'floor_dialog --help' for more information.\n", stderr);
        return EXIT_FAILURE;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::string_view count;
        if (arg == "--help") {
            std::fputs(kUsage, stdout);
            return EXIT_SUCCESS;
        } else if (arg == "--version") {
            std::fputs("floor_dialog (Velkari benchmarks) " VELKARI_VERSION "\n", stdout);
            return EXIT_SUCCESS;
        } else if (arg == "--eager") {
            options.eager = true;
            continue;
        } else if (arg == "--tabs") {
            if (i + 1 == argc) {
                return refuse("floor_dialog: option '%s' requires an argument\n", argv[i]);
            }
            count = argv[++i];
        } else if (arg.starts_with("--tabs=")) {
            count = arg.substr(7);
        } else {
            return refuse("floor_dialog: unrecognized option '%s'\n", argv[i]);
        }
        int tabs = 0;
        const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), tabs);
        if (error != std::errc() || end != count.data() + count.size() || tabs < 1 ||
            tabs > kMaxTabs) {
            return refuse("floor_dialog: invalid number of tabs '%s' (1 to 100)\n", count.data());
        }
        options.tabs = tabs;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    Trace("main");
    Options options;
    if (const int status = ReadOptions(argc, argv, options); status >= 0) {
        return status;
    }
    QApplication application(argc, argv);
    Trace("QApplication");

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Floor"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* tabs = new QTabWidget(&dialog);
    layout->addWidget(tabs);
    for (int i = 0; i < options.tabs; ++i) {
        tabs->addTab(new QWidget, QStringLiteral("Page %1").arg(i + 1));
    }
    Trace("sheet created");

    // A page with no layout yet has not been built.
    const auto build = [tabs](int index) {
        QWidget* page = tabs->widget(index);
        if (page != nullptr && page->layout() == nullptr) {
            BuildPage(page, index);
        }
    };
    for (int i = 0; i < (options.eager ? options.tabs : 1); ++i) {
        build(i);
    }
    QObject::connect(tabs, &QTabWidget::currentChanged, &dialog, build);
    Trace("first page built");

    if (Tracing()) {
        dialog.installEventFilter(new FirstPaintTrace(&dialog));
    }
    dialog.exec();
    return 0;
}
