#include "ui/namedstep.h"

#include "commands/settingshistory.h"
#include "commands/stepdescription.h"
#include "model/channel.h"
#include "model/editable.h"
#include "store/settings.h"

#include <algorithm>
#include <iterator>

namespace {

QString nameOf(const Editable &object)
{
    // A channel's display text is its ids; people know it by its name.
    if (object.typeCode() == ChannelType)
        return static_cast<const Channel &>(object).name();
    return object.displayText();
}

// "Satellite Astra 1KR" for one object, "3 Channels" for several.
QString one(const Editable &object)
{
    const QString word = StepDescription::objects(object.typeCode(), 1);
    const QString name = nameOf(object);
    return name.isEmpty() ? word : word + u' ' + name;
}

QString several(const QList<Editable *> &objects)
{
    if (objects.size() == 1)
        return one(*objects.first());
    const int type = objects.isEmpty() ? ChannelType : objects.first()->typeCode();
    const bool sameType = std::all_of(objects.cbegin(), objects.cend(),
        [type](const Editable *object) { return object->typeCode() == type; });
    const int count = int(objects.size());
    return sameType ? StepDescription::objects(type, count) : NamedStep::tr("%n Objects", nullptr, count);
}

} // namespace

NamedStep::NamedStep(SettingsHistory *history, const QString &name)
    : m_history(history)
    , m_name(name)
{
    Settings *settings = history ? history->settings() : nullptr;
    if (!settings)
        return;
    m_connections = settings->connectEveryChange(history, [this] { nameOnce(); });
}

NamedStep::~NamedStep()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        QObject::disconnect(connection);
}

void NamedStep::nameOnce()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        QObject::disconnect(connection);
    m_connections.clear();
    if (m_history)
        m_history->nameNextStep(m_name);
}

QString NamedStep::creation(const Editable &object)
{
    return tr("Create %1").arg(one(object));
}

QString NamedStep::edit(const Editable &object)
{
    return tr("Edit %1").arg(one(object));
}

QString NamedStep::deletion(const QList<Editable *> &objects)
{
    // The roots and the groups in a selection stay where they are.
    QList<Editable *> deleted;
    std::copy_if(objects.cbegin(), objects.cend(), std::back_inserter(deleted), [](const Editable *object) {
        const int type = object->typeCode();
        return type == ChannelType || type == ProviderType || type == SatelliteType
            || type == TransponderType;
    });
    return deleted.isEmpty() ? QString() : tr("Delete %1").arg(several(deleted));
}

QString NamedStep::removal(const QList<Editable *> &channels, const Editable &group)
{
    return tr("Remove %1 from Group %2").arg(several(channels), nameOf(group));
}

QString NamedStep::drop(const QList<Editable *> &dragged, const Editable &target)
{
    if (target.typeCode() == FavoriteGroupType)
        return tr("Add %1 to Group %2").arg(several(dragged), nameOf(target));
    // Onto its own kind an object changes places in the list.
    if (!dragged.isEmpty() && dragged.first()->typeCode() == target.typeCode())
        return tr("Move %1").arg(several(dragged));
    return tr("Move %1 to %2").arg(several(dragged), one(target));
}

QString NamedStep::copy(const QStringList &channelNames)
{
    if (channelNames.size() == 1 && !channelNames.first().isEmpty())
        return tr("Copy Channel %1").arg(channelNames.first());
    return tr("Copy %1").arg(StepDescription::objects(ChannelType, int(channelNames.size())));
}

QString NamedStep::applyOrder()
{
    return tr("Apply Order");
}
