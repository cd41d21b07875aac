#include "fuzzedits.h"

#include "fuzzinput.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"

namespace {

template<typename T> T *pick(const QList<T *> &objects, FuzzInput &input)
{
    const uint8_t index = input.byte();
    return objects.isEmpty() ? nullptr : objects.at(index % objects.size());
}

void editSatellite(Satellite *satellite, FuzzInput &input)
{
    const uint8_t field = input.byte();
    const uint16_t value = input.word();
    switch (field % 8) {
    case 0:
        satellite->setPosition(value);
        break;
    case 1:
        satellite->setLowLof(value);
        break;
    case 2:
        satellite->setHighLof(value);
        break;
    case 3:
        satellite->setDiseqc(int16_t(value));
        break;
    case 4:
        satellite->setTone(int16_t(value));
        break;
    case 5:
        satellite->setDiseqc12(value & 1);
        break;
    case 6:
        satellite->setDiseqc12Position(quint8(value));
        break;
    default:
        satellite->setDiseqc11(int16_t(value));
        break;
    }
}

void editTransponder(Transponder *transponder, Settings &settings, FuzzInput &input)
{
    const uint8_t field = input.byte();
    const uint16_t value = input.word();
    switch (field % 7) {
    case 0:
        transponder->setPolarization(int16_t(value));
        break;
    case 1:
        transponder->setTransportStreamId(value);
        break;
    case 2:
        transponder->setNetworkId(value);
        break;
    case 3:
        transponder->setOriginalNetworkId(value);
        break;
    case 4:
        transponder->setFrequency(value);
        break;
    case 5:
        transponder->setSymbolRate(value);
        break;
    default: {
        const QList<Satellite *> satellites = settings.satellites();
        if (!satellites.isEmpty())
            transponder->setSatellite(satellites.at(value % satellites.size()));
    }
    }
}

void editChannel(Channel *channel, Settings &settings, FuzzInput &input)
{
    const uint8_t field = input.byte();
    const uint16_t value = input.word();
    switch (field % 9) {
    case 0:
        channel->setServiceId(value);
        break;
    case 1:
        channel->setVideoPid(value);
        break;
    case 2:
        channel->setAudioPid(value);
        break;
    case 3:
        channel->setPcrPid(value);
        break;
    case 4:
        channel->setPmtPid(value);
        break;
    case 5:
        channel->setServiceType(int16_t(value));
        break;
    case 6:
        channel->setFlag(value & 0xFF, value & 0x100);
        break;
    case 7: {
        const QList<Provider *> providers = settings.providers();
        channel->setProvider(
            providers.isEmpty() || (value & 1) ? nullptr : providers.at(value % providers.size()));
        break;
    }
    default: {
        const QList<Transponder *> transponders = settings.transponders();
        if (!transponders.isEmpty())
            channel->setTransponder(transponders.at(value % transponders.size()));
    }
    }
}

} // namespace

void applyFuzzEdits(Settings &settings, FuzzInput &input, const std::function<void()> &afterEach)
{
    while (!input.atEnd()) {
        switch (input.byte() % 9) {
        case 0:
            if (Satellite *satellite = pick(settings.satellites(), input))
                satellite->setName(input.text());
            break;
        case 1:
            if (Provider *provider = pick(settings.providers(), input))
                provider->setName(input.text());
            break;
        case 2:
            if (Channel *channel = pick(settings.channels(), input))
                channel->setName(input.text());
            break;
        case 3:
            if (FavoriteGroup *group = pick(settings.favoriteGroups(), input))
                group->setName(input.text());
            break;
        case 4:
            if (Satellite *satellite = pick(settings.satellites(), input))
                editSatellite(satellite, input);
            break;
        case 5:
            if (Transponder *transponder = pick(settings.transponders(), input))
                editTransponder(transponder, settings, input);
            break;
        case 6:
            if (Channel *channel = pick(settings.channels(), input))
                editChannel(channel, settings, input);
            break;
        case 7:
            // Deleting a provider exercises the cascade and leaves slots
            // that the save must clear.
            if (Provider *provider = pick(settings.providers(), input))
                settings.removeProviders({ provider });
            break;
        default:
            if (Transponder *transponder = pick(settings.transponders(), input))
                settings.removeTransponders({ transponder });
        }
        if (afterEach)
            afterEach();
    }
}
