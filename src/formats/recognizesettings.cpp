#include "recognizesettings.h"

#include <QFile>

// Placeholder until the formats land.
Settings *recognizeSettings(QFile *)
{
    return nullptr;
}
