#include "search/search_service.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QProcess>

#include "search/messages.h"
#include "search/search_results.h"

namespace search {

namespace {

std::vector<std::string> Utf8Of(const QStringList& list)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(list.size()));
    for (const QString& text : list) {
        texts.push_back(text.toStdString());
    }
    return texts;
}

QString QStringOf(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList IdsOf(const std::vector<SearchResult>& results)
{
    QStringList ids;
    for (const SearchResult& result : results) {
        ids.push_back(QStringOf(result.id));
    }
    return ids;
}

// A search's terms are far fewer than this: a flood of terms or ids is no search.
constexpr qsizetype kMaxTerms = 64;
// The longest text that may still make a query once its blanks are dropped (see
// QueryOfText), in UTF-16 code units: each is at least one byte of UTF-8.
constexpr auto kMaxTextLength = static_cast<qsizetype>(kMaxQueryBytes) * 2;

// The query of the terms. Terms too long to make one are not converted at all.
std::string QueryOf(const QStringList& terms)
{
    qsizetype length = 0;
    for (const QString& term : terms) {
        length += term.size() + 1;
    }
    if (terms.size() > kMaxTerms || length > kMaxTextLength) {
        return {};
    }
    return QueryOfTerms(Utf8Of(terms));
}

// The same for a search typed as one text, or an id taken back from the bus: a text
// too long to be one is not converted at all.
std::string QueryOf(const QString& text)
{
    if (text.size() > kMaxTextLength) {
        return {};
    }
    return text.toStdString();
}

// KRunner's kind of match for an answer to what was typed (Plasma's ExactMatch).
constexpr int kExactMatch = 100;

// The error name of a call whose id or action this provider never gave out.
constexpr std::string_view kInvalidArgsError = "org.freedesktop.DBus.Error.InvalidArgs";
// The error name of a call whose window could not be started.
constexpr std::string_view kExecFailedError = "org.freedesktop.DBus.Error.Spawn.ExecFailed";
// The error names of a copy with no clipboard service on the bus, and of one it refused.
constexpr std::string_view kServiceUnknownError = "org.freedesktop.DBus.Error.ServiceUnknown";
constexpr std::string_view kFailedError = "org.freedesktop.DBus.Error.Failed";

// Plasma's clipboard, Klipper, takes a text through this method on the session bus.
constexpr std::string_view kKlipperName = "org.kde.klipper";
constexpr std::string_view kKlipperPath = "/klipper";
constexpr std::string_view kKlipperInterface = "org.kde.klipper.klipper";
constexpr std::string_view kKlipperSetText = "setClipboardContents";
constexpr int kKlipperTimeoutMs = 10000;

// KRunner's second action: the window on the query. Enter (no action) copies.
constexpr std::string_view kOpenWindowAction = "open";

// The text with its placeholder "%1" replaced.
QString Replace(std::string_view text, const QString& with)
{
    return QStringOf(text).replace(QStringLiteral("%1"), with);
}

}  // namespace

SearchService::SearchService(QString window, QString icon, std::chrono::milliseconds idle)
    : m_window(std::move(window)), m_icon(std::move(icon))
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(idle);
    connect(&m_idle, &QTimer::timeout, QCoreApplication::instance(), &QCoreApplication::quit);
    m_idle.start();
}

void SearchService::Called()
{
    m_idle.start();
}

void SearchService::OpenWindow(const std::vector<std::string>& words,
                               const QDBusMessage& call) const
{
    QStringList arguments;
    if (!words.empty()) {
        arguments.push_back(QStringLiteral("--convert"));
    }
    for (const std::string& word : words) {
        arguments.push_back(QStringOf(word));
    }
    if (!QProcess::startDetached(m_window, arguments)) {
        Refuse(call, kExecFailedError, kWindowNotStartedMessage);
    }
}

void SearchService::CopyToClipboard(const QString& text, const QDBusMessage& call)
{
    QDBusMessage set =
        QDBusMessage::createMethodCall(QStringOf(kKlipperName), QStringOf(kKlipperPath),
                                       QStringOf(kKlipperInterface), QStringOf(kKlipperSetText));
    set << text;
    call.setDelayedReply(true);
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(set, kKlipperTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [call](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                QDBusMessage answer = call.createReply();
                if (finished->isError()) {
                    const QDBusError error = finished->error();
                    const bool absent =
                        error.type() == QDBusError::ServiceUnknown ||
                        error.name() == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner");
                    answer = absent ? call.createErrorReply(QStringOf(kServiceUnknownError),
                                                            QStringOf(kNoClipboardMessage))
                                    : call.createErrorReply(
                                          QStringOf(kFailedError),
                                          Replace(kClipboardRefusedMessage, error.message()));
                }
                QDBusConnection::sessionBus().send(answer);
            });
}

void SearchService::Refuse(const QDBusMessage& call, std::string_view error,
                           std::string_view message)
{
    call.setDelayedReply(true);
    QDBusConnection::sessionBus().send(call.createErrorReply(QStringOf(error), QStringOf(message)));
}

GnomeSearchProvider::GnomeSearchProvider(SearchService* service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList& terms)
{
    m_service->Called();
    return IdsOf(ResultsOfQuery(QueryOf(terms), kGnomeResultLimit));
}

// The results are worked out from the new terms alone: an id carries its whole query,
// so there is nothing to narrow that a fresh answer would not give.
QStringList GnomeSearchProvider::GetSubsearchResultSet(const QStringList& /*previous_results*/,
                                                       const QStringList& terms)
{
    m_service->Called();
    return IdsOf(ResultsOfQuery(QueryOf(terms), kGnomeResultLimit));
}

QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList& identifiers)
{
    m_service->Called();
    QList<QVariantMap> metas;
    if (identifiers.size() > kMaxTerms) {
        return metas;
    }
    for (const QString& identifier : identifiers) {
        const auto result = ResultOfId(QueryOf(identifier));
        if (!result) {
            continue;
        }
        // GNOME Shell copies clipboardText itself when the result is activated.
        metas.push_back({
            {QStringLiteral("id"), identifier},
            {QStringLiteral("name"), QStringOf(result->title)},
            {QStringLiteral("description"), QStringOf(result->description)},
            {QStringLiteral("gicon"), m_service->Icon()},
            {QStringLiteral("clipboardText"), QStringOf(result->value)},
        });
    }
    return metas;
}

// GNOME Shell has already copied the result's clipboardText when it calls this: choosing
// an answer takes its value, and the window stays closed (LaunchSearch opens it).
void GnomeSearchProvider::ActivateResult(const QString& identifier, const QStringList& /*terms*/,
                                         uint /*timestamp*/, const QDBusMessage& call)
{
    m_service->Called();
    if (!ResultOfId(QueryOf(identifier))) {
        SearchService::Refuse(call, kInvalidArgsError, kUnknownResultMessage);
    }
}

// A search that is no conversion opens the window as the menu does; its words go nowhere.
void GnomeSearchProvider::LaunchSearch(const QStringList& terms, uint /*timestamp*/,
                                       const QDBusMessage& call)
{
    m_service->Called();
    const std::string query = QueryOf(terms);
    const bool answered = !ResultsOfQuery(query, 1).empty();
    m_service->OpenWindow(answered ? WordsOf(query) : std::vector<std::string>{}, call);
}

KRunnerProvider::KRunnerProvider(SearchService* service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

// Enter copies; the one action beside it opens the window on the query.
QList<RemoteAction> KRunnerProvider::Actions()
{
    m_service->Called();
    return {{QStringOf(kOpenWindowAction), QStringOf(kOpenWindowActionText), m_service->Icon()}};
}

QList<RemoteMatch> KRunnerProvider::Match(const QString& query)
{
    m_service->Called();
    QList<RemoteMatch> matches;
    const auto results = ResultsOfQuery(QueryOfText(QueryOf(query)), kNoResultLimit);
    for (std::size_t i = 0; i < results.size(); ++i) {
        // The first result is the most relevant: the targets as asked, or the ranked units.
        const double relevance = 1.0 - 0.01 * static_cast<double>(std::min<std::size_t>(i, 50));
        matches.push_back(
            {QStringOf(results[i].id),
             QStringOf(results[i].title),
             m_service->Icon(),
             kExactMatch,
             relevance,
             {{QStringLiteral("subtext"), QStringOf(results[i].description)},
              {QStringLiteral("actions"), QStringList{QStringOf(kOpenWindowAction)}}}});
    }
    return matches;
}

void KRunnerProvider::Run(const QString& matchId, const QString& actionId, const QDBusMessage& call)
{
    m_service->Called();
    if (!actionId.isEmpty() && actionId != QStringOf(kOpenWindowAction)) {
        SearchService::Refuse(call, kInvalidArgsError, kUnknownActionMessage);
        return;
    }
    const auto result = ResultOfId(QueryOf(matchId));
    if (!result) {
        SearchService::Refuse(call, kInvalidArgsError, kUnknownResultMessage);
        return;
    }
    if (actionId.isEmpty()) {
        m_service->CopyToClipboard(QStringOf(result->value), call);
        return;
    }
    m_service->OpenWindow(*QueryWordsOfId(QueryOf(matchId)), call);
}

void KRunnerProvider::Teardown()
{
    m_service->Called();
}

// Only asked of runners that declare the newer DBus2 protocol; this one declares DBus.
QVariantMap KRunnerProvider::Config()
{
    m_service->Called();
    return {};
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action)
{
    argument.beginStructure();
    argument << action.id << action.text << action.iconName;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action)
{
    argument.beginStructure();
    argument >> action.id >> action.text >> action.iconName;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match)
{
    argument.beginStructure();
    argument << match.id << match.text << match.iconName << match.type << match.relevance
             << match.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match)
{
    argument.beginStructure();
    argument >> match.id >> match.text >> match.iconName >> match.type >> match.relevance >>
        match.properties;
    argument.endStructure();
    return argument;
}

void RegisterDBusTypes()
{
    qDBusRegisterMetaType<RemoteAction>();
    qDBusRegisterMetaType<RemoteMatch>();
    qDBusRegisterMetaType<QList<RemoteAction>>();
    qDBusRegisterMetaType<QList<RemoteMatch>>();
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

}  // namespace search
