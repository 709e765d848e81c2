#include "flatbutton/stream_format.h"

namespace flatbutton {

namespace {

constexpr std::array<std::uint8_t, 4> kSignature = {'S', 'L', 'K', 'N'};
constexpr std::uint16_t kEnabledFlag = 0x0001;
constexpr std::uint16_t kPictureFlag = 0x0002;
constexpr std::uint16_t kKnownFlags = kEnabledFlag | kPictureFlag;

void PutLittleEndian(StreamHeaderBytes& bytes, std::size_t at, std::uint32_t value,
                     std::size_t count) noexcept {
    for (std::size_t i = 0; i < count; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t GetLittleEndian(const StreamHeaderBytes& bytes, std::size_t at,
                              std::size_t count) noexcept {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    }
    return value;
}

}  // namespace

StreamHeaderBytes EncodeStreamHeader(const StreamHeader& header) noexcept {
    StreamHeaderBytes bytes = {};
    for (std::size_t i = 0; i < kSignature.size(); ++i) {
        bytes[i] = kSignature[i];
    }
    PutLittleEndian(bytes, 4, kStreamFormatVersion, 2);
    const std::uint16_t flags = static_cast<std::uint16_t>((header.enabled ? kEnabledFlag : 0) |
                                                           (header.hasPicture ? kPictureFlag : 0));
    PutLittleEndian(bytes, 6, flags, 2);
    PutLittleEndian(bytes, 8, header.backColor, 4);
    return bytes;
}

DecodedStreamHeader DecodeStreamHeader(const StreamHeaderBytes& bytes) noexcept {
    DecodedStreamHeader decoded;
    for (std::size_t i = 0; i < kSignature.size(); ++i) {
        if (bytes[i] != kSignature[i]) {
            decoded.error = StreamHeaderError::NotThisFormat;
            return decoded;
        }
    }
    const std::uint32_t version = GetLittleEndian(bytes, 4, 2);
    if (version == 0) {
        decoded.error = StreamHeaderError::NotThisFormat;
        return decoded;
    }
    if (version > kStreamFormatVersion) {
        decoded.error = StreamHeaderError::NewerVersion;
        return decoded;
    }
    const std::uint32_t flags = GetLittleEndian(bytes, 6, 2);
    if ((flags & ~static_cast<std::uint32_t>(kKnownFlags)) != 0) {
        decoded.error = StreamHeaderError::UnknownFlags;
        return decoded;
    }
    decoded.header.enabled = (flags & kEnabledFlag) != 0;
    decoded.header.hasPicture = (flags & kPictureFlag) != 0;
    decoded.header.backColor = GetLittleEndian(bytes, 8, 4);
    return decoded;
}

}  // namespace flatbutton
