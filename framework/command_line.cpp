#include "framework/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>
#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include "framework/text.h"

namespace framework {
namespace {

// The toolkit's own options, which it reads and removes when it starts: accepted here
// and left for it. Options of the first list take a value ("-platform xcb").
constexpr const char* kToolkitOptionsWithValue[] = {"platform",
                                                    "platformpluginpath",
                                                    "platformtheme",
                                                    "plugin",
                                                    "qwindowgeometry",
                                                    "qwindowicon",
                                                    "qwindowtitle",
                                                    "session",
                                                    "display",
                                                    "geometry",
                                                    "name",
                                                    "title",
                                                    "style",
                                                    "stylesheet",
                                                    "qmljsdebugger",
                                                    "dialogs",
                                                    "fontengine",
                                                    "visual"};
constexpr const char* kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// Writes the whole text and flushes it; false when it could not be written (a full
// disk, a closed pipe), so that the caller can say so instead of reporting success.
bool WriteAll(std::FILE* stream, const QByteArray& text)
{
    const bool written = std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()),
                                     stream) == static_cast<std::size_t>(text.size());
    return std::fflush(stream) == 0 && written && std::ferror(stream) == 0;
}

QByteArray Line(const ProgramInfo& info, const QString& text)
{
    return (ToQString(info.name) + QStringLiteral(": ") + text + QLatin1Char('\n')).toUtf8();
}

int WriteOrFail(const ProgramInfo& info, std::FILE* out, std::FILE* err, const QString& text)
{
    if (WriteAll(out, text.toUtf8())) {
        return EXIT_SUCCESS;
    }
    WriteAll(err, Line(info, qt_error_string(errno)));
    return kExitWriteError;
}

// The help text: Qt's list of options under the program's own usage line (Qt would
// name the program by the path it was started from).
QString HelpText(const ProgramInfo& info, const QCommandLineParser& parser)
{
    QString options = parser.helpText();
    options.remove(0, options.indexOf(QLatin1Char('\n')) + 1);
    return QStringLiteral("Usage: %1 [options]\n").arg(ToQString(info.name)) + options +
           QLatin1Char('\n') + ToQString(info.helpFooter);
}

// While the toolkit starts: its messages are held back, and its abort when no platform
// can be started becomes one line of the program's own and the status kExitNoDisplay.
using HeldMessages = std::vector<std::pair<QtMsgType, QString>>;
const ProgramInfo* g_starting = nullptr;
HeldMessages* g_heldMessages = nullptr;

void OnToolkitMessage(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text)
{
    if (type != QtFatalMsg) {
        g_heldMessages->emplace_back(type, text);
        return;
    }
    // The first message the toolkit held back says why ("could not connect to
    // display", "Could not find the Qt platform plugin "bogus""); its fatal message is
    // only the advice to reinstall.
    QString reason = g_heldMessages->empty() ? text : g_heldMessages->front().second;
    reason = reason.section(QLatin1Char('\n'), 0, 0).trimmed();
    const QByteArray line = Line(*g_starting, ToQString(g_starting->noDisplay).arg(reason));
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
    std::_Exit(kExitNoDisplay);
}

// Takes the rest option and the words after it out of args and returns its value; an
// empty value leaves the option alone, without one, for the parser to say that its
// value is missing.
std::optional<QString> TakeRest(const RestOption& rest, QStringList& args)
{
    const QString option = QStringLiteral("--") + ToQString(rest.name);
    for (qsizetype at = 1; at < args.size(); ++at) {
        const QString& arg = args[at];
        if (arg == QStringLiteral("--")) {
            break;
        }
        if (arg != option && !arg.startsWith(option + QLatin1Char('='))) {
            continue;
        }
        QStringList words = args.mid(at + 1);
        if (arg != option) {
            words.prepend(arg.mid(option.size() + 1));
        }
        const QString value = words.join(QLatin1Char(' '));
        args.resize(at);
        if (value.trimmed().isEmpty()) {
            args.append(option);
            return std::nullopt;
        }
        return value;
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> HandleCommandLine(const ProgramInfo& info, int argc, const char* const* argv,
                                     std::FILE* out, std::FILE* err)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"); ours are GNU long options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(ToQString(info.description));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  ToQString(info.helpOption));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     ToQString(info.versionOption));
    parser.addOption(help);
    parser.addOption(version);
    if (!info.rest.name.empty()) {
        parser.addOption(QCommandLineOption(ToQString(info.rest.name),
                                            ToQString(info.rest.description),
                                            ToQString(info.rest.valueName)));
    }
    for (const char* name : kToolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QStringList args;
    for (int i = 0; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    const std::optional<QString> rest =
        info.rest.name.empty() ? std::nullopt : TakeRest(info.rest, args);
    QString refusal;
    if (!parser.parse(args)) {
        refusal = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        refusal = ToQString(info.unexpectedArgument).arg(parser.positionalArguments().first());
    }
    if (!refusal.isEmpty()) {
        WriteAll(err, Line(info, refusal) + ToQString(info.tryHelp).toUtf8());
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        return WriteOrFail(info, out, err, HelpText(info, parser));
    }
    if (parser.isSet(version)) {
        return WriteOrFail(
            info, out, err,
            QStringLiteral("%1 (%2) %3\n")
                    .arg(ToQString(info.name), ToQString(info.title), ToQString(info.version)) +
                ToQString(info.versionText));
    }
    if (rest && info.rest.take != nullptr) {
        const QByteArray value = rest->toUtf8();
        info.rest.take({value.constData(), static_cast<std::size_t>(value.size())});
    }
    return std::nullopt;
}

std::unique_ptr<QApplication> StartToolkit(const ProgramInfo& info, int& argc, char** argv)
{
    if (info.name.empty()) {
        return std::make_unique<QApplication>(argc, argv);
    }
    HeldMessages held;
    g_starting = &info;
    g_heldMessages = &held;
    const QtMessageHandler previous = qInstallMessageHandler(OnToolkitMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    g_starting = nullptr;
    g_heldMessages = nullptr;
    // It started after all: what it had to say goes out as it would have.
    for (const auto& [type, text] : held) {
        qt_message_output(type, QMessageLogContext(), text);
    }
    return application;
}

}  // namespace framework
