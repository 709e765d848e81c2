#pragma once

#include <cstdint>

// The dispatch identifiers of the SleekonControl class, fixed in its type library: the
// programs bind to the properties late, by these numbers, and receive its events by them.
namespace flatbutton {

// Properties of the _SleekonControl interface.
inline constexpr std::int32_t kDispidPicture = 0x68030000;
inline constexpr std::int32_t kDispidEnabled = 0x68030001;
inline constexpr std::int32_t kDispidBackColor = 0x68030002;

// Events of the __SleekonControl source dispinterface. The mouse events take Button,
// Shift, x and y by reference (VT_I2, VT_I2, VT_R4, VT_R4), in that order.
inline constexpr std::int32_t kDispidClick = 1;
inline constexpr std::int32_t kDispidDblClick = 2;
inline constexpr std::int32_t kDispidMouseDown = 3;
inline constexpr std::int32_t kDispidMouseMove = 4;
inline constexpr std::int32_t kDispidMouseUp = 5;

}  // namespace flatbutton
