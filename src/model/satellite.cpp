#include "satellite.h"

void Satellite::setPosition(quint16 position)
{
    m_position = position;
    announceChange();
}

void Satellite::setName(const QString &name)
{
    m_name = name;
    announceChange();
}

void Satellite::setLowLof(quint16 lowLof)
{
    m_lowLof = lowLof;
    announceChange();
}

void Satellite::setHighLof(quint16 highLof)
{
    m_highLof = highLof;
    announceChange();
}

void Satellite::setDiseqc(int diseqc)
{
    m_diseqc = diseqc;
    announceChange();
}

void Satellite::setTone(int tone)
{
    m_tone = tone;
    announceChange();
}

void Satellite::setDiseqc12(bool diseqc12)
{
    m_diseqc12 = diseqc12;
    announceChange();
}

void Satellite::setDiseqc12Position(quint8 diseqc12Position)
{
    m_diseqc12Position = diseqc12Position;
    announceChange();
}

void Satellite::setDiseqc11(int diseqc11)
{
    m_diseqc11 = diseqc11;
    announceChange();
}
