// velkari-search-provider: started by the session bus when a desktop search asks for
// its name; serves both search interfaces on one object until it has been idle a while.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QString>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "search/messages.h"
#include "search/search_service.h"

namespace {

// The desktop starts the provider again by activation, so an idle one need not stay.
constexpr std::chrono::milliseconds kIdleTime = std::chrono::seconds(60);

void Write(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

// The text with its placeholder ("%1", "%2") replaced.
std::string Replace(std::string_view text, std::string_view placeholder, std::string_view with)
{
    std::string result(text);
    const std::size_t place = result.find(placeholder);
    if (place != std::string::npos) {
        result.replace(place, placeholder.size(), with);
    }
    return result;
}

// The idle time; the tests shorten it through VELKARI_SEARCH_PROVIDER_IDLE_MS.
std::chrono::milliseconds IdleTime()
{
    bool number = false;
    const int milliseconds =
        qEnvironmentVariableIntValue("VELKARI_SEARCH_PROVIDER_IDLE_MS", &number);
    return number && milliseconds > 0 ? std::chrono::milliseconds(milliseconds) : kIdleTime;
}

// The window installed beside this program; the tests put a recording stand-in in its
// place through VELKARI_SEARCH_PROVIDER_WINDOW.
QString WindowProgram()
{
    QString standIn = qEnvironmentVariable("VELKARI_SEARCH_PROVIDER_WINDOW");
    if (!standIn.isEmpty()) {
        return standIn;
    }
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("velkari"));
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            Write(stdout, search::kSearchProviderHelp);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (argument == "--version") {
            Write(stdout, std::string(search::kSearchProviderName) + " " +
                              std::string(search::kSearchProviderVersion) + "\n");
            Write(stdout, search::kSearchProviderVersionText);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        Write(stderr, Replace(search::kSearchProviderUnexpectedArgument, "%1", argument));
        return 2;
    }

    QCoreApplication application(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Write(stderr,
              Replace(search::kSearchProviderNoBus, "%1", bus.lastError().message().toStdString()));
        return 1;
    }

    search::RegisterDBusTypes();
    search::SearchService service(WindowProgram(), QStringLiteral(VELKARI_APP_ID), IdleTime());
    new search::GnomeSearchProvider(&service);
    new search::KRunnerProvider(&service);
    const QString name = QStringLiteral(VELKARI_SEARCH_NAME);
    // The object first: a desktop may call as soon as the name is owned.
    if (!bus.registerObject(QStringLiteral(VELKARI_SEARCH_PATH), &service)) {
        Write(stderr, Replace(search::kSearchProviderNoObject, "%1", VELKARI_SEARCH_PATH));
        return 1;
    }
    if (!bus.registerService(name)) {
        const std::string why = bus.lastError().message().toStdString();
        Write(stderr, Replace(Replace(search::kSearchProviderNameTaken, "%1", name.toStdString()),
                              "%2", why));
        return 1;
    }
    return QCoreApplication::exec();
}
