// Feeds arbitrary bytes to the settings file reader of both programs. Besides surviving
// them, whatever store the reader makes must survive a write and a read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fendle/fendle_schema.h"
#include "frame/ini_codec.h"
#include "tapnor/tapnor_schema.h"

namespace {

void Check(const frame::ParamSchema& schema, std::string_view content) {
    const auto screen = frame::ScreenMetrics::FromPixels(1024, 768, 96, 96);
    frame::ParamStore store(schema);
    store.ResetToDefaults(screen);
    frame::ReadParams(content, store);

    frame::ParamStore readBack(schema);
    readBack.ResetToDefaults(screen);
    frame::ReadParams(frame::WriteParams(store, "Fuzz"), readBack);
    if (!(readBack == store)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    Check(tapnor::Schema(), content);
    Check(fendle::Schema(), content);
    return 0;
}
