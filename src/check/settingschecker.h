#pragma once

#include "check/fileproblem.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>

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
    // False for an object the store does not hold.
    bool markUsed(const void *object);
    void checkAtMost(Editable *object, int value, int limit, const char *what);
    void add(FileProblem::Kind kind, Editable *object, const QString &explanation);

    const Settings &m_settings;
    // Every satellite, transponder and provider of the store, and whether a
    // transponder has the satellite, a channel the transponder or provider.
    QHash<const void *, bool> m_used;
    QList<FileProblem> m_problems;
};
