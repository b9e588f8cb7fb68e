#include "principale.h"

// The preferences and the online check.
void Principale::ItmPref_Click() {}
void Principale::ItmOnline_Click() {}
