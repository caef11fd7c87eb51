// The search provider as a desktop reaches it: a private session bus of the test's own
// whose service folder holds the build's .service file, so that the first call to the
// provider's name starts the built program by D-Bus activation. Calls go through
// QtDBus as a client; answers are compared with what velkari-cli prints for the same
// conversion, and the interfaces with the XML files Debian ships for both desktops.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

const QString kName = QStringLiteral(VELKARI_SEARCH_NAME);
const QString kPath = QStringLiteral(VELKARI_SEARCH_PATH);
const QString kGnome = QStringLiteral("org.gnome.Shell.SearchProvider2");
const QString kKRunner = QStringLiteral("org.kde.krunner1");
constexpr int kIdleMilliseconds = 1500;

// krunner1's Match entry, read back on the client side.
struct Match {
    QString id, text, iconName;
    int type = 0;
    double relevance = 0;
    QVariantMap properties;
};

const QDBusArgument& operator>>(const QDBusArgument& argument, Match& match)
{
    argument.beginStructure();
    argument >> match.id >> match.text >> match.iconName >> match.type >> match.relevance >>
        match.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const Match& match)
{
    argument.beginStructure();
    argument << match.id << match.text << match.iconName << match.type << match.relevance
             << match.properties;
    argument.endStructure();
    return argument;
}

}  // namespace

Q_DECLARE_METATYPE(Match)

namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class SearchProviderBus : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qDBusRegisterMetaType<Match>();
        qDBusRegisterMetaType<QList<Match>>();
        qDBusRegisterMetaType<QList<QVariantMap>>();
        folder = std::make_unique<QTemporaryDir>();
        const QString config = folder->filePath("bus.conf");
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        // The session bus's own policy, with the build's service folder as the only one.
        file.write(QStringLiteral("<busconfig><type>session</type><keep_umask/>"
                                  "<listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                                  "<servicedir>%2</servicedir><policy context=\"default\">"
                                  "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                  "<allow eavesdrop=\"true\"/><allow own=\"*\"/>"
                                  "</policy></busconfig>")
                       .arg(folder->path(), QStringLiteral(VELKARI_SEARCH_SERVICE_DIR))
                       .toUtf8());
        file.close();

        // The window's stand-in writes the arguments it was started with, one a line.
        const QString standIn = folder->filePath("velkari");
        QFile script(standIn);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(
            "#!/bin/sh\nfor word in \"$@\"; do printf '%s\\n' \"$word\"; done "
            "> \"$0.argv.part\" && mv \"$0.argv.part\" \"$0.argv\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        argvFile = standIn + ".argv";

        // Activated services get the bus daemon's environment.
        daemon = new QProcess;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VELKARI_SEARCH_PROVIDER_WINDOW", standIn);
        environment.insert("VELKARI_SEARCH_PROVIDER_IDLE_MS", QString::number(kIdleMilliseconds));
        daemon->setProcessEnvironment(environment);
        daemon->start("dbus-daemon", {"--config-file=" + config, "--nofork", "--print-address"});
        ASSERT_TRUE(daemon->waitForStarted()) << "dbus-daemon: install the dbus package";
        ASSERT_TRUE(daemon->waitForReadyRead(10000));
        address = QString::fromUtf8(daemon->readLine()).trimmed();
        bus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("private")));
        ASSERT_TRUE(bus->isConnected()) << bus->lastError().message().toStdString();
    }

    static void TearDownTestSuite()
    {
        bus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("private"));
        daemon->kill();
        daemon->waitForFinished();
        delete daemon;
        folder.reset();
    }

    static QDBusMessage Call(const QString& interface, const QString& method,
                             const QVariantList& arguments = {})
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kName, kPath, interface, method);
        call.setArguments(arguments);
        return bus->call(call, QDBus::Block, 20000);
    }

    static QStringList InitialResults(const QStringList& terms)
    {
        const QDBusMessage reply = Call(kGnome, "GetInitialResultSet", {terms});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments().value(0).toStringList();
    }

    static QList<QVariantMap> Metas(const QStringList& ids)
    {
        const QDBusMessage reply = Call(kGnome, "GetResultMetas", {ids});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return qdbus_cast<QList<QVariantMap>>(reply.arguments().value(0));
    }

    static QList<Match> Matches(const QString& query)
    {
        const QDBusMessage reply = Call(kKRunner, "Match", {query});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return qdbus_cast<QList<Match>>(reply.arguments().value(0));
    }

    // The process that owns the provider's name, or 0.
    static uint OwnerPid()
    {
        const auto reply = bus->interface()->servicePid(kName);
        return reply.isValid() ? reply.value() : 0;
    }

    // The arguments the window's stand-in was last started with.
    static QStringList LaunchedWith()
    {
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(argvFile) && clock.elapsed() < 10000) {
            QThread::msleep(20);
        }
        QFile file(argvFile);
        if (!file.open(QIODevice::ReadOnly)) {
            return {"(not launched)"};
        }
        QStringList arguments = QString::fromUtf8(file.readAll()).split('\n');
        arguments.removeLast();
        file.remove();
        return arguments;
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline QProcess* daemon = nullptr;
    static inline QString address;
    static inline std::unique_ptr<QDBusConnection> bus;
    static inline QString argvFile;
};

// A query and the velkari-cli category form of the same conversion.
struct AnswerCase {
    QStringList terms;
    QStringList cliArguments;
};

// What velkari-cli prints for the conversion: titles ("text label") in its order,
// without the unit typed when no target was asked for, and the description's parts.
struct CliAnswer {
    QStringList titles;
    QString asked;       // "3 Foot (ft)"
    QString caption;     // "Length"
    QStringList values;  // each title's value alone ("0.91440"), what choosing it copies
};

CliAnswer CliAnswerOf(const AnswerCase& c)
{
    const QByteArray json =
        Run(QStringLiteral(VELKARI_CLI), c.cliArguments + QStringList{"--format", "json"}).toUtf8();
    const QJsonObject answer = QJsonDocument::fromJson(json).object();
    // The amount as the command line wrote it, not as a double read back.
    const qsizetype valueAt = json.indexOf("\"value\":") + 8;
    const QString value =
        QString::fromUtf8(json.mid(valueAt, json.indexOf(',', valueAt) - valueAt));
    const QString unit = answer["unit"].toString();
    CliAnswer cli{{}, value + ' ' + unit, answer["category"].toString(), {}};
    for (const QJsonValue result : answer["results"].toArray()) {
        const QString label = result["unit"].toString();
        if (!c.cliArguments.contains("--to") && label == unit) {
            continue;
        }
        cli.titles.push_back(result["text"].toString() + ' ' + label);
        cli.values.push_back(result["text"].toString());
    }
    return cli;
}

TEST_F(SearchProviderBus, AnswersAsTheCommandLineWritesThem)
{
    const AnswerCase cases[] = {
        {{"3", "ft", "to", "m"}, {"Length", "3", "ft", "--to", "m"}},
        {{"3", "ft"}, {"Length", "3", "ft"}},
        {{"350F"}, {"Temperature", "350", "F"}},
        {{"100", "C", "to", "F"}, {"Temperature", "100", "C", "--to", "F"}},
        {{"2", "kg", "in", "lb"}, {"Weight", "2", "kg", "--to", "lb"}},
        {{"90", "degrees"}, {"Angle", "90", "degrees"}},
        {{"1", "mi", "to", "km", "m"}, {"Length", "1", "mi", "--to", "km", "--to", "m"}},
        {{"3ft", "m"}, {"Length", "3", "ft", "--to", "m"}},
        {{"5", "ft", "3", "in"}, {"Length", "63", "in"}},
        {{"1", "1/2", "cup", "in", "ml"}, {"Cooking", "1.5", "cup", "--to", "milliliter"}},
        {{"0", "K"}, {"Temperature", "0", "K"}},
        {{"-459.67", "F", "to", "K"}, {"Temperature", "-459.67", "F", "--to", "K"}},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.terms.join(' ').toStdString());
        const auto [titles, asked, caption, values] = CliAnswerOf(c);
        ASSERT_FALSE(titles.isEmpty());

        // KRunner gets every answer: the targets in the order asked, or without a target
        // the tab's units ranked (tests/core/answer_rank_test.cpp checks the order).
        const QList<Match> matches = Matches(c.terms.join(' '));
        ASSERT_EQ(matches.size(), titles.size());
        QStringList shown;
        for (qsizetype i = 0; i < matches.size(); ++i) {
            shown.push_back(matches[i].text);
            EXPECT_EQ(matches[i].properties["subtext"].toString().toStdString(),
                      (asked + " = " + matches[i].text + " · " + caption).toStdString());
            EXPECT_EQ(matches[i].iconName, QStringLiteral(VELKARI_APP_ID));
            EXPECT_EQ(matches[i].properties["actions"].toStringList(), QStringList{"open"});
            if (i > 0) {
                EXPECT_LT(matches[i].relevance, matches[i - 1].relevance);
            }
        }
        QStringList expected = titles;
        if (!c.cliArguments.contains("--to")) {
            shown.sort();
            expected.sort();
        }
        EXPECT_EQ(shown.join('\n').toStdString(), expected.join('\n').toStdString());

        // GNOME gets the first five of the same order, each with its value to copy.
        const QStringList ids = InitialResults(c.terms);
        const QList<QVariantMap> metas = Metas(ids);
        ASSERT_EQ(ids.size(), std::min<qsizetype>(titles.size(), 5));
        ASSERT_EQ(metas.size(), ids.size());
        for (qsizetype i = 0; i < metas.size(); ++i) {
            EXPECT_EQ(metas[i]["id"].toString(), ids[i]);
            EXPECT_EQ(ids[i], matches[i].id);
            const QString title = metas[i]["name"].toString();
            EXPECT_EQ(title.toStdString(), matches[i].text.toStdString());
            EXPECT_EQ(metas[i]["description"].toString().toStdString(),
                      (asked + " = " + title + " · " + caption).toStdString());
            EXPECT_EQ(metas[i]["gicon"].toString(), QStringLiteral(VELKARI_APP_ID));
            const qsizetype line = titles.indexOf(title);
            ASSERT_GE(line, 0) << title.toStdString();
            EXPECT_EQ(metas[i]["clipboardText"].toString().toStdString(),
                      values[line].toStdString());
        }
    }
}

TEST_F(SearchProviderBus, SearchesThatAreNoQueryGetNothing)
{
    const QStringList searches[] = {{"firefox"}, {"term"},     {"hello", "world"},     {},
                                    {"ft"},      {"3", "fet"}, {"3", "ft", "to", "kg"}};
    for (const QStringList& terms : searches) {
        SCOPED_TRACE(terms.join(' ').toStdString());
        EXPECT_EQ(InitialResults(terms), QStringList{});
        EXPECT_TRUE(Matches(terms.join(' ')).isEmpty());
    }
}

// Temperatures below absolute zero, and those whose result is no number, have no
// answer, nor any id that names them.
TEST_F(SearchProviderBus, ImpossibleTemperaturesGetNothing)
{
    const QStringList searches[] = {
        {"-5", "K", "to", "C"}, {"-273.16", "C"}, {"-460F"}, {"1e308", "C", "to", "F"}};
    for (const QStringList& terms : searches) {
        SCOPED_TRACE(terms.join(' ').toStdString());
        EXPECT_EQ(InitialResults(terms), QStringList{});
        EXPECT_TRUE(Matches(terms.join(' ')).isEmpty());
    }
    EXPECT_TRUE(Metas({"0 -5 K to C", "1 -5 K to C"}).isEmpty());
}

TEST_F(SearchProviderBus, SubsearchAnswersTheNarrowedTerms)
{
    QStringList previous = InitialResults({"3"});
    for (const QStringList& terms : {QStringList{"3", "f"}, QStringList{"3", "ft"}}) {
        SCOPED_TRACE(terms.join(' ').toStdString());
        const QDBusMessage reply = Call(kGnome, "GetSubsearchResultSet", {previous, terms});
        ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage);
        const QStringList results = reply.arguments().value(0).toStringList();
        EXPECT_EQ(results, InitialResults(terms));
        previous = results;
    }
    ASSERT_FALSE(previous.isEmpty());
    EXPECT_EQ(Metas(previous).value(0)["description"].toString(),
              Matches("3 ft").value(0).properties["subtext"].toString());
    EXPECT_TRUE(Metas(previous).value(0)["description"].toString().startsWith("3 Foot (ft) = "));
}

TEST_F(SearchProviderBus, IdsItNeverGaveOutHaveNoMeta)
{
    const QString good = InitialResults({"3", "ft", "to", "m"}).value(0);
    ASSERT_FALSE(good.isEmpty());
    const QStringList strangers{"",
                                "nonsense",
                                "999 3 ft to m",
                                "-1 3 ft",
                                "6 firefox",
                                good + "x",
                                good.section(' ', 0, 0) + "  " + good.section(' ', 1),
                                "6 " + QString(1 << 20, 'f')};
    for (const QString& id : strangers) {
        SCOPED_TRACE(id.left(40).toStdString());
        EXPECT_TRUE(Metas({id}).isEmpty());
        const QDBusMessage activate = Call(kGnome, "ActivateResult", {id, QStringList{}, 0u});
        EXPECT_EQ(activate.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");
        for (const QString& action : {QString(), QStringLiteral("open")}) {
            const QDBusMessage run = Call(kKRunner, "Run", {id, action});
            EXPECT_EQ(run.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");
        }
    }
    const QList<QVariantMap> mixed = Metas({"nonsense", good});
    ASSERT_EQ(mixed.size(), 1);
    EXPECT_EQ(mixed[0]["id"].toString(), good);
    EXPECT_FALSE(QFile::exists(argvFile));
}

// GNOME Shell copies clipboardText itself before it activates a result: activating only
// acknowledges, and the window opens from the provider's icon (LaunchSearch) alone.
TEST_F(SearchProviderBus, ActivatingAGnomeResultOpensNoWindow)
{
    const QString gnomeId = InitialResults({"3", "ft", "to", "m"}).value(0);
    const QDBusMessage activate =
        Call(kGnome, "ActivateResult", {gnomeId, QStringList{"3", "ft", "to", "m"}, 0u});
    EXPECT_EQ(activate.type(), QDBusMessage::ReplyMessage) << activate.errorMessage().toStdString();
    EXPECT_EQ(Metas({gnomeId}).value(0)["clipboardText"].toString(),
              Metas({gnomeId}).value(0)["name"].toString().section(' ', 0, 0));

    // A negative amount goes on as a word of the query, after --convert.
    Call(kGnome, "LaunchSearch", {QStringList{"-40", "C"}, 0u});
    EXPECT_EQ(LaunchedWith(), (QStringList{"--convert", "-40", "C"}));
    // A search that is no query opens the window as the menu does; its words go nowhere.
    Call(kGnome, "LaunchSearch", {QStringList{"$(touch", "x)", ";rm"}, 0u});
    EXPECT_EQ(LaunchedWith(), QStringList{});
    EXPECT_FALSE(QFile::exists(argvFile));
}

TEST_F(SearchProviderBus, KRunnersSecondActionOpensTheWindowOnItsQuery)
{
    const QDBusMessage actions = Call(kKRunner, "Actions");
    ASSERT_EQ(actions.signature(), "a(sss)");
    const QDBusArgument list = actions.arguments().value(0).value<QDBusArgument>();
    QStringList listed;
    list.beginArray();
    while (!list.atEnd()) {
        QString id, text, icon;
        list.beginStructure();
        list >> id >> text >> icon;
        list.endStructure();
        listed.push_back(id + '|' + text);
    }
    list.endArray();
    EXPECT_EQ(listed, QStringList{"open|Open in Velkari Unit Converter"});

    const QString matchId = Matches(" 350F\tto   C ").value(0).id;
    const QDBusMessage run = Call(kKRunner, "Run", {matchId, QStringLiteral("open")});
    EXPECT_EQ(run.type(), QDBusMessage::ReplyMessage) << run.errorMessage().toStdString();
    EXPECT_EQ(LaunchedWith(), (QStringList{"--convert", "350F", "to", "C"}));

    const QDBusMessage copy = Call(kKRunner, "Run", {matchId, QStringLiteral("copy")});
    EXPECT_EQ(copy.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");
    EXPECT_FALSE(QFile::exists(argvFile));
}

// Enter in KRunner hands the value to Plasma's clipboard service over the bus; with none
// running the call fails and says so, rather than reporting a copy that never happened.
TEST_F(SearchProviderBus, KRunnersEnterCopiesTheValueThroughKlipper)
{
    const QString matchId = Matches("3 ft to m").value(0).id;
    ASSERT_FALSE(matchId.isEmpty());
    const QDBusMessage alone = Call(kKRunner, "Run", {matchId, QString()});
    EXPECT_EQ(alone.errorName(), "org.freedesktop.DBus.Error.ServiceUnknown");
    EXPECT_TRUE(alone.errorMessage().contains("no clipboard service is running"))
        << alone.errorMessage().toStdString();

    const QString record = folder->filePath("clipboard");
    QProcess klipper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
    klipper.setProcessEnvironment(environment);
    klipper.start(QStringLiteral(VELKARI_KLIPPER_STAND_IN), {record});
    QElapsedTimer clock;
    clock.start();
    while (!bus->interface()->isServiceRegistered("org.kde.klipper").value() &&
           clock.elapsed() < 10000) {
        QThread::msleep(20);
    }
    ASSERT_TRUE(bus->interface()->isServiceRegistered("org.kde.klipper").value())
        << klipper.readAllStandardError().toStdString();

    for (const char* query : {"3 ft to m", "350F to C", "5 lb", "-40 C to F", "1e30 m to km"}) {
        SCOPED_TRACE(query);
        const QList<Match> matches = Matches(QString::fromUtf8(query));
        ASSERT_FALSE(matches.isEmpty());
        QFile::remove(record);
        const QDBusMessage run = Call(kKRunner, "Run", {matches[0].id, QString()});
        EXPECT_EQ(run.type(), QDBusMessage::ReplyMessage) << run.errorMessage().toStdString();
        QFile copied(record);
        ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
        // The value as shown, without its unit.
        EXPECT_EQ(QString::fromUtf8(copied.readAll()).toStdString(),
                  matches[0].text.section(' ', 0, 0).toStdString());
    }
    EXPECT_FALSE(QFile::exists(argvFile));
    klipper.kill();
    klipper.waitForFinished();

    // A clipboard service that refuses the text: the call fails with what it said.
    while (bus->interface()->isServiceRegistered("org.kde.klipper").value() &&
           clock.elapsed() < 20000) {
        QThread::msleep(20);
    }
    QProcess refusing;
    refusing.setProcessEnvironment(environment);
    refusing.start(QStringLiteral(VELKARI_KLIPPER_STAND_IN), {"--refuse", record});
    clock.restart();
    while (!bus->interface()->isServiceRegistered("org.kde.klipper").value() &&
           clock.elapsed() < 10000) {
        QThread::msleep(20);
    }
    QFile::remove(record);
    const QDBusMessage refused = Call(kKRunner, "Run", {matchId, QString()});
    EXPECT_EQ(refused.errorName(), "org.freedesktop.DBus.Error.Failed");
    EXPECT_TRUE(refused.errorMessage().contains("did not take the value") &&
                refused.errorMessage().contains("the clipboard is locked"))
        << refused.errorMessage().toStdString();
    EXPECT_FALSE(QFile::exists(record));
    refusing.kill();
    refusing.waitForFinished();
}

TEST_F(SearchProviderBus, AWindowThatCannotStartIsAnErrorReply)
{
    const QString id = InitialResults({"3", "ft", "to", "m"}).value(0);
    ASSERT_FALSE(id.isEmpty());
    QFile standIn(argvFile.chopped(5));
    const auto permissions = standIn.permissions();
    ASSERT_TRUE(standIn.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    const QString failed = QStringLiteral("org.freedesktop.DBus.Error.Spawn.ExecFailed");
    EXPECT_EQ(Call(kKRunner, "Run", {id, QStringLiteral("open")}).errorName(), failed);
    EXPECT_EQ(Call(kGnome, "LaunchSearch", {QStringList{"3", "ft"}, 0u}).errorName(), failed);
    EXPECT_EQ(Call(kGnome, "LaunchSearch", {QStringList{"firefox"}, 0u}).errorName(), failed);
    standIn.setPermissions(permissions);
    EXPECT_FALSE(QFile::exists(argvFile));
}

TEST_F(SearchProviderBus, BadInputsGetAnAnswerAndTheServiceStays)
{
    ASSERT_FALSE(InitialResults({"1", "m"}).isEmpty());
    const uint pid = OwnerPid();
    ASSERT_NE(pid, 0u);
    const QString megabyte(1 << 20, '3');
    QStringList thousands;
    for (int i = 0; i < 5000; ++i) {
        thousands.push_back(i % 2 == 0 ? "3" : "ft");
    }
    const QString strange =
        QString::fromUtf8("3 \xef\xbf\xbd ft \xe2\x80\xae m") + QChar(0xD800) + QChar(0) + "ft";
    EXPECT_EQ(InitialResults({megabyte}), QStringList{});
    EXPECT_EQ(InitialResults({megabyte + " ft"}), QStringList{});
    EXPECT_EQ(InitialResults(thousands), QStringList{});
    EXPECT_EQ(InitialResults({strange}), QStringList{});
    EXPECT_TRUE(Matches(megabyte).isEmpty());
    EXPECT_TRUE(Matches(thousands.join(' ')).isEmpty());
    EXPECT_TRUE(Matches(strange).isEmpty());
    EXPECT_TRUE(Metas(thousands).isEmpty());
    EXPECT_EQ(OwnerPid(), pid);
    EXPECT_EQ(Metas(InitialResults({"1", "m"})).size(), 5);
}

TEST_F(SearchProviderBus, StartsByActivationAndQuitsWhenIdle)
{
    ASSERT_FALSE(InitialResults({"1", "m"}).isEmpty());
    const uint pid = OwnerPid();
    ASSERT_NE(pid, 0u);
    EXPECT_EQ(QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath(),
              QFileInfo(QStringLiteral(VELKARI_SEARCH_PROVIDER)).canonicalFilePath());
    // Calls closer together than the idle time keep the same process.
    for (int i = 0; i < 6; ++i) {
        QThread::msleep(kIdleMilliseconds / 3);
        Call(kKRunner, "Match", {QStringLiteral("firefox")});
    }
    EXPECT_EQ(OwnerPid(), pid);
    QElapsedTimer clock;
    clock.start();
    while (bus->interface()->isServiceRegistered(kName).value() && clock.elapsed() < 20000) {
        QThread::msleep(50);
    }
    EXPECT_FALSE(bus->interface()->isServiceRegistered(kName).value());
    QThread::msleep(200);
    // The bus daemon, its parent, reaps it when it gets to it.
    clock.restart();
    while (kill(static_cast<pid_t>(pid), 0) == 0 && clock.elapsed() < 5000) {
        QThread::msleep(50);
    }
    EXPECT_NE(kill(static_cast<pid_t>(pid), 0), 0) << "the idle provider is still running";
}

// Every method of the interface in an introspection XML: the types of its arguments
// in, then out, each in order (what its call and reply signatures are made of).
std::map<QString, QStringList> MethodsOf(const QString& xml, const QString& interface)
{
    std::map<QString, QStringList> methods;
    QXmlStreamReader reader(xml);
    QString current, method;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement()) {
            continue;
        }
        const auto attributes = reader.attributes();
        if (reader.name() == u"interface") {
            current = attributes.value("name").toString();
        } else if (reader.name() == u"method" && current == interface) {
            method = attributes.value("name").toString();
            methods[method];
        } else if (reader.name() == u"arg" && current == interface && !method.isEmpty()) {
            const QString direction = attributes.value("direction").toString();
            QStringList& arguments = methods[method];
            const QString argument = (direction.isEmpty() ? "in" : direction) + ' ' +
                                     attributes.value("type").toString();
            if (argument.startsWith("in")) {
                const auto firstOut =
                    std::find_if(arguments.begin(), arguments.end(),
                                 [](const QString& a) { return a.startsWith("out"); });
                arguments.insert(firstOut, argument);
            } else {
                arguments.push_back(argument);
            }
        }
    }
    return methods;
}

// The Debian file, or empty with the reason the test gives.
QString InterfaceFile(const QString& name)
{
    for (const QString& folder : QString(VELKARI_DBUS_INTERFACE_DIRS).split(':')) {
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::ReadOnly)) {
            return QString::fromUtf8(file.readAll());
        }
    }
    return {};
}

TEST_F(SearchProviderBus, IntrospectionHasEveryMethodOfTheDebianInterfaces)
{
    const QDBusMessage introspection = Call("org.freedesktop.DBus.Introspectable", "Introspect");
    ASSERT_EQ(introspection.type(), QDBusMessage::ReplyMessage);
    const QString running = introspection.arguments().value(0).toString();
    const std::pair<QString, QString> interfaces[] = {
        {"org.gnome.ShellSearchProvider2.xml", kGnome},
        {"kf5_org.kde.krunner1.xml", kKRunner},
    };
    for (const auto& [file, interface] : interfaces) {
        SCOPED_TRACE(file.toStdString());
        QString shipped = InterfaceFile(file);
        if (shipped.isEmpty()) {
            if (qEnvironmentVariable("CI") == "true") {
                FAIL() << file.toStdString() << " is missing: scripts/fetch_dbus_interfaces.sh";
            }
            GTEST_SKIP() << file.toStdString() << " is missing: scripts/fetch_dbus_interfaces.sh";
        }
        // KDE's file gives Config's result as "{sv}", which is no D-Bus type: the
        // dictionary it describes is "a{sv}", what KRunner itself sends and reads.
        shipped.replace("type=\"{sv}\"", "type=\"a{sv}\"");
        const auto expected = MethodsOf(shipped, interface);
        const auto actual = MethodsOf(running, interface);
        ASSERT_FALSE(expected.empty());
        for (const auto& [method, arguments] : expected) {
            ASSERT_TRUE(actual.contains(method)) << method.toStdString();
            EXPECT_EQ(actual.at(method).join(", ").toStdString(),
                      arguments.join(", ").toStdString())
                << method.toStdString();
        }
    }
}

// The README's gdbus examples, each run as written against the private bus.
TEST_F(SearchProviderBus, TheReadmeExamplesWork)
{
    QFile readme(QStringLiteral(VELKARI_README));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    int examples = 0;
    for (const QString& line : QString::fromUtf8(readme.readAll()).split('\n')) {
        if (!line.startsWith("gdbus call")) {
            continue;
        }
        SCOPED_TRACE(line.toStdString());
        ++examples;
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
        shell.setProcessEnvironment(environment);
        shell.start("bash", {"-c", line});
        ASSERT_TRUE(shell.waitForFinished(20000));
        EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
        EXPECT_FALSE(shell.readAllStandardOutput().trimmed().isEmpty());
    }
    EXPECT_GE(examples, 3);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
