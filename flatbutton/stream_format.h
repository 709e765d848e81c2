#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace flatbutton {

// The control's own stream format (IPersistStreamInit). A 12-byte header:
//   bytes 0-3   "SLKN"
//   bytes 4-5   format version, little-endian; this is version 1
//   bytes 6-7   flags, little-endian: bit 0 Enabled, bit 1 a picture follows; others 0
//   bytes 8-11  BackColor, an OLE_COLOR, little-endian
// then, when a picture follows, the picture object as OleSaveToStream writes it.
inline constexpr std::size_t kStreamHeaderBytes = 12;
inline constexpr std::uint16_t kStreamFormatVersion = 1;

using StreamHeaderBytes = std::array<std::uint8_t, kStreamHeaderBytes>;

struct StreamHeader {
    std::uint32_t backColor = 0;
    bool enabled = true;
    bool hasPicture = false;

    friend bool operator==(const StreamHeader&, const StreamHeader&) = default;
};

enum class StreamHeaderError {
    None,
    NotThisFormat,  // another signature, or version 0
    NewerVersion,   // written by a later version of the control
    UnknownFlags,
};

struct DecodedStreamHeader {
    StreamHeaderError error = StreamHeaderError::None;
    StreamHeader header;
};

StreamHeaderBytes EncodeStreamHeader(const StreamHeader& header) noexcept;
DecodedStreamHeader DecodeStreamHeader(const StreamHeaderBytes& bytes) noexcept;

}  // namespace flatbutton
