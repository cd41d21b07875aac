#pragma once

// The largest values the edit dialogs let a user type. A value above them
// can only come from a file written elsewhere.
struct ValueLimits
{
    // Packet identifiers are 13 bits wide in a transport stream.
    static constexpr int pid = 8191;
    static constexpr int frequency = 13000;
    static constexpr int symbolRate = 60000;
    static constexpr int satellitePosition = 9999;
    static constexpr int localOscillator = 20000;
    static constexpr int motorPosition = 60;
};
