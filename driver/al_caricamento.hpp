// The build driver: one run of the program.
//
// al_caricamento writes the two description texts and the three documents,
// compiles the scenario (memorizza_percorso) and ends. The only stops with a
// message of the system's own are the numbered errors (errore).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "driver/base/ambiente.hpp"
#include "model/scenario.hpp"

namespace compattatore {

// A numbered error stop on its way to the driver: no later step runs.
class ArrestoNumerato : public std::runtime_error {
public:
    explicit ArrestoNumerato(std::string numero)
        : std::runtime_error(" Errore n. " + numero), numero_(std::move(numero)) {}
    const std::string& numero() const { return numero_; }

private:
    std::string numero_;
};

// The text of the error message for the number a: " Errore n. " + a.
std::string messaggio_errore(std::string_view a);

// The numbered error stop: never returns. The driver shows the message and
// ends the program with a non-zero exit status.
[[noreturn]] void errore(std::string_view a);

// Exit statuses of a run.
inline constexpr int uscita_normale = 0;
inline constexpr int uscita_errore_numerato = 1;
inline constexpr int uscita_guasto = 2;

// Reads the descriptions back, compiles them and writes the binary files.
// j not 0: the plan is built and the plan file written. Throws
// ArrestoNumerato on a numbered error stop.
void memorizza_percorso(Ambiente& a, Scenario& s, std::int32_t j);

// The binary files of a compiled scenario as one set, in the order they are
// written: the plan file (when the plan was built), the entry file, the track
// file. The writers read s, which must outlive the set.
std::vector<FileInsieme> file_binari(const Scenario& s);

// The whole run; returns the exit status.
int al_caricamento(Ambiente& a);

}  // namespace compattatore
