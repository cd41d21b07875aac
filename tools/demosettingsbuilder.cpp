#include "demosettingsbuilder.h"

#include "formats/recognizesettings.h"
#include "formats/settingskelmora2xx.h"
#include "formats/settingskelmorahd.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <QTemporaryFile>

#include <algorithm>
#include <cmath>

namespace {

const KelmoraLayout &layoutOf(DemoSettingsBuilder::Model model)
{
    return model == DemoSettingsBuilder::Model::Kelmora2XX ? SettingsKelmora2XX::modelValues
                                                           : SettingsKelmoraHD::modelValues;
}

// Keeps the store quiet while a batch of objects goes in.
class QuietBatch
{
public:
    explicit QuietBatch(Settings *settings)
        : m_settings(settings)
        , m_wasSuspended(settings->setUpdatesSuspended(true))
    { }
    ~QuietBatch()
    {
        m_settings->setUpdatesSuspended(m_wasSuspended);
        m_settings->emitPendingUpdates();
    }
    QuietBatch(const QuietBatch &) = delete;
    QuietBatch &operator=(const QuietBatch &) = delete;

private:
    Settings *m_settings;
    bool m_wasSuspended;
};

struct DemoSatellite
{
    const char *name;
    quint16 position;
    int diseqc;
    int diseqc11;
};

struct DemoChannel
{
    const char *name;
    int satellite;
    int transponder; // of that satellite
    int provider;
    bool radio;
    quint16 serviceId;
};

const DemoSatellite demoSatellites[] = {
    { "Astra 1KR", 192, 1, 0 },
    { "Hot Bird 13", 130, 2, 0 },
    { "Eutelsat 36B", 360, 3, 0 },
    { "Hellas Sat 3", 390, 4, 0 },
    { "Türksat 4A", 420, 0, 0x05 },
};

// Frequencies in MHz, symbol rates in kS/s, per satellite.
const quint16 demoFrequencies[][3] = {
    { 11494, 11836, 12109 },
    { 10992, 11766, 12597 },
    { 11785, 12226, 12303 },
    { 12524, 12565, 12607 },
    { 11794, 12130, 12188 },
};
const quint16 demoSymbolRates[] = { 22000, 27500, 29900 };

const char *const demoProviders[] = { "ARD", "ZDF", "RAI", "НТВ Плюс", "ΕΡΤ", "Digiturk", "BR" };

// Every name fits its field whole (a Cyrillic or Greek letter takes two bytes).
const DemoChannel demoChannels[] = {
    { "Das Erste HD", 0, 0, 0, false, 10301 },
    { "ZDF HD", 0, 1, 1, false, 11110 },
    { "3sat HD", 0, 1, 1, false, 11150 },
    { "BR Fernsehen Süd", 0, 2, 6, false, 28107 },
    { "Bayern 3", 0, 2, 6, true, 28401 },
    { "Deutschlandfunk", 0, 0, 0, true, 28012 },
    { "Rai 1", 1, 0, 2, false, 3401 },
    { "Rai 2", 1, 0, 2, false, 3402 },
    { "Rai Radio 3", 1, 1, 2, true, 3403 },
    { "Первый", 2, 0, 3, false, 1001 },
    { "Россия 1", 2, 0, 3, false, 1002 },
    { "Муз-ТВ", 2, 1, 3, false, 1020 },
    { "Радио 7", 2, 2, 3, true, 1101 },
    { "ΕΡΤ1", 3, 0, 4, false, 501 },
    { "ΕΡΤ2", 3, 0, 4, false, 502 },
    { "ΕΡΤ News", 3, 1, 4, false, 503 },
    { "Δεύτερο", 3, 2, 4, true, 601 },
    { "TRT 1 HD", 4, 0, 5, false, 17001 },
    { "TRT Çocuk", 4, 1, 5, false, 17004 },
    { "TRT FM", 4, 2, 5, true, 17101 },
};

struct DemoGroup
{
    const char *name;
    QList<int> channels;
};

const DemoGroup demoGroups[] = {
    { "News", { 0, 1, 15, 10 } },
    { "Sport", { 14, 18 } },
    { "Music", { 4, 8, 11, 19 } },
    { "Kids", { 2, 18 } },
    { "Новости", { 9, 10, 12 } },
    { "Ελλάδα", { 13, 14, 15, 16 } },
    { "Radio", { 4, 5, 8, 12, 16, 19 } },
    { "Italia", { 6, 7, 8 } },
    { "Favourites", { 0, 6, 9, 13, 17 } },
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The store's nine groups come from the blank image; a store without them
// gets new ones.
FavoriteGroup *groupAt(Settings *settings, int index)
{
    while (settings->favoriteGroups().size() <= index)
        settings->addFavoriteGroup(new FavoriteGroup);
    return settings->favoriteGroups().at(index);
}

int scaled(int capacity, double fraction, int ifUnlimited)
{
    const int room = capacity == SettingsCapacity::Unlimited ? ifUnlimited : capacity;
    return std::clamp(int(std::lround(room * fraction)), 0, room);
}

} // namespace

QByteArray DemoSettingsBuilder::blankImage(Model model)
{
    QByteArray image(layoutOf(model).fileSize, '\0');
    image.replace(0, settingsMagic().size(), settingsMagic());
    return image;
}

std::unique_ptr<Settings> DemoSettingsBuilder::createBlank(Model model)
{
    QTemporaryFile file;
    const QByteArray image = blankImage(model);
    if (!file.open() || file.write(image) != image.size() || !file.seek(0))
        return nullptr;
    return std::unique_ptr<Settings>(recognizeSettings(&file));
}

void DemoSettingsBuilder::fillDemo(Settings *settings)
{
    QuietBatch batch(settings);
    QList<Satellite *> satellites;
    QList<QList<Transponder *>> transponders;
    for (int s = 0; s < int(std::size(demoSatellites)); ++s) {
        const DemoSatellite &demo = demoSatellites[s];
        auto *satellite = new Satellite;
        satellite->setName(text(demo.name));
        satellite->setPosition(demo.position);
        satellite->setLowLof(9750);
        satellite->setHighLof(10600);
        satellite->setDiseqc(demo.diseqc);
        satellite->setDiseqc11(demo.diseqc11);
        settings->addSatellite(satellite);
        satellites.append(satellite);
        transponders.append(QList<Transponder *>());
        for (int t = 0; t < 3; ++t) {
            auto *transponder = new Transponder;
            transponder->setSatellite(satellite);
            transponder->setFrequency(demoFrequencies[s][t]);
            transponder->setSymbolRate(demoSymbolRates[t]);
            transponder->setPolarization(t % 2);
            transponder->setTransportStreamId(quint16(1000 + 10 * s + t));
            transponder->setOriginalNetworkId(quint16(1 + s));
            transponder->setNetworkId(quint16(1 + s));
            settings->addTransponder(transponder);
            transponders.last().append(transponder);
        }
    }
    QList<Provider *> providers;
    for (const char *name : demoProviders) {
        auto *provider = new Provider;
        provider->setName(text(name));
        settings->addProvider(provider);
        providers.append(provider);
    }
    QList<Channel *> channels;
    for (const DemoChannel &demo : demoChannels) {
        auto *channel = new Channel;
        channel->setName(text(demo.name));
        channel->setServiceId(demo.serviceId);
        channel->setTransponder(transponders.at(demo.satellite).at(demo.transponder));
        channel->setProvider(providers.at(demo.provider));
        channel->setServiceType(demo.radio ? 1 : 0);
        channel->setVideoPid(demo.radio ? Channel::NoPid : quint16(101 + channels.size()));
        channel->setAudioPid(quint16(201 + channels.size()));
        channel->setPcrPid(demo.radio ? quint16(201 + channels.size()) : quint16(101 + channels.size()));
        channel->setPmtPid(quint16(1001 + channels.size()));
        channel->setFlag(demo.radio ? 2 : 1, true);
        settings->addChannel(nullptr, channel);
        channels.append(channel);
    }
    for (int g = 0; g < int(std::size(demoGroups)); ++g) {
        FavoriteGroup *group = groupAt(settings, g);
        group->setName(text(demoGroups[g].name));
        for (int index : demoGroups[g].channels)
            settings->addChannel(group, channels.at(index));
    }
}

void DemoSettingsBuilder::fillToFraction(Settings *settings, double fraction)
{
    QuietBatch batch(settings);
    const SettingsCapacity room = settings->capacity();
    const int satelliteCount = std::max(1, scaled(room.satellites, fraction, 200));
    const int transponderCount = std::max(1, scaled(room.transponders, fraction, 3000));
    const int providerCount = std::max(1, scaled(room.providers, fraction, 400));
    const int channelCount = scaled(room.channels, fraction, 10000);
    const int groupCount = room.favoriteGroups == SettingsCapacity::Unlimited ? 9 : room.favoriteGroups;
    const int perGroup = std::min(scaled(room.channelsPerGroup, fraction, 400), channelCount);

    QList<Satellite *> satellites;
    for (int i = 0; i < satelliteCount; ++i) {
        auto *satellite = new Satellite;
        satellite->setName(QStringLiteral("Satellite %1").arg(i + 1));
        satellite->setPosition(quint16((i * 17) % 3600));
        satellite->setDiseqc(i % 7);
        settings->addSatellite(satellite);
        satellites.append(satellite);
    }
    QList<Transponder *> transponders;
    for (int i = 0; i < transponderCount; ++i) {
        auto *transponder = new Transponder;
        transponder->setSatellite(satellites.at(i % satelliteCount));
        transponder->setFrequency(quint16(10700 + (i * 7) % 2050));
        transponder->setPolarization(i % 2);
        transponder->setTransportStreamId(quint16(i));
        settings->addTransponder(transponder);
        transponders.append(transponder);
    }
    QList<Provider *> providers;
    for (int i = 0; i < providerCount; ++i) {
        auto *provider = new Provider;
        provider->setName(QStringLiteral("Provider %1").arg(i + 1));
        settings->addProvider(provider);
        providers.append(provider);
    }
    QList<Channel *> channels;
    // Every fifth name is Cyrillic, so that both name encodings are exercised;
    // short enough that "10000" still fits the 16 bytes of an HD name.
    const QString cyrillic = QString::fromUtf8("Канал%1");
    for (int i = 0; i < channelCount; ++i) {
        auto *channel = new Channel;
        channel->setName(i % 5 == 4 ? cyrillic.arg(i + 1) : QStringLiteral("Channel %1").arg(i + 1));
        channel->setServiceId(quint16(i + 1));
        channel->setTransponder(transponders.at(i % transponderCount));
        channel->setProvider(providers.at(i % providerCount));
        // TV first, as the list keeps them: appending out of order moves every channel.
        channel->setServiceType(i < channelCount - channelCount / 4 ? 0 : 1);
        channel->setFlag(1 << (i % 6), true);
        settings->addChannel(nullptr, channel);
        channels.append(channel);
    }
    for (int g = 0; g < groupCount; ++g) {
        FavoriteGroup *group = groupAt(settings, g);
        group->setName(QStringLiteral("Group %1").arg(g + 1));
        for (int i = 0; i < perGroup; ++i)
            settings->addChannel(group, channels.at((g * perGroup + i) % channelCount));
    }
}

QByteArray DemoSettingsBuilder::saveToBytes(Settings *settings, QString *error)
{
    QTemporaryFile file;
    QString problem;
    if (!file.open())
        problem = file.errorString();
    else if (settings->save(&file) < 0)
        problem = settings->errorString();
    else if (!file.seek(0))
        problem = file.errorString();
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return QByteArray();
    }
    return file.readAll();
}

namespace {

// A blank image of the model, filled by `fill` and saved.
template<typename Fill> QByteArray buildFile(DemoSettingsBuilder::Model model, QString *error, Fill fill)
{
    std::unique_ptr<Settings> settings = DemoSettingsBuilder::createBlank(model);
    if (!settings) {
        if (error)
            *error = QStringLiteral("A blank settings image did not load.");
        return QByteArray();
    }
    fill(settings.get());
    return DemoSettingsBuilder::saveToBytes(settings.get(), error);
}

} // namespace

QByteArray DemoSettingsBuilder::demoFile(Model model, QString *error)
{
    return buildFile(model, error, [](Settings *settings) { fillDemo(settings); });
}

QByteArray DemoSettingsBuilder::filledFile(Model model, double fraction, QString *error)
{
    return buildFile(model, error, [fraction](Settings *settings) { fillToFraction(settings, fraction); });
}
