#include "ui/pendingpreferences.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

// Long enough that the window has shown the file, short enough that
// nothing waits for long.
constexpr int WriteDelayMs = 500;

} // namespace

QPointer<PendingPreferences> PendingPreferences::s_instance;

PendingPreferences::PendingPreferences()
    : QObject(QCoreApplication::instance())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(WriteDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &PendingPreferences::write);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &PendingPreferences::write);
}

PendingPreferences::~PendingPreferences()
{
    write();
}

PendingPreferences *PendingPreferences::instance()
{
    if (!s_instance && QCoreApplication::instance())
        s_instance = new PendingPreferences;
    return s_instance;
}

void PendingPreferences::setValue(const QString &key, const QVariant &value)
{
    PendingPreferences *pending = instance();
    if (!pending) {
        QSettings().setValue(key, value);
        return;
    }
    pending->m_pending.insert(key, value);
    pending->m_timer.start();
}

QVariant PendingPreferences::value(const QString &key)
{
    const PendingPreferences *pending = s_instance;
    if (pending && pending->m_pending.contains(key))
        return pending->m_pending.value(key);
    return QSettings().value(key);
}

void PendingPreferences::flush()
{
    if (s_instance)
        s_instance->write();
}

void PendingPreferences::write()
{
    m_timer.stop();
    if (m_pending.isEmpty())
        return;
    QSettings settings;
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        settings.setValue(it.key(), it.value());
    m_pending.clear();
}
