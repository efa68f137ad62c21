#include "platform/sorveglianza.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/cartella_temporanea.hpp"

namespace compattatore::prova {
namespace {

using namespace std::chrono_literals;

void scrivi(const std::filesystem::path& p, const std::string& testo) { std::ofstream(p, std::ios::binary) << testo; }

// A save the caller has already taken in (scarta) wakes no wait; the next one does.
TEST(Sorveglianza, ScartaForgetsTheChangesSoFar) {
    CartellaTemporanea c;
    const std::filesystem::path f = c / "P_linea.txt";
    scrivi(f, "uno");
    Sorveglianza s({f});
    scrivi(f, "due, e altro");
    s.scarta();
    EXPECT_FALSE(s.attendi_per(300ms));
    scrivi(f, "tre");
    EXPECT_TRUE(s.attendi_per(5s));
}

}  // namespace
}  // namespace compattatore::prova
