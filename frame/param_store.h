#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/param_schema.h"
#include "frame/param_value.h"
#include "frame/screen_metrics.h"

namespace frame {

// A program's settings in memory, one typed value per key of its schema. Key names are
// matched exactly, letter case included.
class ParamStore {
  public:
    // Every value starts at zero (false) until ResetToDefaults runs.
    explicit ParamStore(const ParamSchema& schema);

    const ParamSchema& schema() const { return *schema_; }

    // Sets every value to its built-in default; the click rectangle covers the screen.
    void ResetToDefaults(const ScreenMetrics& screen);

    // An integer, a boolean or text for a known key, empty for any other. The index addresses
    // the entries of a list key and is ignored for the others. Throws ParamError
    // (subscript out of range) for an index outside a list key's slots.
    ParamValue GetParam(std::string_view key, int index = 0) const;

    // Converts the value to the key's type and stores it; an unknown key changes nothing.
    // A text key takes text that its rule reads, as the rule writes it. Throws ParamError
    // for a bad list index or a value that does not convert, and then leaves the value
    // unchanged.
    void SetParam(std::string_view key, int index, const ParamValue& value);
    void SetParam(std::string_view key, const ParamValue& value) { SetParam(key, 0, value); }

    // Raw entries, for the settings file codec.
    std::int32_t Slot(const ParamKey& key, int index = 0) const;
    void SetSlot(const ParamKey& key, int index, std::int32_t value);
    // A text key's bytes, as read or set.
    const std::string& Text(const ParamKey& key) const;
    void SetText(const ParamKey& key, std::string text);

    friend bool operator==(const ParamStore& a, const ParamStore& b) {
        return a.schema_ == b.schema_ && a.slots_ == b.slots_ && a.texts_ == b.texts_;
    }

  private:
    std::vector<std::int32_t>& SlotsOf(const ParamKey& key);
    const std::vector<std::int32_t>& SlotsOf(const ParamKey& key) const;

    const ParamSchema* schema_;
    std::vector<std::vector<std::int32_t>> slots_;  // parallel to the schema's keys
    std::vector<std::string> texts_;                // parallel too; used by text keys
};

}  // namespace frame
