#pragma once

#include <string>
#include <vector>

#include "runtime/resource_ids.h"

// What the control library registers, as one table: the library's own DllRegisterServer
// and DllUnregisterServer walk it, and the kit's registration scripts are generated from
// it, so that both write the same keys and values.
namespace flatbutton {

// The identifiers fixed in the type library (Sleekon.idl), as the registry spells them.
inline constexpr const wchar_t* kClassIdText = L"{3508A5DB-2E6D-4BA6-82F4-E14F2BBC3163}";
inline constexpr const wchar_t* kLibraryIdText = L"{47BCE19A-0EBA-4E4A-88A9-FEE45DEE38D0}";
inline constexpr const wchar_t* kInterfaceIdText = L"{21B2C132-A67B-41CE-8641-D2D0D5D6E206}";
inline constexpr const wchar_t* kEventsIdText = L"{B42C6F9D-BA4B-448D-B6A3-DD8C93BEB0DE}";
inline constexpr int kToolboxBitmapId = SLEEKON_TOOLBOX_BITMAP_ID;

enum class Platform { Win32, Win64 };

// Where the library is registered from: its full path and its folder (no trailing
// separator), or what a script puts in their place.
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

// When a tree that registration created is removed again.
enum class Removal {
    Always,
    // Kept while the other platform's registration of the class is still there, since 64-bit
    // Windows shares the key between its 32-bit and 64-bit registry views.
    UnlessOtherViewHasClass,
    // Like UnlessOtherViewHasClass, and kept as well when the ProgID's CLSID names
    // another class, which has taken the ProgID over.
    UnlessOtherViewHasClassOrTakenOver,
};

struct RegisteredTree {
    std::wstring key;
    Removal removal = Removal::Always;

    bool operator==(const RegisteredTree&) const = default;
};

// What unregistering removes, in this order; keys that are not there are no failure.
std::vector<RegisteredTree> RegisteredTrees(Platform platform);

// The class key, which the other registry view is asked for.
std::wstring ClassKey();

}  // namespace flatbutton
