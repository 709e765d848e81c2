#pragma once

#include <wrl/client.h>

namespace runtime {

// Takes over a reference the caller already owns (a freshly created object's first one)
// without adding another. ComPtr::Attach is not used for this: MinGW's copy of it adds a
// reference where the Windows SDK's does not.
template <typename Interface>
Microsoft::WRL::ComPtr<Interface> AdoptReference(Interface* owned) {
    Microsoft::WRL::ComPtr<Interface> pointer;
    *pointer.GetAddressOf() = owned;
    return pointer;
}

}  // namespace runtime
