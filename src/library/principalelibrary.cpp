#include "principale.h"

// The library's commands: built with the logo library and its list.
void Principale::ItmRename_Click() {}
void Principale::ItmDelete_Click() {}
void Principale::ItmExplore_Click() {}
void Principale::ItmLogoManager_Click() {}
void Principale::Timer1_Timer() {}
void Principale::itmRefresh_Click() {}
void Principale::ItmAbout_Click() {}
void Principale::ItmOpenAct_Click(int) {}
void Principale::LeggiDatiDisco() {}
void Principale::AzioneSuImmagine(int) {}
