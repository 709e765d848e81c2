#pragma once

#include <windows.h>
#include <ocidl.h>

#include <span>
#include <vector>

#include "runtime/com_object_win32.h"
#include "runtime/com_ptr_win32.h"

namespace flatbutton {

// One outgoing interface of the control and the sinks advised on it. The point lives
// inside the control and counts its references on the control, so that a client holding
// only the point keeps the control alive. (It is an object of its own: IOleObject and
// IConnectionPoint both have an Unadvise.)
class ConnectionPoint final : public IConnectionPoint {
  public:
    // acceptedIid: what a sink must answer besides iid; IID_NULL for nothing else. The
    // event point also takes plain IDispatch sinks.
    ConnectionPoint(IConnectionPointContainer& container, const IID& iid,
                    const IID& acceptedIid) noexcept
        : container_(container), iid_(iid), acceptedIid_(acceptedIid) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;
    ~ConnectionPoint() = default;

    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    const IID& iid() const noexcept { return iid_; }

    // The sinks of this moment, each with its own reference, so that one may unadvise
    // (or the host release the control) while the sinks are being called. Each is the
    // interface pointer of the connection's interface. It allocates: a COM method calls it
    // inside runtime::GuardComCall.
    std::vector<runtime::ComPtr<IUnknown>> Sinks() const;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;
    STDMETHODIMP_(ULONG) AddRef() noexcept override { return container_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() noexcept override { return container_.Release(); }

    STDMETHODIMP GetConnectionInterface(IID* iid) noexcept override;
    STDMETHODIMP GetConnectionPointContainer(
        IConnectionPointContainer** container) noexcept override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) noexcept override;
    STDMETHODIMP Unadvise(DWORD cookie) noexcept override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) noexcept override;

  private:
    struct Connection {
        DWORD cookie;
        runtime::ComPtr<IUnknown> sink;
    };

    IConnectionPointContainer& container_;
    IID iid_;
    IID acceptedIid_;
    std::vector<Connection> connections_;
    DWORD lastCookie_ = 0;
};

// IEnumConnectionPoints over a snapshot of the control's points.
HRESULT EnumeratePoints(std::span<ConnectionPoint* const> points,
                        IEnumConnectionPoints** out) noexcept;

}  // namespace flatbutton
