#pragma once

// What a host of the SleekonControl class needs: CLSID_SleekonControl, LIBID_Sleekon,
// IID__SleekonControl, DIID___SleekonControl and the interface declarations (from the
// type library's generated header, target sleekon_ids), the ProgID and the rest of the
// identity, and the dispatch identifiers.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "Sleekon_h.h"
#include "flatbutton/identity.h"
#include "flatbutton/sleekon_dispids.h"
