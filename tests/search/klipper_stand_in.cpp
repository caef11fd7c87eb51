// A recording stand-in for Plasma's clipboard service (Klipper) on a test's private
// session bus: it owns org.kde.klipper and writes each text handed to
// setClipboardContents into the file named by its one argument, whole or not at all.
// getClipboardContents gives the last text back, as Klipper does.
#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

class Klipper : public QObject {
    Q_OBJECT
public:
    explicit Klipper(QString record) : m_record(std::move(record)) {}

    void Set(const QString& text)
    {
        m_text = text;
        QSaveFile file(m_record);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(text.toUtf8());
            file.commit();
        }
    }
    const QString& Text() const { return m_text; }

private:
    QString m_record;
    QString m_text;
};

class KlipperInterface : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.klipper.klipper")
public:
    explicit KlipperInterface(Klipper* klipper) : QDBusAbstractAdaptor(klipper), m_klipper(klipper)
    {
    }

public Q_SLOTS:
    void setClipboardContents(const QString& text) { m_klipper->Set(text); }
    QString getClipboardContents() { return m_klipper->Text(); }

private:
    Klipper* m_klipper;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: klipper_stand_in RECORD-FILE\n", stderr);
        return 2;
    }
    Klipper klipper(QString::fromLocal8Bit(argv[1]));
    new KlipperInterface(&klipper);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/klipper"), &klipper) ||
        !bus.registerService(QStringLiteral("org.kde.klipper"))) {
        std::fputs("klipper_stand_in: cannot own org.kde.klipper\n", stderr);
        return 1;
    }
    return QCoreApplication::exec();
}

#include "klipper_stand_in.moc"
