#include "principale.h"

#include "app/attempt.h"
#include "app/settingsstore.h"

// Installing sets into the system, the current-setting view and the exit sequence.
void Principale::ItmSetDefault_Click() {}
void Principale::ItmRandomSpin_Click() {}
void Principale::ItmViewDefOrActual_Click() {}

void Principale::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    attempt([&] { SaveSettings(*this); });
}
