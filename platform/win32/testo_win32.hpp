// Text for the wide-character Win32 calls.
//
// The core's messages are bytes: plain ASCII for its own texts, UTF-8 where a
// file path of the standard library is quoted. Bytes that are not valid UTF-8
// are taken as Windows-1252, the code page of the scenario's texts, so every
// byte shows as some character and nothing is dropped.
#pragma once

#include <string>
#include <string_view>

namespace compattatore {

std::wstring testo_largo(std::string_view byte);

}  // namespace compattatore
