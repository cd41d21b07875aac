#include "model/transponder.h"

QString Transponder::displayText() const
{
    // Built in one piece: the tree makes thousands of these per file opened.
    return QString::number(m_frequency) + u' ' + polarizationText(m_polarization);
}

QString Transponder::polarizationText(int polarization)
{
    // H and V are the receivers' own abbreviations; a translation may
    // still spell them its own way.
    return polarization == 0 ? tr("H", "horizontal polarization") : tr("V", "vertical polarization");
}

void Transponder::setSatellite(Satellite *satellite)
{
    change(m_satellite, satellite);
}

void Transponder::setPolarization(int polarization)
{
    change(m_polarization, polarization);
}

void Transponder::setTransportStreamId(quint16 transportStreamId)
{
    change(m_transportStreamId, transportStreamId);
}

void Transponder::setNetworkId(quint16 networkId)
{
    change(m_networkId, networkId);
}

void Transponder::setOriginalNetworkId(quint16 originalNetworkId)
{
    change(m_originalNetworkId, originalNetworkId);
}

void Transponder::setFrequency(quint16 frequency)
{
    change(m_frequency, frequency);
}

void Transponder::setSymbolRate(quint16 symbolRate)
{
    change(m_symbolRate, symbolRate);
}
