// The desktop search provider on a private session bus of the benchmark's own, as a
// desktop reaches it (D-Bus activation from a .service file), against a bare QtDBus
// echo service on the same bus, called alternately in one run:
//   - GetInitialResultSet and GetResultMetas (GNOME Shell), Match (KRunner), over a
//     mix of queries and searches that are not queries: median and 99th percentile
//     per call, the echo's as the floor;
//   - Match with the longest search that reads as an amount and a unit it refuses;
//   - start by activation to the first answer (the provider is ended between runs);
//   - the resident memory of the provider once it has answered and sits idle.
// A benchmark, not a test: it prints figures and asserts nothing.
//
// usage: search_bench PROVIDER ECHO [ROUNDS] [STARTS]
#include <signal.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QString kProvider = QStringLiteral("example.velkari.Converter.SearchProvider");
const QString kProviderPath = QStringLiteral("/example/velkari/Converter/SearchProvider");
const QString kEcho = QStringLiteral("example.velkari.Bench.Echo");
const QString kEchoPath = QStringLiteral("/example/velkari/Bench/Echo");

// What people type into a desktop search: conversions and, mostly, other things.
const QStringList kSearches[] = {
    {"3", "ft"},
    {"firefox"},
    {"350F", "to", "C"},
    {"term"},
    {"2", "kg", "lb"},
    {"libre", "office"},
    {"1", "mi", "to", "km"},
    {"settings"},
    {"100", "C"},
    {"3"},
    {"5", "ft", "3", "in"},
    {"wifi"},
};

struct Figures {
    std::vector<double> microseconds;

    void Add(Clock::duration time)
    {
        microseconds.push_back(std::chrono::duration<double, std::micro>(time).count());
    }
    double Percentile(double p)
    {
        std::sort(microseconds.begin(), microseconds.end());
        return microseconds[static_cast<std::size_t>(p *
                                                     static_cast<double>(microseconds.size() - 1))];
    }
};

QDBusMessage Call(QDBusConnection& bus, const QString& name, const QString& path,
                  const QString& method, const QVariantList& arguments)
{
    const QString interface = method.section('.', 0, -2);
    QDBusMessage call =
        QDBusMessage::createMethodCall(name, path, interface, method.section('.', -1));
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, 30000);
}

template <typename F>
Clock::duration Timed(F&& work)
{
    const auto start = Clock::now();
    work();
    return Clock::now() - start;
}

void Print(const char* what, Figures& figures, Figures& floor)
{
    const double median = figures.Percentile(0.5);
    const double floorMedian = floor.Percentile(0.5);
    std::printf(
        "%-34s median %7.1f us  p99 %7.1f us   echo median %7.1f us  p99 %7.1f us   "
        "median ratio %.2f\n",
        what, median, figures.Percentile(0.99), floorMedian, floor.Percentile(0.99),
        median / floorMedian);
}

bool WaitForOwner(QDBusConnection& bus, const QString& name, bool owned)
{
    for (int i = 0; i < 2000; ++i) {
        if (bus.interface()->isServiceRegistered(name).value() == owned) {
            return true;
        }
        QThread::usleep(500);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: search_bench PROVIDER ECHO [ROUNDS] [STARTS]\n");
        return 2;
    }
    const int rounds = arguments.value(3, "10000").toInt();
    const int starts = arguments.value(4, "21").toInt();

    QTemporaryDir folder;
    for (const auto& [name, program] :
         {std::pair{kProvider, arguments[1]}, std::pair{kEcho, arguments[2]}}) {
        QFile service(folder.filePath(name + ".service"));
        service.open(QIODevice::WriteOnly);
        service.write(
            QStringLiteral("[D-BUS Service]\nName=%1\nExec=%2\n").arg(name, program).toUtf8());
    }
    QFile config(folder.filePath("bus.conf"));
    config.open(QIODevice::WriteOnly);
    config.write(
        QStringLiteral("<busconfig><type>session</type><keep_umask/>"
                       "<listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                       "<servicedir>%1</servicedir><policy context=\"default\">"
                       "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                       "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
            .arg(folder.path())
            .toUtf8());
    config.close();
    QProcess daemon;
    daemon.start("dbus-daemon",
                 {"--config-file=" + config.fileName(), "--nofork", "--print-address"});
    if (!daemon.waitForStarted() || !daemon.waitForReadyRead(10000)) {
        std::fprintf(stderr, "search_bench: cannot start dbus-daemon\n");
        return 1;
    }
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, "bench");

        // Start by activation to the first answer, the provider ended between runs.
        Figures activation;
        for (int i = 0; i < starts; ++i) {
            activation.Add(Timed([&] {
                Call(bus, kProvider, kProviderPath,
                     "org.gnome.Shell.SearchProvider2.GetInitialResultSet",
                     {QStringList{"3", "ft"}});
            }));
            const uint pid = bus.interface()->servicePid(kProvider).value();
            kill(static_cast<pid_t>(pid), SIGTERM);
            WaitForOwner(bus, kProvider, false);
        }
        std::printf(
            "start by activation to first answer: median %.1f ms, slowest %.1f ms (%d starts)\n",
            activation.Percentile(0.5) / 1000, activation.Percentile(1.0) / 1000, starts);

        Figures initial, metas, match, echoTerms, echoText;
        Call(bus, kEcho, kEchoPath, "example.velkari.Bench.Echo.Text", {QString()});
        for (int i = 0; i < rounds; ++i) {
            const QStringList& terms = kSearches[i % std::size(kSearches)];
            QStringList ids;
            initial.Add(Timed([&] {
                ids = Call(bus, kProvider, kProviderPath,
                           "org.gnome.Shell.SearchProvider2.GetInitialResultSet", {terms})
                          .arguments()
                          .value(0)
                          .toStringList();
            }));
            echoTerms.Add(Timed(
                [&] { Call(bus, kEcho, kEchoPath, "example.velkari.Bench.Echo.Terms", {terms}); }));
            metas.Add(Timed([&] {
                Call(bus, kProvider, kProviderPath,
                     "org.gnome.Shell.SearchProvider2.GetResultMetas", {ids});
            }));
            echoTerms.Add(Timed(
                [&] { Call(bus, kEcho, kEchoPath, "example.velkari.Bench.Echo.Terms", {ids}); }));
            const QString text = terms.join(' ');
            match.Add(Timed(
                [&] { Call(bus, kProvider, kProviderPath, "org.kde.krunner1.Match", {text}); }));
            echoText.Add(Timed(
                [&] { Call(bus, kEcho, kEchoPath, "example.velkari.Bench.Echo.Text", {text}); }));
        }
        Figures gnome = initial;
        gnome.microseconds.insert(gnome.microseconds.end(), metas.microseconds.begin(),
                                  metas.microseconds.end());
        std::printf("%d rounds of mixed searches, each call alternating with an echo call:\n",
                    rounds);
        Print("GetInitialResultSet", initial, echoTerms);
        Print("GetResultMetas", metas, echoTerms);
        Print("GNOME calls together", gnome, echoTerms);
        Print("Match", match, echoText);

        // The dearest search there is: an amount and one word of the longest length the
        // provider reads, which names no unit, so that the grammar looks for the names
        // closest to it before it refuses.
        Figures refused, echoRefused;
        const QString longest = QStringLiteral("3 ") + QString(254, QLatin1Char('a'));
        for (int i = 0; i < rounds / 10; ++i) {
            refused.Add(Timed(
                [&] { Call(bus, kProvider, kProviderPath, "org.kde.krunner1.Match", {longest}); }));
            echoRefused.Add(Timed([&] {
                Call(bus, kEcho, kEchoPath, "example.velkari.Bench.Echo.Text", {longest});
            }));
        }
        std::printf("%d Match calls with 3 and 254 letters that name no unit:\n", rounds / 10);
        Print("Match, longest refused", refused, echoRefused);

        QThread::msleep(1000);
        const uint pid = bus.interface()->servicePid(kProvider).value();
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        status.open(QIODevice::ReadOnly);
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS") || line.startsWith("VmHWM")) {
                std::printf("provider idle, %s\n", line.simplified().constData());
            }
        }
    }
    QDBusConnection::disconnectFromBus("bench");
    daemon.kill();
    daemon.waitForFinished();
    return 0;
}
