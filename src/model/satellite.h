#pragma once

#include "model/editable.h"

// A satellite entry: orbital position, name and the antenna path set-up
// (LNB, 22 kHz tone, DiSEqC). Codes are held as they are, unchecked.
class Satellite : public Editable
{
    Q_OBJECT

public:
    Satellite() = default;

    int typeCode() const override { return SatelliteType; }
    QString displayText() const override { return m_name; }

    quint16 position() const { return m_position; }
    void setPosition(quint16 position);
    QString name() const { return m_name; }
    void setName(const QString &name);
    quint16 lowLof() const { return m_lowLof; }
    void setLowLof(quint16 lowLof);
    quint16 highLof() const { return m_highLof; }
    void setHighLof(quint16 highLof);
    int diseqc() const { return m_diseqc; }
    void setDiseqc(int diseqc);
    int tone() const { return m_tone; }
    void setTone(int tone);
    bool diseqc12() const { return m_diseqc12; }
    void setDiseqc12(bool diseqc12);
    quint8 diseqc12Position() const { return m_diseqc12Position; }
    void setDiseqc12Position(quint8 diseqc12Position);
    int diseqc11() const { return m_diseqc11; }
    void setDiseqc11(int diseqc11);

    // Format-internal mark; stored silently because no view shows it.
    bool keepLast() const { return m_keepLast; }
    void setKeepLast(bool keepLast) { m_keepLast = keepLast; }

private:
    quint16 m_position = 9999;
    QString m_name;
    quint16 m_lowLof = 9750;
    quint16 m_highLof = 10600;
    int m_diseqc = 0;
    int m_tone = 0;
    bool m_diseqc12 = false;
    quint8 m_diseqc12Position = 0;
    int m_diseqc11 = 0;
    bool m_keepLast = false;
};
