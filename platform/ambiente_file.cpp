#include "platform/ambiente_file.hpp"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace compattatore {

namespace {

class UscitaFile final : public Uscita {
public:
    UscitaFile(std::ofstream& f, const std::filesystem::path& p) : f_(f), p_(p) {}
    void scrivi(const char* dati, std::size_t n) override {
        f_.write(dati, static_cast<std::streamsize>(n));
        if (!f_) throw std::runtime_error("cannot write " + p_.string());
    }

private:
    std::ofstream& f_;
    const std::filesystem::path& p_;
};

}  // namespace

void sostituisci_file(const std::filesystem::path& percorso, const std::function<void(Uscita&)>& contenuto) {
    std::filesystem::path temporaneo = percorso;
    temporaneo += ".tmp~";
    try {
        {
            std::ofstream f(temporaneo, std::ios::binary | std::ios::trunc);
            if (!f) throw std::runtime_error("cannot create " + temporaneo.string());
            UscitaFile u(f, temporaneo);
            contenuto(u);
            f.flush();
            if (!f) throw std::runtime_error("cannot write " + temporaneo.string());
            f.close();
            if (f.fail()) throw std::runtime_error("cannot write " + temporaneo.string());
        }
        std::error_code ec;
        std::filesystem::rename(temporaneo, percorso, ec);
        if (ec) throw std::runtime_error("cannot replace " + percorso.string() + ": " + ec.message());
    } catch (...) {
        std::error_code ignora;
        std::filesystem::remove(temporaneo, ignora);
        throw;
    }
}

std::optional<std::string> leggi_file(const std::filesystem::path& percorso) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(percorso, ec)) return std::nullopt;
    std::ifstream f(percorso, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read " + percorso.string());
    std::string byte;
    const auto dimensione = std::filesystem::file_size(percorso, ec);
    if (!ec) byte.reserve(static_cast<std::size_t>(dimensione));
    byte.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) throw std::runtime_error("cannot read " + percorso.string());
    return byte;
}

void elimina_file(const std::filesystem::path& percorso) {
    std::error_code ec;
    std::filesystem::remove(percorso, ec);
    if (ec) throw std::runtime_error("cannot delete " + percorso.string() + ": " + ec.message());
}

}  // namespace compattatore
