#pragma once

#include <windows.h>

#include "runtime/gdi_handles_win32.h"

namespace runtime {

// The icon resource `id` for a window at `dpi`, `sizeAt96Dpi` pixels square at 96 dots per
// inch and ScaleEdge(sizeAt96Dpi, dpi) at `dpi`: its image of that size, or else its next
// larger image scaled down ("LoadIconWithScaleDown function"), never a smaller one
// stretched up as LoadImage would. Null when the resource is missing.
UniqueIcon LoadIconForDpi(HMODULE module, int id, int sizeAt96Dpi, int dpi) noexcept;

}  // namespace runtime
