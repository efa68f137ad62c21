// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the object goes.
#pragma once

#include <chrono>
#include <filesystem>
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
        std::filesystem::remove_all(percorso_, ignora);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    const std::filesystem::path& percorso() const { return percorso_; }

private:
    std::filesystem::path percorso_;
};

}  // namespace compattatore::prova
