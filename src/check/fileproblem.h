#pragma once

#include <QCoreApplication>
#include <QString>

class Editable;

// One thing wrong with, or worth tidying in, a settings file. The object is
// not owned and may be null for a problem of the whole file; it is valid
// only as long as the store it came from is left unchanged.
struct FileProblem
{
    Q_DECLARE_TR_FUNCTIONS(FileProblem)

public:
    // Ordered from worst to mildest, so that sorting by severity puts errors first.
    enum class Severity { Error, Warning, Note };

    enum class Kind {
        DuplicateService,
        ChannelWithoutTransponder,
        ChannelWithoutProvider,
        TransponderWithoutSatellite,
        PidOutOfRange,
        ServiceIdZero,
        ValueOutOfRange,
        EmptyChannelName,
        SatelliteWithoutTransponders,
        ProviderWithoutChannels,
        TransponderWithoutChannels,
        OverCapacity,
        NameShortened,
    };

    Kind kind;
    Severity severity;
    Editable *object;
    QString explanation;

    static Severity severityOf(Kind kind);
    static QString kindName(Kind kind);
    static QString severityName(Severity severity);
    // How a problem names its object: a channel by name and service id, since
    // its display text leads with PIDs; null is the whole file.
    static QString objectText(const Editable *object);
};
