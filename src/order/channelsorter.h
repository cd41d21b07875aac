#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class Channel;

// The orders the Sort tools put channels in. Names compare as a reader
// expects: blind to case and accents, and numbers by value ("Sky 2" before
// "Sky 10"). Channels equal by the key keep their order; channels without
// the value sorted by (no provider, no transponder) come last.
class ChannelSorter
{
    Q_DECLARE_TR_FUNCTIONS(ChannelSorter)

public:
    enum Key { ByName, BySatelliteAndFrequency, ByProviderAndName, ByServiceId, KeyCount };

    // "Name", "Satellite and Frequency", ... as menus show them.
    static QString title(Key key);
    [[nodiscard]] static QList<Channel *> sorted(const QList<Channel *> &channels, Key key);

    // Negative, zero or positive; both texts already folded.
    static int naturalCompare(const QString &a, const QString &b);
};
