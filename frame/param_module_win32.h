#pragma once

#include <string>

#include "frame/param_store.h"
#include "frame/write_failure_prompt.h"

namespace frame {

// The primary screen's size and twips per pixel as the system reports them now.
ScreenMetrics PrimaryScreenMetrics();

// Where a program's settings live: the file, and the product name of its section line.
struct SettingsLocation {
    std::wstring path;
    std::string productName;
};

// The settings file beside this program's executable, named after the product name in
// the executable's version information.
SettingsLocation ProgramSettingsLocation();

// The program's settings module: one store, filled from the settings file once at
// start-up and written back once at close.
class ParamModule {
  public:
    // The location is found afresh by both LoadParams and SaveParams.
    using LocationSource = SettingsLocation (*)();

    ParamModule(const ParamSchema& schema, WriteFailurePrompt& prompt,
                LocationSource location = &ProgramSettingsLocation);

    // Sets every value to its default, then reads the file. False when it did not open.
    bool LoadParams();
    // Writes the whole file; false when the user gave up after a write failure.
    bool SaveParams();

    ParamStore& store() { return store_; }
    const ParamStore& store() const { return store_; }

  private:
    ParamStore store_;
    WriteFailurePrompt* prompt_;
    LocationSource location_;
};

}  // namespace frame
