// The tool's commands on the longest line (1,000,000 m), through its front
// end as a user runs them, with their reports thrown away: inspect of the
// three files against compile of the line, and check with its checks on
// meaning against check -w, which records and checks nothing. The peak
// memory is measured on the programs themselves:
// /usr/bin/time -v compattatore-cli inspect ...
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "bench/genera_scenario.hpp"
#include "cli/cli.hpp"

namespace compattatore::banco {
namespace {

namespace fs = std::filesystem;

// Throws away what is written, a buffer at a time, as a file would take it.
class Scarico final : public std::streambuf {
public:
    Scarico() { setp(buffer_, buffer_ + sizeof buffer_); }

protected:
    int_type overflow(int_type c) override {
        setp(buffer_, buffer_ + sizeof buffer_);
        return traits_type::not_eof(c);
    }

private:
    char buffer_[1 << 16];
};

// The descriptions of the longest line and, once compiled, its three files,
// in a folder of their own.
struct Cartella {
    fs::path dir = fs::temp_directory_path() / ("compattatore-banco-inspect-" + std::to_string(::getpid()));
    std::string linea, treno, plan, voci, percorso;

    Cartella() {
        fs::create_directories(dir);
        const ScenarioGenerato g = genera_scenario(1000000);
        linea = (dir / "Banco_linea.txt").string();
        treno = (dir / "Banco_1-.txt").string();
        std::ofstream(linea, std::ios::binary) << g.linea;
        std::ofstream(treno, std::ios::binary) << g.treno;
        plan = (dir / "Banco_linea.dat").string();
        voci = (dir / "Banco_1.sim").string();
        percorso = (dir / "Banco_1.dat").string();
    }
    ~Cartella() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

Cartella& cartella() {
    static Cartella c;
    return c;
}

int esegui(const std::vector<std::string>& a) {
    Scarico s;
    std::ostream nulla(&s);
    return cli::esegui(a, nulla, nulla);
}

void CompileLineaMassima(benchmark::State& stato) {
    Cartella& c = cartella();
    for (auto _ : stato) {
        if (esegui({"compile", c.linea, c.treno, "-o", c.dir.string()}) != 0) stato.SkipWithError("compile failed");
    }
}
BENCHMARK(CompileLineaMassima)->Unit(benchmark::kMillisecond);

void InspectLineaMassima(benchmark::State& stato) {
    Cartella& c = cartella();
    if (esegui({"compile", c.linea, c.treno, "-o", c.dir.string()}) != 0) stato.SkipWithError("compile failed");
    for (auto _ : stato) {
        if (esegui({"inspect", c.percorso, c.voci, c.plan}) != 0) stato.SkipWithError("inspect failed");
    }
}
BENCHMARK(InspectLineaMassima)->Unit(benchmark::kMillisecond);

// Argument 0: check -w; 1: check as it is run, every warning on.
void CheckLineaMassima(benchmark::State& stato) {
    Cartella& c = cartella();
    std::vector<std::string> a{"check", c.linea, c.treno};
    if (stato.range(0) == 0) a.emplace_back("-w");
    for (auto _ : stato) {
        if (esegui(a) != 0) stato.SkipWithError("check failed");
    }
}
BENCHMARK(CheckLineaMassima)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace compattatore::banco
