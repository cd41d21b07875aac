#include "transponder.h"

QString Transponder::displayText() const
{
    return QStringLiteral("%1 %2").arg(m_frequency).arg(polarizationText(m_polarization));
}

QString Transponder::polarizationText(int polarization)
{
    return polarization == 0 ? QStringLiteral("H") : QStringLiteral("V");
}

void Transponder::setSatellite(Satellite *satellite)
{
    m_satellite = satellite;
    announceChange();
}

void Transponder::setPolarization(int polarization)
{
    m_polarization = polarization;
    announceChange();
}

void Transponder::setTransportStreamId(quint16 transportStreamId)
{
    m_transportStreamId = transportStreamId;
    announceChange();
}

void Transponder::setNetworkId(quint16 networkId)
{
    m_networkId = networkId;
    announceChange();
}

void Transponder::setOriginalNetworkId(quint16 originalNetworkId)
{
    m_originalNetworkId = originalNetworkId;
    announceChange();
}

void Transponder::setFrequency(quint16 frequency)
{
    m_frequency = frequency;
    announceChange();
}

void Transponder::setSymbolRate(quint16 symbolRate)
{
    m_symbolRate = symbolRate;
    announceChange();
}
