#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QVariantMap>

// Values for the user's settings file that are written a moment after they
// are set, all in one write: opening a file remembers it twice, and two
// writes to disk made the user wait noticeably longer for the file to
// show. Reads through value() see a pending value at once. Whatever is
// pending is written when the application quits, and on flush().
class PendingPreferences : public QObject
{
    Q_OBJECT

public:
    static void setValue(const QString &key, const QVariant &value);
    static QVariant value(const QString &key);
    // Writes what is pending now.
    static void flush();

    ~PendingPreferences() override;

private:
    PendingPreferences();
    // The one instance, owned by the application; null without one.
    static PendingPreferences *instance();
    void write();

    QVariantMap m_pending;
    QTimer m_timer;
    static QPointer<PendingPreferences> s_instance;
};
