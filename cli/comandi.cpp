#include "cli/comandi.hpp"

#include <array>

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

std::string aiuto_di(const Comando& c) {
    std::string r(c.testa);
    if (!c.opzioni.empty()) (r += '\n') += aiuto_opzioni(c.opzioni);
    if (!c.coda.empty()) (r += '\n') += c.coda;
    return r;
}

std::string aiuto_generale() {
    std::string r =
        "Usage: compattatore-cli COMMAND [OPTIONS]\n"
        "\n"
        "Compiles a scenario's line and train descriptions into the plan, entry and\n"
        "track files the simulator loads.\n"
        "\n"
        "Commands:\n";
    for (const Comando* c : tabella) {
        std::string riga = "  " + std::string(c->forma);
        riga += std::string(riga.size() < colonna_sintesi + 2 ? colonna_sintesi + 2 - riga.size() : 1, ' ');
        r += riga + std::string(c->sintesi) + "\n";
    }
    r +=
        "\n"
        "Options:\n"
        "  --help               show this help, or a command's with COMMAND --help\n"
        "  --version            show the version\n"
        "  --lang LANG          before COMMAND: the language of the texts, it or en\n"
        "\n"
        "Exit status: 0 compiled clean, 1 a description was refused or a numbered\n"
        "error stop occurred, 2 a usage or file-system error.\n";
    return r;
}

}  // namespace compattatore::cli
