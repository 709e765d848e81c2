#pragma once

#include <string>
#include <vector>

#include "flatbutton/identity.h"
#include "runtime/resource_ids.h"

// What the control library registers, as one table: the library's own DllRegisterServer
// and DllUnregisterServer walk it, and the kit's registration scripts are generated from
// it, so that both write the same keys and values.
namespace flatbutton {

inline constexpr int kToolboxBitmapId = SLEEKON_TOOLBOX_BITMAP_ID;
// The component category of controls, which a control registers as implemented
// ("Self Registration for Controls"; comcat.h: CATID_Control).
inline constexpr const wchar_t* kControlCategoryText = L"{40FC6ED4-2438-11CF-A3DB-080036F12502}";

enum class Platform { Win32, Win64 };

// Where the library is registered from: its full path and its folder (no trailing
// separator but at a drive's root), or what a script puts in their place.
struct RegistrationSite {
    std::wstring modulePath;
    std::wstring moduleFolder;
    Platform platform = Platform::Win64;
};

// One string value of a key below the classes root (name empty: the key's default
// value). Keys that only need to exist get an empty default value, which reg.exe writes
// for a new key anyway. Parents come before their children.
struct RegistryEntry {
    std::wstring key;
    std::wstring name;
    std::wstring value;

    bool operator==(const RegistryEntry&) const = default;
};

std::vector<RegistryEntry> RegistrationEntries(const RegistrationSite& site);

// Where a registration is filed: for every user (HKEY_LOCAL_MACHINE\Software\Classes,
// what self-registration writes) or for the current user only
// (HKEY_CURRENT_USER\Software\Classes, what the kit's per-user scripts write). The keys of
// the table are relative to it. Both are written explicitly, never through
// HKEY_CLASSES_ROOT, which writes into the user's tree whenever the key is there already
// (Microsoft, "HKEY_CLASSES_ROOT Key").
enum class Scope { Machine, User };

// A reason to keep a tree that registration created when unregistering. 64-bit Windows
// shares the classes root's TypeLib and ProgID keys between its 32-bit and 64-bit registry
// views and redirects the CLSID and Interface keys ("Registry Keys Affected by WOW64").
struct KeepCondition {
    enum class Test {
        // the key exists in the other platform's registry view of the same scope
        KeyInOtherView,
        // the key's default value names a class other than this one
        NamesAnotherClass,
    };
    Test test;
    std::wstring key;

    bool operator==(const KeepCondition&) const = default;
};

struct RegisteredTree {
    std::wstring key;
    std::vector<KeepCondition> keepIf;  // kept when any of them holds

    bool operator==(const RegisteredTree&) const = default;
};

// What unregistering removes, in this order; keys that are not there are no failure.
std::vector<RegisteredTree> RegisteredTrees(Platform platform);

// The class key.
std::wstring ClassKey();

// The type library's key, which the per-user and the machine-wide registration of either
// platform share: the one that the merged classes root shows hides the other scope's.
std::wstring LibraryKey();

}  // namespace flatbutton
