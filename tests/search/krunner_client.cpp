// KRunner's own RunnerManager (KDE Frameworks 5) as the client of the built search
// provider, on a private session bus where the provider starts by activation and a
// recording stand-in owns Plasma's clipboard service. The manager finds the provider
// as Plasma does, from its installed plugin description (krunner/dbusplugins in
// XDG_DATA_DIRS). For each query: the most relevant match must be the one expected;
// its default action (Enter) must hand its value to the clipboard service; its second
// action must start the window with the query's words. krunner_client.sh sets it up.
//
//   krunner_client RUNNER-ID CLIPBOARD-RECORD WINDOW-RECORD
//                  QUERY TITLE VALUE WINDOW-ARGS [QUERY TITLE VALUE WINDOW-ARGS]...
// WINDOW-ARGS is the window's expected arguments, one a line.
#include <KRunner/AbstractRunner>
#include <KRunner/QueryMatch>
#include <KRunner/RunnerManager>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

int failures = 0;
int passes = 0;

void Check(bool ok, const QString& what)
{
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", qPrintable(what));
    std::fflush(stdout);
    (ok ? passes : failures) += 1;
}

// Waits, serving events, until the file exists or the time is up; its text, or null.
QString WaitForFile(const QString& path, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(path) && clock.elapsed() < milliseconds) {
        QEventLoop loop;
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    file.remove();
    return text.isNull() ? QStringLiteral("") : text;
}

// The manager's matches for the query from the runner, most relevant first. The query
// is launched again while the runner has none, as KRunner does at each key typed: the
// runners get ready in threads of their own after the manager starts.
QList<Plasma::QueryMatch> MatchesOf(Plasma::RunnerManager& manager, const QString& query,
                                    const QString& runner)
{
    QList<Plasma::QueryMatch> matches;
    QElapsedTimer clock;
    clock.start();
    while (matches.isEmpty() && clock.elapsed() < 60000) {
        QEventLoop loop;
        QObject::connect(&manager, &Plasma::RunnerManager::queryFinished, &loop, &QEventLoop::quit);
        QObject::connect(&manager, &Plasma::RunnerManager::matchesChanged, &loop,
                         [&loop, &runner](const QList<Plasma::QueryMatch>& found) {
                             for (const Plasma::QueryMatch& match : found) {
                                 if (match.runner() != nullptr && match.runner()->id() == runner) {
                                     loop.quit();
                                 }
                             }
                         });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        manager.reset();
        manager.launchQuery(query);
        loop.exec();
        QEventLoop settle;
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
        for (const Plasma::QueryMatch& match : manager.matches()) {
            if (match.runner() != nullptr && match.runner()->id() == runner) {
                matches.push_back(match);
            }
        }
    }
    std::stable_sort(matches.begin(), matches.end(),
                     [](const Plasma::QueryMatch& a, const Plasma::QueryMatch& b) {
                         return a.relevance() > b.relevance();
                     });
    return matches;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 8 || (arguments.size() - 4) % 4 != 0) {
        std::fputs(
            "usage: krunner_client RUNNER-ID CLIPBOARD-RECORD WINDOW-RECORD "
            "QUERY TITLE VALUE WINDOW-ARGS...\n",
            stderr);
        return 2;
    }
    const QString runner = arguments[1];
    const QString clipboard = arguments[2];
    const QString window = arguments[3];

    QTemporaryDir config;
    Plasma::RunnerManager manager(config.filePath(QStringLiteral("krunnerrc")));
    for (qsizetype i = 4; i + 3 < arguments.size(); i += 4) {
        const QString query = arguments[i];
        const QString title = arguments[i + 1];
        const QString value = arguments[i + 2];
        const QString windowArguments = arguments[i + 3];

        const QList<Plasma::QueryMatch> matches = MatchesOf(manager, query, runner);
        Check(!matches.isEmpty(), QStringLiteral("'%1' has matches from %2 (runners loaded: %3)")
                                      .arg(query, runner)
                                      .arg(manager.runners().size()));
        if (matches.isEmpty()) {
            continue;
        }
        Plasma::QueryMatch match = matches.front();
        Check(match.text() == title,
              QStringLiteral("'%1' leads with '%2' (got '%3')").arg(query, title, match.text()));

        QFile::remove(clipboard);
        manager.run(match);
        const QString copied = WaitForFile(clipboard, 20000);
        Check(copied == value,
              QStringLiteral("Enter on '%1' copies '%2' (got '%3')").arg(title, value, copied));

        QAction* open = nullptr;
        for (QAction* action : manager.actionsForMatch(match)) {
            if (action->text() == QStringLiteral("Open in Velkari Unit Converter")) {
                open = action;
            }
        }
        Check(open != nullptr,
              QStringLiteral("'%1' offers Open in Velkari Unit Converter").arg(title));
        if (open == nullptr) {
            continue;
        }
        QFile::remove(window);
        match.setSelectedAction(open);
        manager.run(match);
        const QString started = WaitForFile(window, 20000);
        Check(started == windowArguments,
              QStringLiteral("the action starts the window with '%1' (got '%2')")
                  .arg(QString(windowArguments).replace('\n', ' '),
                       QString(started).replace('\n', ' ')));
        Check(!QFile::exists(clipboard), QStringLiteral("the action copies nothing"));
    }
    std::printf("%d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
