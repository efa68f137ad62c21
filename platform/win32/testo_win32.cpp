#include "platform/win32/testo_win32.hpp"

#include <climits>

#include "platform/win32/windows_minimo.hpp"

namespace compattatore {

namespace {

std::wstring converti(UINT pagina, DWORD opzioni, std::string_view byte) {
    if (byte.empty() || byte.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int n = static_cast<int>(byte.size());
    const int larghi = MultiByteToWideChar(pagina, opzioni, byte.data(), n, nullptr, 0);
    if (larghi <= 0) return {};
    std::wstring testo(static_cast<std::size_t>(larghi), L'\0');
    if (MultiByteToWideChar(pagina, opzioni, byte.data(), n, testo.data(), larghi) != larghi) return {};
    return testo;
}

}  // namespace

std::wstring testo_largo(std::string_view byte) {
    if (byte.empty()) return {};
    std::wstring testo = converti(CP_UTF8, MB_ERR_INVALID_CHARS, byte);
    if (testo.empty()) testo = converti(1252, 0, byte);
    if (testo.empty()) testo.assign(byte.begin(), byte.end());  // last resort: byte for byte
    return testo;
}

}  // namespace compattatore
