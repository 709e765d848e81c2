#pragma once

namespace clicker {

// A capture carries the system palette only from a 256-entry palette device.
inline bool CaptureNeedsPalette(int rasterCaps, int paletteSize) {
    constexpr int kPaletteDeviceBit = 0x100;  // RC_PALETTE
    return (rasterCaps & kPaletteDeviceBit) != 0 && paletteSize == 256;
}

}  // namespace clicker
