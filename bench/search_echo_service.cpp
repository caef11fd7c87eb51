// The floor the search provider's latency is measured against: a bare QtDBus service
// that returns what it is sent, on the same private bus, started the same way.
#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QStringList>

namespace {

class Echo : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.velkari.Bench.Echo")
public:
    explicit Echo(QObject* parent) : QDBusAbstractAdaptor(parent) {}

public Q_SLOTS:
    QStringList Terms(const QStringList& terms) { return terms; }
    QString Text(const QString& text) { return text; }
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QObject object;
    new Echo(&object);
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.registerObject(QStringLiteral("/example/velkari/Bench/Echo"), &object);
    if (!bus.registerService(QStringLiteral("example.velkari.Bench.Echo"))) {
        return 1;
    }
    return QCoreApplication::exec();
}

#include "search_echo_service.moc"
