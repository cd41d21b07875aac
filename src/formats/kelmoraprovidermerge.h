#pragma once

class Settings;

// The receiver knows a provider by its name: providers of one name are one,
// and so are two that the file will give back under one name. Run at the
// end of every load and the start of every save, so that the store never
// holds two such providers after either.
class KelmoraProviderMerge
{
public:
    // Moves the channels of every later provider of a name to the first one
    // and deletes the later ones.
    static void apply(Settings &settings);
};
