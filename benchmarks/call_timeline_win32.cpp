#include "benchmarks/call_timeline_win32.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace benchmarks {

namespace {

CallTimeline* gTimeline = nullptr;
double gCountsPer100ns = 0;

std::int64_t Now() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// A call's record, entered when the call begins (a call that has not returned, such as a
// modal dialog's, has no time of leaving); a spare one when the timeline is full.
CallRecord* Begin(Call call) {
    static CallRecord spare;
    const LONG slot = ::InterlockedIncrement(&gTimeline->count) - 1;
    CallRecord* const record = slot < CallTimeline::kCapacity ? &gTimeline->records[slot] : &spare;
    *record = {call, ::GetCurrentThreadId(), Now(), 0, 0};
    return record;
}

void End(CallRecord* record, std::int64_t detail) {
    record->detail = detail;
    record->leave = Now();
}

// What a call adds to its record; nothing for most.
template <Call id, class Result, class... Arguments>
std::int64_t Detail(std::int64_t enter, Result result, Arguments... arguments) {
    if constexpr (id == Call::CreateFileW) {
        const std::wstring_view name = std::get<0>(std::make_tuple(arguments...));
        return name.size() >= 4 && ::_wcsicmp(name.substr(name.size() - 4).data(), L".ini") == 0;
    } else if constexpr (id == Call::SetWaitableTimer) {
        const LARGE_INTEGER* due = std::get<1>(std::make_tuple(arguments...));
        return due->QuadPart < 0
                   ? enter + static_cast<std::int64_t>(-due->QuadPart * gCountsPer100ns)
                   : 0;
    } else if constexpr (id == Call::PeekMessageW) {
        return result ? 1 : 0;
    } else {
        return 0;
    }
}

// A timed stand-in for one imported function (x64: one calling convention).
template <Call id, class Function>
struct Timed;

template <Call id, class Result, class... Arguments>
struct Timed<id, Result (*)(Arguments...)> {
    static inline Result (*original)(Arguments...) = nullptr;

    static Result Call(Arguments... arguments) {
        CallRecord* const record = Begin(id);
        if constexpr (std::is_void_v<Result>) {
            original(arguments...);
            End(record, 0);
        } else {
            const Result result = original(arguments...);
            End(record, Detail<id>(record->enter, result, arguments...));
            return result;
        }
    }
};

struct Import {
    const char* library;
    const char* function;
    void** original;
    void* timed;
};

template <Call id, auto function>
Import ImportOf(const char* library) {
    using Stand = Timed<id, decltype(function)>;
    return {library, kCallNames[static_cast<std::size_t>(id)],
            reinterpret_cast<void**>(&Stand::original), reinterpret_cast<void*>(&Stand::Call)};
}

// Points the module's import of each function at its timed stand-in.
void Redirect(HMODULE module, const Import* imports, std::size_t count) {
    auto* const base = reinterpret_cast<BYTE*>(module);
    const auto* const dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* const nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) {
        return;
    }
    for (auto* library =
             reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         library->Name != 0; ++library) {
        const char* const libraryName = reinterpret_cast<const char*>(base + library->Name);
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
                continue;
            }
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            for (std::size_t i = 0; i < count; ++i) {
                if (::_stricmp(libraryName, imports[i].library) != 0 ||
                    std::strcmp(reinterpret_cast<const char*>(byName->Name), imports[i].function) !=
                        0) {
                    continue;
                }
                DWORD protection = 0;
                ::VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE,
                                 &protection);
                if (*imports[i].original == nullptr) {
                    *imports[i].original = reinterpret_cast<void*>(slots->u1.Function);
                }
                slots->u1.Function = reinterpret_cast<ULONG_PTR>(imports[i].timed);
                ::VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), protection,
                                 &protection);
            }
        }
    }
}

const Import kControlImports[] = {
    ImportOf<Call::LoadTypeLibEx, &::LoadTypeLibEx>("OLEAUT32.dll"),
};

// The control library is loaded by the first control made; its own calls are timed from
// then on (it loads its type library later, at its first dispatch call).
HRESULT(WINAPI* gCoCreateInstance)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*) = nullptr;
bool gFollowsControl = false;

HRESULT WINAPI CreateAndFollow(REFCLSID classId, LPUNKNOWN outer, DWORD context, REFIID iid,
                               LPVOID* object) {
    CallRecord* const record = Begin(Call::CoCreateInstance);
    const HRESULT result = gCoCreateInstance(classId, outer, context, iid, object);
    End(record, 0);
    if (!gFollowsControl) {
        if (const HMODULE control = ::GetModuleHandleW(L"Sleekon.ocx")) {
            Redirect(control, kControlImports, std::size(kControlImports));
            gFollowsControl = true;
        }
    }
    return result;
}

const Import kProgramImports[] = {
    ImportOf<Call::OleInitialize, &::OleInitialize>("ole32.dll"),
    ImportOf<Call::CreateFileW, &::CreateFileW>("KERNEL32.dll"),
    ImportOf<Call::CreateMutexW, &::CreateMutexW>("KERNEL32.dll"),
    ImportOf<Call::CreateWindowExW, &::CreateWindowExW>("USER32.dll"),
    ImportOf<Call::LoadLibraryExW, &::LoadLibraryExW>("KERNEL32.dll"),
    ImportOf<Call::LoadImageW, &::LoadImageW>("USER32.dll"),
    ImportOf<Call::OleCreatePictureIndirect, &::OleCreatePictureIndirect>("OLEAUT32.dll"),
    ImportOf<Call::DialogBoxIndirectParamW, &::DialogBoxIndirectParamW>("USER32.dll"),
    ImportOf<Call::SetWaitableTimer, &::SetWaitableTimer>("KERNEL32.dll"),
    ImportOf<Call::MsgWaitForMultipleObjectsEx, &::MsgWaitForMultipleObjectsEx>("USER32.dll"),
    ImportOf<Call::WaitForMultipleObjects, &::WaitForMultipleObjects>("KERNEL32.dll"),
    ImportOf<Call::PostMessageW, &::PostMessageW>("USER32.dll"),
    ImportOf<Call::PeekMessageW, &::PeekMessageW>("USER32.dll"),
    ImportOf<Call::DispatchMessageW, &::DispatchMessageW>("USER32.dll"),
    ImportOf<Call::IsWindowVisible, &::IsWindowVisible>("USER32.dll"),
    ImportOf<Call::GetWindowLongPtrW, &::GetWindowLongPtrW>("USER32.dll"),
    ImportOf<Call::GetWindow, &::GetWindow>("USER32.dll"),
    ImportOf<Call::GetWindowRect, &::GetWindowRect>("USER32.dll"),
    ImportOf<Call::SetWindowPos, &::SetWindowPos>("USER32.dll"),
    ImportOf<Call::keybd_event, &::keybd_event>("USER32.dll"),
    ImportOf<Call::GetCursorPos, &::GetCursorPos>("USER32.dll"),
    ImportOf<Call::SendInput, &::SendInput>("USER32.dll"),
    ImportOf<Call::mouse_event, &::mouse_event>("USER32.dll"),
    ImportOf<Call::SetCursorPos, &::SetCursorPos>("USER32.dll"),
    {"ole32.dll", "CoCreateInstance", reinterpret_cast<void**>(&gCoCreateInstance),
     reinterpret_cast<void*>(&CreateAndFollow)},
};

}  // namespace

SharedCallTimeline::SharedCallTimeline()
    : mapping_(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                    sizeof(CallTimeline), CallTimeline::kName)),
      view_(::MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(CallTimeline))),
      timeline_(static_cast<CallTimeline*>(view_.get())) {}

void SharedCallTimeline::Clear() {
    timeline_->count = 0;
    timeline_->entered = 0;
    timeline_->mainThread = 0;
}

bool StartCallTimeline() {
    const std::int64_t entered = Now();
    const runtime::UniqueKernelHandle mapping(
        ::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, CallTimeline::kName));
    if (!mapping) {
        return false;
    }
    // Mapped for the rest of the process's life.
    gTimeline = static_cast<CallTimeline*>(
        ::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(CallTimeline)));
    if (gTimeline == nullptr) {
        return false;
    }
    gTimeline->entered = entered;
    gTimeline->mainThread = ::GetCurrentThreadId();
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    gCountsPer100ns = static_cast<double>(frequency.QuadPart) / 1e7;
    Redirect(::GetModuleHandleW(nullptr), kProgramImports, std::size(kProgramImports));
    return true;
}

}  // namespace benchmarks
