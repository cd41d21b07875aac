#include "model/channel.h"

QString Channel::displayText() const
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(m_serviceId)
        .arg(m_videoPid)
        .arg(m_audioPid)
        .arg(m_pcrPid)
        .arg(m_name);
}

QString Channel::serviceTypeText(int serviceType)
{
    return serviceType == 0 ? tr("TV") : tr("Radio");
}

void Channel::setServiceId(quint16 serviceId)
{
    change(m_serviceId, serviceId);
}

void Channel::setProvider(Provider *provider)
{
    change(m_provider, provider);
}

void Channel::setTransponder(Transponder *transponder)
{
    change(m_transponder, transponder);
}

void Channel::setVideoPid(quint16 videoPid)
{
    change(m_videoPid, videoPid);
}

void Channel::setAudioPid(quint16 audioPid)
{
    change(m_audioPid, audioPid);
}

void Channel::setPcrPid(quint16 pcrPid)
{
    change(m_pcrPid, pcrPid);
}

void Channel::setPmtPid(quint16 pmtPid)
{
    change(m_pmtPid, pmtPid);
}

void Channel::setServiceType(int serviceType)
{
    change(m_serviceType, serviceType);
}

void Channel::setName(const QString &name)
{
    change(m_name, name);
}

void Channel::setFlags(const QSet<int> &flags)
{
    change(m_flags, flags);
}

void Channel::setFlag(int flag, bool on)
{
    if (on == m_flags.contains(flag))
        return;
    if (on)
        m_flags.insert(flag);
    else
        m_flags.remove(flag);
    announceChange();
}
