#pragma once

#include "model/satellite.h"
#include "model/transponder.h"

// What makes two transponders of two files the same one: the satellite's
// orbital position (-1 for none), the frequency and the polarization.
inline quint64 tuningKey(int position, quint16 frequency, int polarization)
{
    return (quint64(quint32(position)) << 32) | (quint64(frequency) << 1) | quint64(polarization != 0);
}

inline quint64 tuningKey(const Transponder *transponder)
{
    const Satellite *satellite = transponder->satellite();
    return tuningKey(
        satellite ? satellite->position() : -1, transponder->frequency(), transponder->polarization());
}
