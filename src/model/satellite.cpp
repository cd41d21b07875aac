#include "model/satellite.h"

void Satellite::setPosition(quint16 position)
{
    change(m_position, position);
}

void Satellite::setName(const QString &name)
{
    change(m_name, name);
}

void Satellite::setLowLof(quint16 lowLof)
{
    change(m_lowLof, lowLof);
}

void Satellite::setHighLof(quint16 highLof)
{
    change(m_highLof, highLof);
}

void Satellite::setDiseqc(int diseqc)
{
    change(m_diseqc, diseqc);
}

void Satellite::setTone(int tone)
{
    change(m_tone, tone);
}

void Satellite::setDiseqc12(bool diseqc12)
{
    change(m_diseqc12, diseqc12);
}

void Satellite::setDiseqc12Position(quint8 diseqc12Position)
{
    change(m_diseqc12Position, diseqc12Position);
}

void Satellite::setDiseqc11(int diseqc11)
{
    change(m_diseqc11, diseqc11);
}
