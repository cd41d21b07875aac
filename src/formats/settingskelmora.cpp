#include "formats/settingskelmora.h"

#include "formats/kelmoraloader.h"
#include "formats/kelmoranames.h"
#include "formats/kelmoraprovidermerge.h"
#include "model/favoritegroup.h"
#include "model/satellite.h"
#include "store/capacitycheck.h"

#include <QFileDevice>

SettingsKelmora::SettingsKelmora(const KelmoraLayout &modelLayout)
    : m_modelLayout(modelLayout)
    , m_records(flatImage(), modelLayout)
    , m_writer(modelLayout)
{
    setRules(modelLayout.rules());
}

bool SettingsKelmora::load(QFileDevice *file)
{
    return loadImage(file ? file->readAll() : QByteArray());
}

bool SettingsKelmora::loadImage(const QByteArray &bytes)
{
    if (m_loaded) {
        setErrorString(tr("These settings have already been loaded."));
        return false;
    }
    setImage(bytes);
    if (image().size() != m_modelLayout.fileSize) {
        // A short read must not decode tables that are only partly there.
        setErrorString(tr("The file gave %1 bytes; a %2 settings file has exactly %3.")
                           .arg(image().size())
                           .arg(QLatin1String(m_modelLayout.modelName))
                           .arg(m_modelLayout.fileSize));
        return false;
    }
    m_loaded = true;
    KelmoraLoader::load(*this, flatImage(), m_modelLayout, m_records);
    KelmoraProviderMerge::apply(*this);
    discardPendingUpdates();
    setErrorString(QString());
    return true;
}

qint64 SettingsKelmora::save(QFileDevice *file)
{
    if (!m_loaded) {
        setErrorString(tr("No settings file has been loaded, so there is nothing to save into."));
        return -1;
    }
    moveKeepLastSatelliteToEnd();
    KelmoraProviderMerge::apply(*this);
    const QString problem = capacityProblem();
    if (!problem.isEmpty()) {
        setErrorString(problem);
        return -1;
    }
    m_writer.write(*this, flatImage(), m_records);
    return writeImage(file);
}

QString SettingsKelmora::capacityProblem() const
{
    const QString model = QLatin1String(m_modelLayout.modelName);
    for (const CapacityCheck::Use &use : CapacityCheck::uses(*this)) {
        if (!use.over())
            continue;
        if (use.kind == CapacityCheck::Kind::GroupChannels)
            return tr("The favorite group \"%1\" holds %2 channels; a %3 file has room for %4 per group.")
                .arg(use.group->name())
                .arg(use.count)
                .arg(model)
                .arg(use.limit);
        return tr("The settings hold %1 %2; a %3 file has room for %4.")
            .arg(use.count)
            .arg(CapacityCheck::nameOf(use.kind), model)
            .arg(use.limit);
    }
    return QString();
}

void SettingsKelmora::moveKeepLastSatelliteToEnd()
{
    const QList<Satellite *> satelliteList = satellites();
    for (int i = 0; i < satelliteList.size(); ++i) {
        if (!satelliteList.at(i)->keepLast())
            continue;
        if (i != satelliteList.size() - 1)
            moveSatellite(i, int(satelliteList.size()) - 1);
        return;
    }
}

StoredName SettingsKelmora::storedName(const Editable *owner, const QString &name) const
{
    return KelmoraNames::stored(owner, name, m_records.nameWidthOf(owner));
}
