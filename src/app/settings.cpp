#include "settings.h"

Settings& settings()
{
    static Settings instance;
    return instance;
}

void resetSettings()
{
    settings() = Settings {};
}
