// A recording stand-in for Plasma's clipboard service (Klipper) on a test's private
// session bus: it owns org.kde.klipper and writes each text handed to
// setClipboardContents into the file named by its argument, whole or not at all.
// getClipboardContents gives the last text back, as Klipper does. With --refuse before
// the file it answers every text with an error instead, as a clipboard that failed.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

// Its slots are the methods of Klipper's interface on /klipper.
class Klipper : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.klipper.klipper")
public:
    Klipper(QString record, bool refuse) : m_record(std::move(record)), m_refuse(refuse) {}

public Q_SLOTS:
    void setClipboardContents(const QString& text)
    {
        if (m_refuse) {
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("the clipboard is locked"));
            return;
        }
        m_text = text;
        QSaveFile file(m_record);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(text.toUtf8());
            file.commit();
        }
    }
    QString getClipboardContents() { return m_text; }

private:
    QString m_record;
    bool m_refuse;
    QString m_text;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const bool refuse = argc == 3 && QByteArray(argv[1]) == "--refuse";
    if (argc != 2 && !refuse) {
        std::fputs("usage: klipper_stand_in [--refuse] RECORD-FILE\n", stderr);
        return 2;
    }
    Klipper klipper(QString::fromLocal8Bit(argv[argc - 1]), refuse);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/klipper"), &klipper,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.kde.klipper"))) {
        std::fputs("klipper_stand_in: cannot own org.kde.klipper\n", stderr);
        return 1;
    }
    return QCoreApplication::exec();
}

#include "klipper_stand_in.moc"
