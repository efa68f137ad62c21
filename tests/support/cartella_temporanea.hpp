// A fresh folder under the system's temporary folder, removed with its content
// at the end of the test.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace compattatore::prova {

class CartellaTemporanea {
public:
    CartellaTemporanea() {
        std::random_device rd;
        for (;;) {
            percorso_ = std::filesystem::temp_directory_path() / ("compattatore-prova-" + std::to_string(rd()));
            if (std::filesystem::create_directory(percorso_)) break;
        }
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(percorso_, ec);
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
