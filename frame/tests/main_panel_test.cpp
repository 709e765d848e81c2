#include "frame/main_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace frame {
namespace {

constexpr MainWindowRoles kRoles = {
    .status = "go",
    .options = "prefs",
    .quit = "exit",
    .close = "x",
    .minimize = "dash",
    .title = "banner",
    .startFace = "faceStart",
    .stopFace = "faceStop",
    .optionsStoppedFace = "facePrefs",
    .optionsRunningFace = "facePrefsGrey",
};

// Both fakes write into one log, so that the order between the work and the faces shows.
using Log = std::vector<std::string>;

class RecordingButtons final : public FlatButtons {
  public:
    explicit RecordingButtons(Log& log) : log_(log) {}
    void SetPictureFrom(std::string_view button, std::string_view picture) override {
        log_.push_back(std::string(button) + " face " + std::string(picture));
    }
    void SetEnabled(std::string_view button, bool enabled) override {
        log_.push_back(std::string(button) + (enabled ? " on" : " off"));
    }
    void LayOut(int) override {}

  private:
    Log& log_;
};

class RecordingWork final : public StatusWork {
  public:
    explicit RecordingWork(Log& log) : log_(log) {}
    void Start() override { log_.push_back("start"); }
    void Stop() override { log_.push_back("stop"); }
    void Close() override { log_.push_back("close"); }
    void ApplySettings() override { log_.push_back("apply"); }

  private:
    Log& log_;
};

TEST(ButtonActionTest, EachRoleAsksForItsAction) {
    const std::pair<std::string_view, MainAction> cases[] = {
        {"go", MainAction::Status}, {"prefs", MainAction::Options}, {"exit", MainAction::Quit},
        {"x", MainAction::Quit},    {"dash", MainAction::Minimize}, {"banner", MainAction::None},
        {"Go", MainAction::None},  // names match exactly
        {"", MainAction::None},
    };
    for (const auto& [button, action] : cases) {
        EXPECT_EQ(ButtonAction(kRoles, button), action) << button;
    }
}

TEST(StatusToggleTest, StartsAndStopsTheWorkAndSwapsTheFaces) {
    Log log;
    RecordingButtons buttons(log);
    RecordingWork work(log);
    StatusToggle toggle(kRoles, buttons, work);
    EXPECT_FALSE(toggle.running());

    toggle.Toggle();
    EXPECT_TRUE(toggle.running());
    EXPECT_EQ(log, (Log{"start", "prefs off", "prefs face facePrefsGrey", "go face faceStop"}));

    log.clear();
    toggle.Toggle();
    EXPECT_FALSE(toggle.running());
    EXPECT_EQ(log, (Log{"stop", "prefs on", "prefs face facePrefs", "go face faceStart"}));

    log.clear();
    toggle.Toggle();
    EXPECT_EQ(log.front(), "start") << "a second start after a stop";
}

}  // namespace
}  // namespace frame
