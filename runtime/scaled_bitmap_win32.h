#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "runtime/gdi_handles_win32.h"

namespace runtime {

// The name of a bitmap resource drawn for an artwork step (runtime/display_scale.h): NAME at
// 96 dots per inch, NAME_<percent> at the others (SUITE_SCALED_NAME in resource_ids.h).
std::wstring ArtworkResourceName(const wchar_t* name, int artworkDpi);

// The size of a bitmap resource as drawn for 96 dots per inch; none when it is missing.
std::optional<SIZE> BitmapResourceSize(HMODULE module, const wchar_t* name) noexcept;

// A bitmap resource for a window at `dpi`, as a device-independent section: the artwork of
// the step for `dpi`, at `size` or, without one, at the 96-dpi size scaled by ScaleEdge.
// Artwork of another size (between steps, or a module without the step's bitmap) is scaled
// smoothly. Empty when the bitmap is missing.
UniqueBitmap LoadBitmapForDpi(HMODULE module, const wchar_t* name, int dpi,
                              std::optional<SIZE> size = std::nullopt) noexcept;

}  // namespace runtime
