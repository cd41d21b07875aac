#include "demosettingsbuilder.h"
#include "formats/kelmoranamecodec.h"
#include "kelmoratestimage.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "randomeditor.h"
#include "store/settings.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(DemoSettingsBuilder::Model)

namespace {

constexpr int NameWidth = 16;

// What a name field of the given width reads back as once the editor wrote
// the text; the codec's own tests check how it cuts.
QString expectedName(const QString &text, int width)
{
    return KelmoraNameCodec::decode(KelmoraNameCodec::encode(text, width)).text;
}

template<typename T> QString positionIn(const QList<T *> &list, const T *object)
{
    return QString::number(object ? int(list.indexOf(const_cast<T *>(object))) : -1);
}

// The store in the terms its file holds it, one line per record. For the
// store that was saved, that is the names cut at the field width, providers
// merged by name, the last satellite kept, groups TV first and without the
// channels only a group held.
QStringList fileView(Settings *s, bool saved, int channelNameWidth)
{
    auto name = [saved](const QString &text, int width = NameWidth) {
        return saved ? expectedName(text, width) : text;
    };
    QStringList lines;
    const QList<Satellite *> satellites = s->satellites();
    for (const Satellite *x : satellites) {
        const bool keepLast = saved ? x == satellites.last() : x->keepLast();
        lines << QStringLiteral("S %1 %2 %3 %4 %5")
                     .arg(name(x->name()), QString::number(x->position()), QString::number(x->diseqc()),
                         QString::number(x->diseqc11()), QString::number(keepLast));
    }
    for (const Transponder *x : s->transponders())
        lines << QStringLiteral("T %1 %2 %3")
                     .arg(positionIn(satellites, x->satellite()), QString::number(x->frequency()),
                         QString::number(x->polarization()));
    for (const Provider *x : s->providers())
        if (!saved || !lines.contains(QStringLiteral("P ") + name(x->name())))
            lines << QStringLiteral("P ") + name(x->name());
    const QList<Channel *> channels = s->channels();
    for (const Channel *x : channels) {
        QList<int> flags = x->flags().values();
        std::sort(flags.begin(), flags.end());
        QStringList texts { QStringLiteral("C"), name(x->name(), channelNameWidth),
            QString::number(x->serviceId()), QString::number(x->isTv()),
            positionIn(s->transponders(), x->transponder()),
            x->provider() ? name(x->provider()->name()) : QStringLiteral("<none>") };
        for (int flag : flags)
            texts << QString::number(flag);
        lines << texts.join(QLatin1Char(' '));
    }
    for (FavoriteGroup *group : s->favoriteGroups()) {
        QStringList texts { QStringLiteral("G"), name(group->name()) };
        QList<Channel *> members = s->channelsOf(group);
        if (saved)
            std::stable_partition(members.begin(), members.end(), [](Channel *c) { return c->isTv(); });
        for (Channel *channel : members)
            if (!saved || channels.contains(channel))
                texts << positionIn(channels, channel);
        lines << texts.join(QLatin1Char(' '));
    }
    return lines;
}

} // namespace

// Random edits of every kind, then save and reload: whatever the editor did,
// the file must hold it.
class TestRandomOperations : public QObject
{
    Q_OBJECT

private slots:
    void reloadedFileHoldsTheEditedStore_data()
    {
        QTest::addColumn<DemoSettingsBuilder::Model>("model");
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : { 1u, 2u, 3u, 4u, 5u }) {
            QTest::addRow("2XX seed %u", seed) << DemoSettingsBuilder::Model::Kelmora2XX << seed;
            QTest::addRow("HD seed %u", seed) << DemoSettingsBuilder::Model::KelmoraHD << seed;
        }
    }

    void reloadedFileHoldsTheEditedStore()
    {
        QFETCH(DemoSettingsBuilder::Model, model);
        QFETCH(quint32, seed);
        const int channelNameWidth = model == DemoSettingsBuilder::Model::Kelmora2XX ? 18 : 16;

        auto settings = loadBytes(DemoSettingsBuilder::demoFile(model));
        QVERIFY(settings);
        RandomEditor editor { settings.get(), QRandomGenerator(seed) };
        // Several rounds on the same store: later saves start from an image that
        // earlier saves wrote, with names remembered from the first load.
        for (int round = 0; round < 6; ++round) {
            for (int i = 0; i < 250; ++i)
                editor.step();
            const QByteArray bytes = saveBytes(settings.get());
            QVERIFY2(!bytes.isEmpty(), qPrintable(settings->errorString()));
            auto reloaded = loadBytes(bytes);
            QVERIFY(reloaded);
            QCOMPARE(fileView(reloaded.get(), false, channelNameWidth),
                fileView(settings.get(), true, channelNameWidth));
            // A reloaded file saves to the very same bytes.
            QCOMPARE(saveBytes(reloaded.get()), bytes);
        }
    }
};

QTEST_GUILESS_MAIN(TestRandomOperations)
#include "tst_randomoperations.moc"
