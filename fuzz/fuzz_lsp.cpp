// libFuzzer target: the language server's message handling. The input is
// split at every 0xFF byte into pieces fed one after another, after an
// initialize and the opening of a line and a train, so framing, JSON,
// parameters, edits and checks are all reached. The server must answer or
// ignore each message and never crash; no file is read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lsp/server.hpp"
#include "lsp/trama.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    using namespace compattatore::lsp;
    Server s([](const std::filesystem::path&) { return std::optional<std::string>(); });
    s.ricevi(incornicia(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{"capabilities":{}}})"));
    s.ricevi(incornicia(
        R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file:///f/R_linea.txt","languageId":"","version":1,"text":"[generale]\r\nlunghezza percorso, 1000\r\npendenza, 0, 1\r\n[fine]\r\n"}}})"));
    s.ricevi(incornicia(
        R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file:///f/R_1-.txt","languageId":"","version":1,"text":"[generale]\r\nstazione, 500, 1, 100\r\n[fine]\r\n"}}})"));
    const std::string_view tutto(reinterpret_cast<const char*>(dati), n);
    std::size_t da = 0;
    while (da <= tutto.size() && !s.terminato()) {
        std::size_t a = tutto.find('\xff', da);
        if (a == std::string_view::npos) a = tutto.size();
        s.ricevi(tutto.substr(da, a - da));
        da = a + 1;
    }
    return 0;
}
