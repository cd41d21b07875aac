#include "channel.h"

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
    return serviceType == 0 ? QStringLiteral("TV") : QStringLiteral("Radio");
}

void Channel::setServiceId(quint16 serviceId)
{
    m_serviceId = serviceId;
    announceChange();
}

void Channel::setProvider(Provider *provider)
{
    m_provider = provider;
    announceChange();
}

void Channel::setTransponder(Transponder *transponder)
{
    m_transponder = transponder;
    announceChange();
}

void Channel::setVideoPid(quint16 videoPid)
{
    m_videoPid = videoPid;
    announceChange();
}

void Channel::setAudioPid(quint16 audioPid)
{
    m_audioPid = audioPid;
    announceChange();
}

void Channel::setPcrPid(quint16 pcrPid)
{
    m_pcrPid = pcrPid;
    announceChange();
}

void Channel::setPmtPid(quint16 pmtPid)
{
    m_pmtPid = pmtPid;
    announceChange();
}

void Channel::setServiceType(int serviceType)
{
    m_serviceType = serviceType;
    announceChange();
}

void Channel::setName(const QString &name)
{
    m_name = name;
    announceChange();
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
