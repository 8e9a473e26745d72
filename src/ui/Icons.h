#pragma once
// Icons drawn for the size they are shown at: the nearest larger image of the icon scaled down,
// never a smaller one blown up. The system's own icons come the documented way (a shared system
// icon cannot be loaded as a private copy on Windows).
#include <windows.h>

#include "base/Handles.h"

// The program's icon (the executable's first icon resource) at size x size pixels.
IconHandle ProgramIcon(int size);
// A system icon (IDI_ERROR, IDI_INFORMATION) at size x size pixels.
IconHandle SystemIcon(const wchar_t* id, int size);
