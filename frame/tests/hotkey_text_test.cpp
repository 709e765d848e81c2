#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "frame/hotkey_setting.h"
#include "frame/hotkey_text.h"
#include "frame/ini_codec.h"

namespace frame {
namespace {

struct TextCase {
    const char* text;
    std::optional<std::string> written;  // nothing: the text cannot be read
    unsigned modifiers = 0;
};

class HotkeyTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(HotkeyTextTest, ReadsAsItsWrittenForm) {
    const TextCase& example = GetParam();
    EXPECT_EQ(CanonicalHotkeyText(example.text), example.written);
    if (const std::optional<Hotkey> hotkey = ReadHotkey(example.text)) {
        EXPECT_EQ(hotkey->modifiers, example.modifiers);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HotkeyTextTest,
    ::testing::Values(
        TextCase{"Ctrl+Alt+S", "Ctrl+Alt+S", kHotkeyCtrl | kHotkeyAlt},
        TextCase{"ctrl+ALT+s", "Ctrl+Alt+S", kHotkeyCtrl | kHotkeyAlt},
        TextCase{" Shift + ctrl + f9 ", "Ctrl+Shift+F9", kHotkeyCtrl | kHotkeyShift},
        TextCase{"win+alt+shift+ctrl+pagedown", "Ctrl+Alt+Shift+Win+PageDown",
                 kHotkeyCtrl | kHotkeyAlt | kHotkeyShift | kHotkeyWin},
        TextCase{"Ctrl+7", "Ctrl+7", kHotkeyCtrl}, TextCase{"Alt+F24", "Alt+F24", kHotkeyAlt},
        TextCase{"Shift+NUM0", "Shift+Num0", kHotkeyShift},
        TextCase{"Win+Pause", "Win+Pause", kHotkeyWin}, TextCase{"Insert", "Insert", 0},
        TextCase{"", "", 0}, TextCase{"   ", "", 0},  // off
        TextCase{"Ctrl+Ctrl+S", std::nullopt}, TextCase{"Ctrl+Alt", std::nullopt},
        TextCase{"Ctrl+", std::nullopt}, TextCase{"+S", std::nullopt},
        TextCase{"Ctrl++S", std::nullopt}, TextCase{"Ctrl+S+T", std::nullopt},
        TextCase{"Hyper+S", std::nullopt}, TextCase{"Ctrl+SS", std::nullopt},
        TextCase{"Ctrl+F25", std::nullopt}, TextCase{"Ctrl+F0", std::nullopt},
        TextCase{"Ctrl+F09", std::nullopt}, TextCase{"Ctrl+Num10", std::nullopt},
        TextCase{"Ctrl-Alt-S", std::nullopt}, TextCase{"Ctrl+Alt+S\n", std::nullopt}));

TEST(HotkeyTextTest, KeysAreTheirVirtualKeyCodes) {
    EXPECT_EQ(ReadHotkey("Ctrl+Alt+S"), (Hotkey{kHotkeyCtrl | kHotkeyAlt, 'S'}));
    EXPECT_EQ(ReadHotkey("Shift+0"), (Hotkey{kHotkeyShift, '0'}));
    EXPECT_EQ(ReadHotkey("F9")->key, ReadHotkey("F1")->key + 8);
    EXPECT_EQ(ReadHotkey("Num9")->key, ReadHotkey("Num0")->key + 9);
    EXPECT_TRUE(ReadHotkey("")->IsOff());
}

// Every key that has a name reads back from it, so no two keys share one; the README's
// names are among them.
TEST(HotkeyTextTest, EveryNamedKeyReadsBackFromItsName) {
    std::set<std::string> names;
    for (int key = 1; key < 256; ++key) {
        if (const std::optional<std::string> name = WriteHotkey({0, key})) {
            EXPECT_EQ(ReadHotkey(*name), (Hotkey{0, key})) << *name;
            names.insert(*name);
        }
    }
    for (const char* documented : {"A", "Z", "0", "9", "F1", "F24", "Pause", "Insert", "Home",
                                   "End", "PageUp", "PageDown"}) {
        EXPECT_EQ(names.count(documented), 1u) << documented;
    }
}

// A store with one hotkey key, as the programs have it.
constexpr ParamKey kKeys[] = {{.name = "HotKey",
                               .type = ParamType::Text,
                               .written = WhenWritten::UnlessDefault,
                               .defaultText = "Ctrl+Alt+S",
                               .textRule = &CanonicalHotkeyText}};
const ParamSchema kSchema{kKeys};

std::string ReadAndWrite(std::string_view file, Hotkey* stored = nullptr) {
    ParamStore store(kSchema);
    store.ResetToDefaults(ScreenMetrics::FromPixels(1024, 768, 96, 96));
    ReadParams(file, store);
    if (stored != nullptr) {
        *stored = StoredHotkey(store, "HotKey");
    }
    return WriteParams(store, "P");
}

TEST(HotkeySettingTest, TextThatCannotBeReadStandsForTheDefaultAndIsWrittenBackUnchanged) {
    Hotkey stored;
    const std::string file = "[P]\r\n\r\nHotKey= Ctrl+Alt+Q+ x\r\n";
    EXPECT_EQ(ReadAndWrite(file, &stored), file);
    EXPECT_EQ(stored, ReadHotkey("Ctrl+Alt+S"));
}

TEST(HotkeySettingTest, ReadableTextIsKeptInItsWrittenFormAndOnlyWhenNotTheDefault) {
    Hotkey stored;
    EXPECT_EQ(ReadAndWrite("[P]\r\n\r\nhotkey=shift+ctrl+f9\r\n", &stored),
              "[P]\r\n\r\nHotKey=Ctrl+Shift+F9\r\n");
    EXPECT_EQ(stored, ReadHotkey("Ctrl+Shift+F9"));
    EXPECT_EQ(ReadAndWrite("[P]\r\n\r\nHotKey=alt+ctrl+S\r\n"), "[P]\r\n\r\n");
    EXPECT_EQ(ReadAndWrite("[P]\r\n\r\nHotKey=\r\n", &stored), "[P]\r\n\r\nHotKey=\r\n");
    EXPECT_TRUE(stored.IsOff());
}

TEST(HotkeySettingTest, StoringTakesOnlyWhatReadsAndWritesItsForm) {
    ParamStore store(kSchema);
    store.ResetToDefaults(ScreenMetrics::FromPixels(1024, 768, 96, 96));
    EXPECT_THROW(store.SetParam("HotKey", ParamValue(L"Ctrl+")), ParamError);
    EXPECT_THROW(store.SetParam("HotKey", ParamValue(true)), ParamError);
    EXPECT_EQ(store.GetParam("HotKey"), ParamValue(L"Ctrl+Alt+S"));
    ASSERT_TRUE(StoreHotkey(store, "HotKey", {kHotkeyWin, 'Q'}));
    EXPECT_EQ(store.GetParam("HotKey"), ParamValue(L"Win+Q"));
    EXPECT_FALSE(StoreHotkey(store, "HotKey", {kHotkeyCtrl, 0xBA}));  // a key without a name
    EXPECT_EQ(StoredHotkey(store, "HotKey"), (Hotkey{kHotkeyWin, 'Q'}));
}

}  // namespace
}  // namespace frame
