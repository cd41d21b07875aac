#include "check/fileproblem.h"

#include "model/channel.h"

FileProblem::Severity FileProblem::severityOf(Kind kind)
{
    switch (kind) {
    // The receiver cannot tune these, or the save refuses the file.
    case Kind::ChannelWithoutTransponder:
    case Kind::TransponderWithoutSatellite:
    case Kind::PidOutOfRange:
    case Kind::OverCapacity:
        return Severity::Error;
    // Saved and loaded fine, but most likely a mistake.
    case Kind::DuplicateService:
    case Kind::ChannelWithoutProvider:
    case Kind::ServiceIdZero:
    case Kind::ValueOutOfRange:
    case Kind::EmptyChannelName:
    case Kind::NameShortened:
        return Severity::Warning;
    case Kind::SatelliteWithoutTransponders:
    case Kind::ProviderWithoutChannels:
    case Kind::TransponderWithoutChannels:
        break;
    }
    return Severity::Note;
}

QString FileProblem::kindName(Kind kind)
{
    switch (kind) {
    case Kind::DuplicateService:
        return tr("Duplicate service");
    case Kind::ChannelWithoutTransponder:
        return tr("Channel without transponder");
    case Kind::ChannelWithoutProvider:
        return tr("Channel without provider");
    case Kind::TransponderWithoutSatellite:
        return tr("Transponder without satellite");
    case Kind::PidOutOfRange:
        return tr("PID out of range");
    case Kind::ServiceIdZero:
        return tr("Service id 0");
    case Kind::ValueOutOfRange:
        return tr("Value out of range");
    case Kind::EmptyChannelName:
        return tr("Empty channel name");
    case Kind::SatelliteWithoutTransponders:
        return tr("Satellite without transponders");
    case Kind::ProviderWithoutChannels:
        return tr("Provider without channels");
    case Kind::TransponderWithoutChannels:
        return tr("Transponder without channels");
    case Kind::OverCapacity:
        return tr("Over capacity");
    case Kind::NameShortened:
        return tr("Name too long");
    }
    return QString();
}

QString FileProblem::severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return tr("Error");
    case Severity::Warning:
        return tr("Warning");
    case Severity::Note:
        return tr("Note");
    }
    return QString();
}

QString FileProblem::objectText(const Editable *object)
{
    if (!object)
        return tr("Whole file");
    if (object->typeCode() == ChannelType) {
        const auto *channel = static_cast<const Channel *>(object);
        return tr("%1 (SID %2)").arg(channel->name(), QString::number(channel->serviceId()));
    }
    return object->displayText();
}
