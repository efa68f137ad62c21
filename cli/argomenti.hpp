// The tool's one argument parser. Each command declares its options in a
// table; the parser turns the words after the command into positionals,
// flags and values, and refuses an unknown option or a missing value with a
// usage error. Adding an option to a command is adding one row to its table:
// the parser and the command's --help both read it.
//
// Accepted forms: "--name", "-n", "--name VALUE", "--name=VALUE", "-n VALUE",
// "-nVALUE" (so "-Werror" is -W with "error");
// "--" ends the options (every later word is a positional); "-" alone is a
// positional. "--help" or "-h" anywhere before "--" asks for the help.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/messaggio.hpp"

namespace compattatore::cli {

struct Opzione {
    std::string_view nome;         // "--route"
    std::string_view breve;        // "-o", or empty
    std::string_view valore;       // the value's name in the help ("NAME"); empty for a flag
    Modello aiuto;                 // the help text; "\n" starts an indented line
};

// What the parser found, keyed by the option's long name (its short form
// when it has no long one).
struct Argomenti {
    std::vector<std::string> posizionali;
    std::set<std::string, std::less<>> flag;
    std::map<std::string, std::string, std::less<>> valori;
    std::map<std::string, std::vector<std::string>, std::less<>> elenchi;  // every value of an option, in order
    bool aiuto = false;

    bool ha(std::string_view nome) const { return flag.contains(nome) || valori.contains(nome); }
    std::optional<std::string> valore(std::string_view nome) const;
};

// A usage error: printed as "compattatore-cli: WHAT" and a line that points
// to the command's help (the general help when comando is empty).
class ErroreUso : public Errore {
public:
    ErroreUso(std::string comando, Messaggio cosa) : Errore(std::move(cosa)), comando_(std::move(comando)) {}
    const std::string& comando() const { return comando_; }

private:
    std::string comando_;
};

// Parses a[da...] against the options of comando; a later value of the same
// option replaces an earlier one.
Argomenti analizza_argomenti(std::string_view comando, std::span<const Opzione> opzioni,
                             const std::vector<std::string>& a, std::size_t da);

// The options section of a command's help: one line per option, the text in
// one column, in the language l.
std::string aiuto_opzioni(std::span<const Opzione> opzioni, Lingua l);

}  // namespace compattatore::cli
