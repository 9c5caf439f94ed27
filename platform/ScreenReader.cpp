#include "platform/ScreenReader.h"

#include <QObject>
#include <QStringList>
#include <QVariantMap>

#if TESSERA_HAS_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#endif

namespace {

constexpr char kStatus[] = "org.a11y.Status";
constexpr char kProperty[] = "ScreenReaderEnabled";

// The status as the desktop last gave it. QtDBus delivers a bus signal only to a slot.
class CScreenReaderStatus : public QObject {
    Q_OBJECT
public:
    CScreenReaderStatus();

    void Set(bool bRunning)
    {
        const bool bStarted = bRunning && !m_bRunning;
        m_bRunning = bRunning;
        if (bStarted)
            emit Started();
    }

    bool m_bRunning = false;
    std::optional<bool> m_testAnswer;

signals:
    void Started();

public slots:
    void PropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
    {
        if (interface == QLatin1String(kStatus) && changed.contains(QLatin1String(kProperty)))
            Set(changed.value(QLatin1String(kProperty)).toBool());
    }
};

CScreenReaderStatus::CScreenReaderStatus()
{
#if TESSERA_HAS_DBUS
    const QString service = QStringLiteral("org.a11y.Bus");
    const QString path = QStringLiteral("/org/a11y/bus");
    const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(service, path, properties, QStringLiteral("PropertiesChanged"), this,
        SLOT(PropertiesChanged(QString, QVariantMap, QStringList)));
    // Asked without waiting: the answer comes through the event loop, like a change.
    QDBusMessage get
        = QDBusMessage::createMethodCall(service, path, properties, QStringLiteral("Get"));
    get << QLatin1String(kStatus) << QLatin1String(kProperty);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (!reply.isError())
            Set(reply.value().variant().toBool());
        call->deleteLater();
    });
#endif
}

CScreenReaderStatus& Status()
{
    // Made at the first use, once the application exists, and kept to the end.
    static CScreenReaderStatus* status = new CScreenReaderStatus;
    return *status;
}

} // namespace

bool ScreenReaderRunning() { return Status().m_testAnswer.value_or(Status().m_bRunning); }

void FollowScreenReader(QObject* context, std::function<void()> onStart)
{
    QObject::connect(&Status(), &CScreenReaderStatus::Started, context, std::move(onStart));
}

void SetScreenReaderForTests(std::optional<bool> bRunning)
{
    Status().m_testAnswer = bRunning;
    if (bRunning == true)
        emit Status().Started();
}

#include "ScreenReader.moc"
