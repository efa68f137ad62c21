// Time from a change message to its published diagnostics, in the language
// server's own message handling: 200 one-character edits of the train
// description (checked with its line) and 200 of the line description (the
// line and its open train re-checked), on the embedded scenario and on a
// 1,000 km one. Prints the median and the 95th percentile of each.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "bench/genera_scenario.hpp"
#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "lsp/server.hpp"
#include "lsp/trama.hpp"

namespace {

using nlohmann::json;
using namespace compattatore;

std::string messaggio(const json& j) { return lsp::incornicia(j.dump()); }

std::string apri(const std::string& uri, const std::string& id, const std::string& testo) {
    return messaggio({{"jsonrpc", "2.0"},
                      {"method", "textDocument/didOpen"},
                      {"params", {{"textDocument", {{"uri", uri}, {"languageId", id}, {"version", 1}, {"text", testo}}}}}});
}

// Replaces one character at (riga, col) of the document.
std::string cambia(const std::string& uri, int versione, int riga, int col, const std::string& testo) {
    json r{{"start", {{"line", riga}, {"character", col}}}, {"end", {{"line", riga}, {"character", col + 1}}}};
    return messaggio({{"jsonrpc", "2.0"},
                      {"method", "textDocument/didChange"},
                      {"params", {{"textDocument", {{"uri", uri}, {"version", versione}}},
                                  {"contentChanges", json::array({{{"range", r}, {"text", testo}}})}}}});
}

struct Figure {
    double mediana = 0;
    double p95 = 0;
};

Figure misura(lsp::Server& s, const std::string& uri, int riga, int col) {
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
        const std::string m = cambia(uri, i + 2, riga, col, i % 2 ? "0" : "1");
        const auto t0 = std::chrono::steady_clock::now();
        const std::string out = s.ricevi(m);
        const auto t1 = std::chrono::steady_clock::now();
        if (out.find("publishDiagnostics") == std::string::npos) std::fprintf(stderr, "no diagnostics published\n");
        if (out.find("\"diagnostics\":[]") == std::string::npos) std::fprintf(stderr, "unexpected: %.300s\n", out.c_str());
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 95 / 100]};
}

// The line of the first entry that starts with `parola` and the column of
// the last character of that line.
std::pair<int, int> dove(const std::string& testo, const std::string& parola) {
    int riga = 0;
    std::size_t i = 0;
    while (i < testo.size()) {
        std::size_t fine = testo.find("\r\n", i);
        if (fine == std::string::npos) fine = testo.size();
        if (testo.compare(i, parola.size(), parola) == 0) return {riga, static_cast<int>(fine - i - 1)};
        i = fine + 2;
        ++riga;
    }
    return {0, 0};
}

void caso(const char* nome, const std::string& linea, const std::string& treno) {
    lsp::Server s([](const std::filesystem::path&) { return std::optional<std::string>(); });
    const std::string ul = "file:///banco/R_linea.txt", ut = "file:///banco/R_1-.txt";
    s.ricevi(messaggio({{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", {{"capabilities", json::object()}}}}));
    s.ricevi(apri(ul, "compattatore-linea", linea) + apri(ut, "compattatore-treno", treno));
    // A digit of the sand value, and of the first gradient's value.
    const auto [rt, ct] = dove(treno, "sabbia");
    const auto [rl, cl] = dove(linea, "pendenza");
    const Figure t = misura(s, ut, rt, ct);
    const Figure l = misura(s, ul, rl, cl);
    std::printf("%-22s train edit: median %7.2f ms, p95 %7.2f ms; line edit (line + train): median %7.2f ms, p95 %7.2f ms\n",
                nome, t.mediana, t.p95, l.mediana, l.p95);
}

}  // namespace

int main() {
    caso("embedded (93 km)", testo_linea(), testo_treno());
    const banco::ScenarioGenerato g = banco::genera_scenario(1000000);
    caso("generated (1,000 km)", g.linea, g.treno);
}
