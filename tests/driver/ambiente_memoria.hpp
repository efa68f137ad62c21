// An application folder and a screen in memory, for driving a whole run or a
// single writer in a test. It keeps the files by name and logs, in order,
// every operation the program asks of it, so a test can check what was
// written, read and deleted, in which order, and what was shown.
//
// Faults are injected per file name: a write that fails (as a full disk
// would), a write that never lands (the file is missing afterwards), or any
// other action to take right before a file is replaced.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "driver/base/ambiente.hpp"

namespace compattatore::prova {

struct Evento {
    enum class Tipo { finestra, sostituisci, leggi, elimina, messaggio, guasto, verifica };
    Tipo tipo;
    std::string testo;  // the file name, or the text shown

    bool operator==(const Evento&) const = default;
};

class AmbienteMemoria final : public Ambiente {
public:
    // The folder: file name -> bytes.
    std::map<std::string, std::string> file;
    std::vector<Evento> registro;

    // Writes to these names throw std::runtime_error; the old file stays.
    std::set<std::string> scrittura_fallisce;
    // Writes to these names complete but leave no file.
    std::set<std::string> scrittura_persa;
    // Called with the name before every replace; it may throw.
    std::function<void(const std::string&)> prima_di_sostituire;

    void mostra_finestra() override { registro.push_back({Evento::Tipo::finestra, ""}); }

    std::int32_t mostra_messaggio(std::string_view messaggio) override {
        registro.push_back({Evento::Tipo::messaggio, std::string(messaggio)});
        return 1;  // OK
    }

    void segnala_guasto(std::string_view messaggio) override {
        registro.push_back({Evento::Tipo::guasto, std::string(messaggio)});
    }

    void sostituisci(const std::string& nome, const std::function<void(Uscita&)>& contenuto) override {
        registro.push_back({Evento::Tipo::sostituisci, nome});
        if (prima_di_sostituire) prima_di_sostituire(nome);
        UscitaMemoria u;
        contenuto(u);
        if (scrittura_fallisce.count(nome) != 0) throw std::runtime_error("cannot write " + nome);
        if (scrittura_persa.count(nome) != 0) {
            file.erase(nome);
            return;
        }
        file[nome] = std::move(u.byte);
    }

    // A set is all or nothing here: every file is written, each logged as a
    // replace, and only then are they all stored.
    void sostituisci_insieme(const std::vector<FileInsieme>& insieme) override {
        std::vector<std::pair<std::string, std::string>> scritti;
        for (const FileInsieme& f : insieme) {
            registro.push_back({Evento::Tipo::sostituisci, f.nome});
            if (prima_di_sostituire) prima_di_sostituire(f.nome);
            UscitaMemoria u;
            f.contenuto(u);
            if (scrittura_fallisce.count(f.nome) != 0) throw std::runtime_error("cannot write " + f.nome);
            scritti.emplace_back(f.nome, std::move(u.byte));
        }
        for (auto& [nome, byte] : scritti) {
            if (scrittura_persa.count(nome) != 0) file.erase(nome);
            else file[nome] = std::move(byte);
        }
    }

    // Names longer than this are refused, as a folder's limit would.
    std::size_t lunghezza_massima = 255;
    void verifica_nomi(const std::vector<std::string>& nomi) override {
        registro.push_back({Evento::Tipo::verifica, ""});
        for (const std::string& n : nomi) {
            if (n.size() > lunghezza_massima) throw std::runtime_error("cannot write " + n + ": its name is too long");
        }
    }

    std::optional<std::string> leggi(const std::string& nome) override {
        registro.push_back({Evento::Tipo::leggi, nome});
        const auto f = file.find(nome);
        if (f == file.end()) return std::nullopt;
        return f->second;
    }

    void elimina(const std::string& nome) override {
        registro.push_back({Evento::Tipo::elimina, nome});
        file.erase(nome);
    }

    // The texts of the logged events of one kind, in order.
    std::vector<std::string> eventi(Evento::Tipo tipo) const {
        std::vector<std::string> testi;
        for (const Evento& e : registro) {
            if (e.tipo == tipo) testi.push_back(e.testo);
        }
        return testi;
    }

    // The position of the first logged event, or registro.size() when none.
    std::size_t posizione(const Evento& cercato) const {
        return static_cast<std::size_t>(std::find(registro.begin(), registro.end(), cercato) - registro.begin());
    }

    bool esiste(const std::string& nome) const { return file.count(nome) != 0; }
};

}  // namespace compattatore::prova
