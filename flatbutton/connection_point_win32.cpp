#include "flatbutton/connection_point_win32.h"

#include <olectl.h>

#include <algorithm>

#include "flatbutton/enumerator_win32.h"
#include "runtime/com_check_win32.h"

namespace flatbutton {

namespace {

struct StoredConnection {
    runtime::ComPtr<IUnknown> sink;
    DWORD cookie;
};

struct ConnectionsTraits {
    using Interface = IEnumConnections;
    using Element = CONNECTDATA;
    using Stored = StoredConnection;
    static const IID& Iid() noexcept { return IID_IEnumConnections; }
    static Stored Copy(const Stored& item) { return {item.sink.clone(), item.cookie}; }
    static void CopyOut(const Stored& item, Element& element) noexcept {
        element.pUnk = item.sink.clone().detach();
        element.dwCookie = item.cookie;
    }
};

struct PointsTraits {
    using Interface = IEnumConnectionPoints;
    using Element = IConnectionPoint*;
    using Stored = runtime::ComPtr<IConnectionPoint>;
    static const IID& Iid() noexcept { return IID_IEnumConnectionPoints; }
    static Stored Copy(const Stored& item) { return item.clone(); }
    static void CopyOut(const Stored& item, Element& element) noexcept {
        element = item.clone().detach();
    }
};

}  // namespace

std::span<const runtime::InterfaceEntry> ConnectionPoint::InterfaceTable() noexcept {
    return runtime::SoleInterfaceTable<ConnectionPoint, IConnectionPoint>(IID_IConnectionPoint);
}

std::vector<runtime::ComPtr<IUnknown>> ConnectionPoint::Sinks() const {
    std::vector<runtime::ComPtr<IUnknown>> sinks;
    sinks.reserve(connections_.size());
    for (const Connection& connection : connections_) {
        sinks.push_back(connection.sink.clone());
    }
    return sinks;
}

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void** out) noexcept {
    return runtime::QueryInterfaceFromTable(this, InterfaceTable(), iid, out);
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) noexcept {
    if (iid == nullptr) {
        return E_POINTER;
    }
    *iid = iid_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(
    IConnectionPointContainer** container) noexcept {
    if (container == nullptr) {
        return E_POINTER;
    }
    container_.AddRef();
    *container = &container_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) noexcept {
    if (cookie == nullptr) {
        return E_POINTER;
    }
    *cookie = 0;
    if (sink == nullptr) {
        return E_POINTER;
    }
    runtime::ComPtr<IUnknown> typed;
    HRESULT result = sink->QueryInterface(iid_, typed.putVoid());
    if (FAILED(result) && !::IsEqualIID(acceptedIid_, IID_NULL)) {
        result = sink->QueryInterface(acceptedIid_, typed.putVoid());
    }
    if (FAILED(result)) {
        return CONNECT_E_CANNOTCONNECT;
    }
    return runtime::GuardComCall([&] {
        connections_.push_back({++lastCookie_, std::move(typed)});
        *cookie = lastCookie_;
        return S_OK;
    });
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) noexcept {
    const auto found = std::find_if(
        connections_.begin(), connections_.end(),
        [cookie](const Connection& connection) { return connection.cookie == cookie; });
    if (cookie == 0 || found == connections_.end()) {
        return CONNECT_E_NOCONNECTION;
    }
    // The sink's last Release may call back into the control: it leaves the list first.
    runtime::ComPtr<IUnknown> leaving = std::move(found->sink);
    connections_.erase(found);
    leaving.reset();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** connections) noexcept {
    if (connections == nullptr) {
        return E_POINTER;
    }
    *connections = nullptr;
    return runtime::GuardComCall([&] {
        std::vector<StoredConnection> items;
        items.reserve(connections_.size());
        for (const Connection& connection : connections_) {
            items.push_back({connection.sink.clone(), connection.cookie});
        }
        return Enumerator<ConnectionsTraits>::Create(std::move(items), connections);
    });
}

HRESULT EnumeratePoints(std::span<ConnectionPoint* const> points,
                        IEnumConnectionPoints** out) noexcept {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    return runtime::GuardComCall([&] {
        std::vector<runtime::ComPtr<IConnectionPoint>> items;
        items.reserve(points.size());
        for (ConnectionPoint* point : points) {
            items.push_back(runtime::ComPtr<IConnectionPoint>::share(point));
        }
        return Enumerator<PointsTraits>::Create(std::move(items), out);
    });
}

}  // namespace flatbutton
