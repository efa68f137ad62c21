#include "cli/comandi.hpp"

#include <array>

#include "cli/messaggi.hpp"

namespace compattatore::cli {

namespace {

// The column where a command's summary starts in the general help, after two
// blanks of indent.
constexpr std::size_t colonna_sintesi = 21;

constexpr std::array<const Comando*, 10> tabella{&comando_compile,   &comando_check, &comando_export,
                                                 &comando_inspect,   &comando_plot,  &comando_view,
                                                 &comando_decompile, &comando_fmt,   &comando_lsp,
                                                 &comando_explain};

}  // namespace

std::span<const Comando* const> comandi() { return tabella; }

const Comando* comando_di(std::string_view nome) {
    for (const Comando* c : tabella) {
        if (c->nome == nome) return c;
    }
    return nullptr;
}

std::string aiuto_di(const Comando& c, Lingua l) {
    std::string r(c.testa.in(l));
    if (!c.opzioni.empty()) (r += '\n') += aiuto_opzioni(c.opzioni, l);
    if (!c.coda.in(l).empty()) (r += '\n') += c.coda.in(l);
    return r;
}

std::string aiuto_generale(Lingua l) {
    std::string r(messaggi::aiuto_generale_testa.in(l));
    for (const Comando* c : tabella) {
        std::string riga = "  " + std::string(c->forma);
        riga += std::string(riga.size() < colonna_sintesi + 2 ? colonna_sintesi + 2 - riga.size() : 1, ' ');
        (r += riga).append(c->sintesi.in(l)) += '\n';
    }
    r += messaggi::aiuto_generale_coda.in(l);
    return r;
}

}  // namespace compattatore::cli
