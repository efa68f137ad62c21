// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the object goes; and whole-file read and write.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace compattatore::prova {

class CartellaTemporanea {
public:
    CartellaTemporanea() {
        std::random_device caso;
        const auto base = std::filesystem::temp_directory_path();
        for (int tentativo = 0; tentativo < 100; ++tentativo) {
            const auto nome = "compattatore-prova-" + std::to_string(caso()) + "-" +
                              std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
            if (std::filesystem::create_directory(base / nome)) {
                percorso_ = base / nome;
                return;
            }
        }
        throw std::runtime_error("cannot create a temporary folder");
    }
    ~CartellaTemporanea() {
        std::error_code ignora;
        // A test may have made a folder read-only: give the rights back first.
        std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignora);
        std::filesystem::remove_all(percorso_, ignora);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    const std::filesystem::path& percorso() const { return percorso_; }
    std::filesystem::path operator/(const std::string& nome) const { return percorso_ / nome; }

private:
    std::filesystem::path percorso_;
};

inline std::string leggi_tutto(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void scrivi_tutto(const std::filesystem::path& p, const std::string& byte) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << byte;
}

}  // namespace compattatore::prova
