// The process-wide companion factories behind install_companions and
// reset_companions, as each thread's start-up reads them.
#pragma once

#include "promocionesQEX/Companions.h"

namespace promocionesQEX {

// A copy of the installed factories, the data-access session and common
// services filled with the database-backed defaults where the host left
// them empty. The two outside components stay empty when none is installed.
CompanionFactories current_companion_factories();

}  // namespace promocionesQEX
