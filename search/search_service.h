// The search provider on the session bus: one object that speaks GNOME Shell's
// SearchProvider2 and KRunner's krunner1, answers from the query grammar, copies a
// chosen result's value (GNOME Shell itself, KRunner through Plasma's clipboard
// service), opens the window on a query, and quits when no call has come for a while.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <chrono>
#include <string>
#include <vector>

namespace search {

// The service behind both interfaces: the window it launches and the idle timer every
// call restarts.
class SearchService : public QObject {
    Q_OBJECT
public:
    // `window` is the program a chosen result opens; `idle` the time without a call
    // after which the program quits.
    SearchService(QString window, QString icon, std::chrono::milliseconds idle);

    // Every call from the bus comes through here first: the program stays while it is used.
    void Called();
    // Starts the window on the query's words, detached: `window --convert WORD...`, or
    // with no words as it opens from the menu. A window that cannot be started is the
    // call's error reply, not a silent success.
    void OpenWindow(const std::vector<std::string>& words, const QDBusMessage& call) const;
    // Hands the text to Plasma's clipboard service (Klipper) over the bus and answers the
    // call when it has taken it. No clipboard service, or one that refuses, is the call's
    // error reply: the value was not copied.
    void CopyToClipboard(const QString& text, const QDBusMessage& call);
    // Answers the call with an error instead of its return value.
    static void Refuse(const QDBusMessage& call, std::string_view error, std::string_view message);

    const QString& Icon() const { return m_icon; }

private:
    QString m_window;
    QString m_icon;
    QTimer m_idle;
};

// org.gnome.Shell.SearchProvider2
class GnomeSearchProvider : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")
public:
    explicit GnomeSearchProvider(SearchService* service);

public Q_SLOTS:
    QStringList GetInitialResultSet(const QStringList& terms);
    QStringList GetSubsearchResultSet(const QStringList& previous_results,
                                      const QStringList& terms);
    QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
    void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp,
                        const QDBusMessage& call);
    void LaunchSearch(const QStringList& terms, uint timestamp, const QDBusMessage& call);

private:
    SearchService* m_service;
};

// One entry of krunner1's Actions: id, text, icon name.
struct RemoteAction {
    QString id;
    QString text;
    QString iconName;
};

// One entry of krunner1's Match: id, text, icon name, match type, relevance, properties.
struct RemoteMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0;
    double relevance = 0;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action);
QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match);

// org.kde.krunner1
class KRunnerProvider : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")
public:
    explicit KRunnerProvider(SearchService* service);

public Q_SLOTS:
    QList<search::RemoteAction> Actions();
    QList<search::RemoteMatch> Match(const QString& query);
    void Run(const QString& matchId, const QString& actionId, const QDBusMessage& call);
    void Teardown();
    QVariantMap Config();

private:
    SearchService* m_service;
};

// Makes the types of both interfaces known to QtDBus; before the object is registered.
void RegisterDBusTypes();

}  // namespace search

Q_DECLARE_METATYPE(search::RemoteAction)
Q_DECLARE_METATYPE(search::RemoteMatch)
