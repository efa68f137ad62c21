// The tool's commands: one row each, with the options it takes, its help and
// the function that runs it. The front end parses the words after the
// command with the row's options and hands the result to the function; the
// general help lists the rows in order. A new command is one row here and
// one file of its own.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/argomenti.hpp"

namespace compattatore::cli {

struct Comando {
    std::string_view nome;     // "compile"
    std::string_view forma;    // "compile LINE TRAIN", for the general help
    Modello sintesi;           // one line for the general help
    std::span<const Opzione> opzioni;
    Modello testa;             // the help before the options: usage and description
    Modello coda;              // the help after the options (Modello{} when none)
    int (*esegui)(const Argomenti& a, std::ostream& out, std::ostream& err);
};

// The rows, in the order of the general help.
std::span<const Comando* const> comandi();

// The row of a command; nullptr for an unknown one.
const Comando* comando_di(std::string_view nome);

// A command's --help in the language l: its head, its options, its tail.
std::string aiuto_di(const Comando& c, Lingua l);

// The general help in the language l, listing every command.
std::string aiuto_generale(Lingua l);

// One row per command, each defined in the command's own file.
extern const Comando comando_compile;
extern const Comando comando_check;
extern const Comando comando_export;
extern const Comando comando_inspect;
extern const Comando comando_plot;
extern const Comando comando_view;
extern const Comando comando_decompile;
extern const Comando comando_fmt;
extern const Comando comando_lsp;
extern const Comando comando_explain;

}  // namespace compattatore::cli
