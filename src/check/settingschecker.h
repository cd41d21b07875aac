#pragma once

#include "fileproblem.h"

#include <QCoreApplication>
#include <QList>
#include <QSet>

class Channel;
class Editable;
class Provider;
class Satellite;
class Settings;
class Transponder;

// Looks through a whole store for what a receiver would stumble on, what a
// save would refuse and what is left over, in one linear pass per table.
// Reads the store only.
class SettingsChecker
{
    Q_DECLARE_TR_FUNCTIONS(SettingsChecker)

public:
    [[nodiscard]] static QList<FileProblem> check(const Settings &settings);

private:
    explicit SettingsChecker(const Settings &settings);

    void checkCapacity();
    void checkSatellites();
    void checkTransponders();
    void checkChannels();
    void checkChannel(Channel *channel);
    void checkDuplicates();
    void checkLeftovers();
    void checkNames();
    void checkName(Editable *object, const QString &name);
    void checkAtMost(Editable *object, int value, int limit, const QString &what);
    void add(FileProblem::Kind kind, Editable *object, const QString &explanation);

    const Settings &m_settings;
    const QSet<const Satellite *> m_satellites;
    const QSet<const Transponder *> m_transponders;
    const QSet<const Provider *> m_providers;
    // Satellites that have a transponder, transponders and providers that have a channel.
    QSet<const void *> m_used;
    QList<FileProblem> m_problems;
};
