// The manual page and the bash completion against the command table: every
// command and every option of it is in both, so that neither falls behind a
// new command or option.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/comandi.hpp"

namespace compattatore {
namespace {

const std::filesystem::path sorgenti = COMPATTATORE_SORGENTI;

std::string leggi(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    EXPECT_TRUE(f) << p;
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

// An option as roff writes it: every "-" escaped.
std::string in_roff(std::string_view opzione) {
    std::string r;
    for (char c : opzione) {
        if (c == '-') r += '\\';
        r += c;
    }
    return r;
}

// The part of the page from a command's ".SS" heading to the next heading.
std::string sezione(const std::string& pagina, std::string_view comando) {
    const std::string testa = ".SS \"" + std::string(comando);
    const std::size_t da = pagina.find(testa);
    if (da == std::string::npos) return {};
    std::size_t a = pagina.find("\n.S", da + testa.size());
    return pagina.substr(da, a == std::string::npos ? std::string::npos : a - da);
}

// A line of the script with its quotes as blanks, so that every word stands
// between blanks.
std::string parole(std::string riga) {
    for (char& c : riga) {
        if (c == '"') c = ' ';
    }
    return riga + " ";
}

// The options the completion offers for a command: its line in the table
// of _compattatore_cli_opzioni.
std::string opzioni_completate(const std::string& script, std::string_view comando) {
    const std::string testa = "    " + std::string(comando) + ")";
    const std::size_t da = script.find(testa);
    if (da == std::string::npos) return {};
    return parole(script.substr(da, script.find('\n', da) - da));
}

TEST(Manuale, PageAndCompletionCoverEveryCommandAndOption) {
    const std::string pagina = leggi(sorgenti / "man/compattatore-cli.1");
    const std::string script = leggi(sorgenti / "completion/compattatore-cli.bash");
    const std::size_t riga_comandi = script.find("comandi=\"");
    ASSERT_NE(riga_comandi, std::string::npos);
    const std::string comandi_completati = parole(script.substr(riga_comandi, script.find('\n', riga_comandi) - riga_comandi));
    for (const cli::Comando* c : cli::comandi()) {
        SCOPED_TRACE(std::string(c->nome));
        const std::string s = sezione(pagina, c->nome);
        EXPECT_FALSE(s.empty()) << "no .SS section in the manual page";
        EXPECT_NE(comandi_completati.find(" " + std::string(c->nome) + " "), std::string::npos)
            << "not completed as a command";
        const std::string completate = opzioni_completate(script, c->nome);
        EXPECT_FALSE(completate.empty()) << "no options line in the completion";
        for (const cli::Opzione& o : c->opzioni) {
            const std::string_view nome = o.nome.empty() ? o.breve : o.nome;
            EXPECT_NE(s.find(in_roff(nome)), std::string::npos) << nome << " is not in the manual page";
            EXPECT_NE(completate.find(" " + std::string(nome) + " "), std::string::npos) << nome << " is not completed";
        }
    }
}

}  // namespace
}  // namespace compattatore
