#pragma once

#include "model/editable.h"

class Satellite;

// One transponder of a satellite. The satellite is not owned; the store
// deletes a satellite's transponders before the satellite.
class Transponder : public Editable
{
    Q_OBJECT

public:
    Transponder() = default;

    int typeCode() const override { return TransponderType; }
    QString displayText() const override;

    Satellite *satellite() const { return m_satellite; }
    void setSatellite(Satellite *satellite);
    int polarization() const { return m_polarization; }
    void setPolarization(int polarization);
    quint16 transportStreamId() const { return m_transportStreamId; }
    void setTransportStreamId(quint16 transportStreamId);
    quint16 networkId() const { return m_networkId; }
    void setNetworkId(quint16 networkId);
    quint16 originalNetworkId() const { return m_originalNetworkId; }
    void setOriginalNetworkId(quint16 originalNetworkId);
    quint16 frequency() const { return m_frequency; }
    void setFrequency(quint16 frequency);
    quint16 symbolRate() const { return m_symbolRate; }
    void setSymbolRate(quint16 symbolRate);

    // "H" for 0, "V" for every other value.
    static QString polarizationText(int polarization);

private:
    Satellite *m_satellite = nullptr;
    int m_polarization = 0;
    quint16 m_transportStreamId = 65535;
    quint16 m_networkId = 65535;
    quint16 m_originalNetworkId = 65535;
    quint16 m_frequency = 12000;
    quint16 m_symbolRate = 27500;
};
