#include "tests/style/gui_objects_win.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>

extern "C" PPEB NTAPI RtlGetCurrentPeb();  // ntdll's, not in the headers

namespace quillora::testing {
namespace {

// One entry of the process's GDI handle table (64-bit layout, the same under Windows and Wine).
struct GdiHandleEntry {
    std::uint64_t kernelObject;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;  // 0 for a free entry
    std::uint8_t flags;
    std::uint64_t userObject;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t kGdiSharedHandleTableOffset = 0xF8;  // in the 64-bit PEB
constexpr std::size_t kGdiHandleCount = 0x10000;

// Wine has no GetGuiResources; the handle table tells the same.
unsigned long CountGdiHandleTableEntries() {
    const auto* peb = reinterpret_cast<const std::uint8_t*>(RtlGetCurrentPeb());
    const auto* table =
        *reinterpret_cast<const GdiHandleEntry* const*>(peb + kGdiSharedHandleTableOffset);
    unsigned long used = 0;
    for (std::size_t i = 0; i < kGdiHandleCount; ++i) {
        used += table[i].type != 0 ? 1 : 0;
    }
    return used;
}

std::optional<unsigned long> FromGetGuiResources(DWORD flags) {
    SetLastError(ERROR_SUCCESS);
    const DWORD count = GetGuiResources(GetCurrentProcess(), flags);
    if (count == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
        return std::nullopt;
    }
    return count;
}

}  // namespace

GuiObjectCounts CountGuiObjects() {
    const std::optional<unsigned long> gdi = FromGetGuiResources(GR_GDIOBJECTS);
    return {gdi ? *gdi : CountGdiHandleTableEntries(), FromGetGuiResources(GR_USEROBJECTS)};
}

}  // namespace quillora::testing
