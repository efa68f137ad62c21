// The one way every command loads its inputs.
//
// A pair of descriptions: the identity (route name and train number) from
// --route/--train or from the program's own naming of the files, checked so
// that the names stay inside the output folder; each file read whole, within
// the tool's limit; the pair compiled with the core; and the report of what
// the compile found. A compiled file: read within the limit of its kind
// (cli/file_scenario.hpp).
//
// Every input is checked before anything else is asked of it: a missing one
// is "no such file", a folder "it is a folder", a FIFO, device or socket "it
// is not a regular file".
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argomenti.hpp"
#include "cli/messaggi.hpp"
#include "formato/nomi_file.hpp"
#include "cli/rapporto.hpp"
#include "controlli/controlli.hpp"
#include "model/scenario.hpp"
#include "output/compila.hpp"

namespace compattatore::cli {

// The largest description file the tool reads: a line of the greatest length
// (1,000,000 m) with an entry of every kind on every 50 m cell is about
// 10 MB. A larger file is refused (exit status 2) before more than this is
// held in memory, so a huge or endless input cannot exhaust memory.
inline constexpr std::uintmax_t massimo_descrizione = std::uintmax_t{32} * 1024 * 1024;

// The options that name the identity, for the tables of the commands that
// load descriptions.
inline constexpr Opzione opzione_percorso{"--route", "", "NAME", messaggi::aiuto_opz_percorso};
inline constexpr Opzione opzione_treno{"--train", "", "NUMBER", messaggi::aiuto_opz_treno};

// The options of the checks on meaning, for the same tables.
inline constexpr Opzione opzione_avvisi{"", "-W", "CLASS", messaggi::aiuto_opz_avvisi};
inline constexpr Opzione opzione_senza_avvisi{"", "-w", "", messaggi::aiuto_opz_senza_avvisi};
inline constexpr Opzione opzione_codifica{"--input-encoding", "", "ENC", messaggi::aiuto_opz_codifica};
// The options of the report, for the commands that compile descriptions.
inline constexpr Opzione opzione_max_errori{"--max-errors", "", "N", messaggi::aiuto_opz_max_errori};
inline constexpr Opzione opzione_colore{"--color", "", "WHEN", messaggi::aiuto_opz_colore};
inline constexpr Opzione opzione_sarif{"--sarif", "", "FILE", messaggi::aiuto_opz_sarif};

// The refusals reported when --max-errors is not given.
inline constexpr std::int32_t massimo_errori_normale = 20;

// Throws FileIllegibile ("cannot read P: ...") unless p names a regular file
// (after following links).
void verifica_ingresso(const std::filesystem::path& p);

// The bytes of the regular file p, at most massimo of them; throws
// FileIllegibile ("cannot read P: ...") for anything else.
std::string leggi_ingresso(const std::filesystem::path& p, std::uintmax_t massimo);

// Throws std::runtime_error ("cannot write P: it is the input I") when the
// output p names the same file as one of ingressi: the same device and
// inode, however the paths are spelled (links, "./", another route to the
// folder). An output that does not exist yet is none of them.
void verifica_non_ingresso(const std::filesystem::path& p, const std::vector<std::filesystem::path>& ingressi);

// Creates the output folder and its parents when missing; throws
// std::runtime_error ("cannot create P: ...") when it cannot, or when p
// exists and is not a folder.
void crea_cartella_uscita(const std::filesystem::path& p);

// The route name and train number of a pair of descriptions; throws
// ErroreUso (for comando) when they cannot be told or cannot name a file.
Identita identita_di(std::string_view comando, const Argomenti& a, const std::filesystem::path& linea,
                     const std::filesystem::path& treno);

struct Compilazione {
    Scenario scenario;
    EsitoCompilazione esito;
    Rapporto rapporto;

    // The tables are complete: the files can be written or drawn.
    bool tabelle_complete() const { return esito.arresto == Stato::nessuno && !esito.percorso_assente; }
    // The exit status the compile itself gives.
    bool pulita() const { return !rapporto.rifiutato && tabelle_complete(); }
};

// The warnings a run wants, from -W and -w; throws ErroreUso for an unknown class.
SceltaAvvisi scelta_avvisi(std::string_view comando, const Argomenti& a);

// Loads and compiles the descriptions named by the first two positionals of
// a (which the caller has counted), with the plan when scrivi_linea is 1.
// prima_di_leggere, when given, runs once the identity is known and before
// anything is read (compile checks there that the folder can hold the names).
Compilazione carica_descrizioni(std::string_view comando, const Argomenti& a, int scrivi_linea,
                                const std::function<void(const Identita&)>& prima_di_leggere = {});

}  // namespace compattatore::cli
