// Micro-benchmarks of the core: the field reader, the reading step, the plan,
// the finishing pass and the serialisers, on the embedded scenario and on
// generated lines up to the 1,000,000 m limit.
#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <string>

#include "bench/genera_scenario.hpp"
#include "controlli/codifica.hpp"
#include "controlli/controlli.hpp"
#include "decompila/decompila.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"
#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "driver/base/stampa.hpp"
#include "output/compila.hpp"
#include "output/rifinitura.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore::banco {
namespace {

const ScenarioGenerato& generato(std::int32_t lunghezza) {
    static std::map<std::int32_t, ScenarioGenerato> cache;
    auto it = cache.find(lunghezza);
    if (it == cache.end()) it = cache.emplace(lunghezza, genera_scenario(lunghezza)).first;
    return it->second;
}

ScenarioGenerato incorporato() { return {testo_linea(), testo_treno()}; }

ScenarioGenerato scenario_di(std::int64_t lunghezza) {
    return lunghezza == 0 ? incorporato() : generato(static_cast<std::int32_t>(lunghezza));
}

Scenario compilato(const ScenarioGenerato& g, std::int32_t j = 1) {
    Scenario s;
    s.nome_percorso = std::string("Banco");
    s.numero_treno = std::string("1");  // a move: GCC 12 misreads the replace of a literal here
    compila(s, j, Descrizioni{g.linea, g.treno});
    return s;
}

// Reads every field of a text as a text field: the raw speed of the reader.
void LettoreCampiTesto(benchmark::State& stato) {
    const ScenarioGenerato g = scenario_di(stato.range(0));
    for (auto _ : stato) {
        LettoreCampi campi(g.linea);
        std::size_t n = 0;
        while (!campi.fine()) n += campi.campo_testo().size();
        benchmark::DoNotOptimize(n);
    }
    stato.SetBytesProcessed(static_cast<std::int64_t>(stato.iterations()) * static_cast<std::int64_t>(g.linea.size()));
}
BENCHMARK(LettoreCampiTesto)->Arg(0)->Arg(1000000);

// The reading step as the program runs it: keyword fields and their numbers.
void LetturaCompleta(benchmark::State& stato) {
    const ScenarioGenerato g = scenario_di(stato.range(0));
    for (auto _ : stato) {
        Scenario s;
        s.scrivi_linea = 1;
        memorizza_dati(s, Descrizioni{g.linea, g.treno});
        benchmark::DoNotOptimize(s.codice_errore);
    }
    stato.SetBytesProcessed(static_cast<std::int64_t>(stato.iterations()) *
                            static_cast<std::int64_t>(g.linea.size() + g.treno.size()));
}
BENCHMARK(LetturaCompleta)->Arg(0)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The points of the plan, both coordinates, a block at a time as the plan
// file writer asks for them (the reading only notes the runs it draws).
void CalcoloPlanimetria(benchmark::State& stato) {
    const Scenario s = compilato(scenario_di(stato.range(0)));
    constexpr std::size_t blocco = 256;
    std::array<double, blocco> xs{};
    std::array<double, blocco> ys{};
    for (auto _ : stato) {
        GeneratorePunti g(s.planimetria);
        while (g.prossimi(xs.data(), ys.data(), blocco) != 0) benchmark::DoNotOptimize(xs.data());
    }
    stato.counters["ns_per_metro"] = benchmark::Counter(static_cast<double>(s.planimetria.numero_punti()),
                                                        benchmark::Counter::kIsIterationInvariantRate |
                                                            benchmark::Counter::kInvert);
}
BENCHMARK(CalcoloPlanimetria)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);

void Rifinitura(benchmark::State& stato) {
    const Scenario base = compilato(scenario_di(stato.range(0)), 0);
    for (auto _ : stato) {
        stato.PauseTiming();
        Scenario s = base;
        stato.ResumeTiming();
        rifinisci(s);
        benchmark::DoNotOptimize(s.percorso.data());
    }
    stato.counters["celle"] = static_cast<double>(base.percorso.size());
}
BENCHMARK(Rifinitura)->Arg(0)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void ScriviPlanimetria(benchmark::State& stato) {
    const Scenario s = compilato(scenario_di(stato.range(0)));
    UscitaConteggio u;
    for (auto _ : stato) scrivi_planimetria(s.planimetria, u);
    stato.SetBytesProcessed(static_cast<std::int64_t>(u.totale));
}
BENCHMARK(ScriviPlanimetria)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);

void ScriviPercorso(benchmark::State& stato) {
    const Scenario s = compilato(scenario_di(stato.range(0)));
    UscitaConteggio u;
    for (auto _ : stato) scrivi_percorso(s.percorso, u);
    stato.SetBytesProcessed(static_cast<std::int64_t>(u.totale));
}
BENCHMARK(ScriviPercorso)->Arg(0)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void ScriviVoci(benchmark::State& stato) {
    const Scenario s = compilato(scenario_di(stato.range(0)));
    UscitaConteggio u;
    for (auto _ : stato) scrivi_voci(s.voci, u);
    stato.SetBytesProcessed(static_cast<std::int64_t>(u.totale));
}
BENCHMARK(ScriviVoci)->Arg(0)->Unit(benchmark::kMicrosecond);

// The whole compile per metre: the cost must stay flat with length. Two
// measures: per metre of the line as described, and per metre of the track
// the run compiles, which runs 7000 m beyond the line's end (every table and
// file of a run is sized by it).
void CompilaPerMetro(benchmark::State& stato) {
    const ScenarioGenerato& g = generato(static_cast<std::int32_t>(stato.range(0)));
    for (auto _ : stato) {
        Scenario s;
        s.nome_percorso = std::string("Banco");
        s.numero_treno = std::string("1");  // a move: GCC 12 misreads the replace of a literal here
        compila(s, 1, Descrizioni{g.linea, g.treno});
        UscitaConteggio u;
        scrivi_planimetria(s.planimetria, u);
        scrivi_voci(s.voci, u);
        scrivi_percorso(s.percorso, u);
        benchmark::DoNotOptimize(u.totale);
    }
    const auto per_metro = [](double metri) {
        return benchmark::Counter(metri, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    };
    stato.counters["ns_per_metro_linea"] = per_metro(static_cast<double>(stato.range(0)));
    stato.counters["ns_per_metro_tracciato"] = per_metro(static_cast<double>(stato.range(0) + prolungamento));
}
BENCHMARK(CompilaPerMetro)->Arg(10000)->Arg(30000)->Arg(100000)->Arg(300000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A compile with its three files in memory, beside the decompile of those
// files (the decoded tables back to texts, with the compile that proves
// them).
void CompilaConFile(benchmark::State& stato) {
    const ScenarioGenerato g = scenario_di(stato.range(0));
    for (auto _ : stato) {
        const decompila::Compilato c = decompila::compila_testi(g.linea, g.treno, "Banco", "1", 1);
        benchmark::DoNotOptimize(decompila::serializza(c.scenario).planimetria.size());
    }
}
BENCHMARK(CompilaConFile)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);

void Decompila(benchmark::State& stato) {
    const ScenarioGenerato g = scenario_di(stato.range(0));
    const decompila::Byte b = decompila::serializza(decompila::compila_testi(g.linea, g.treno, "Banco", "1", 1).scenario);
    decompila::Tabelle t;
    t.voci = decodifica_voci(b.voci).tabella();
    t.percorso = decodifica_percorso(b.percorso).tabella();
    t.planimetria = decodifica_planimetria(b.planimetria).tabella();
    for (auto _ : stato) {
        const decompila::Decompilato d = decompila::decompila(t);
        if (!d.esatto()) stato.SkipWithError("the decompile is not exact");
        benchmark::DoNotOptimize(d.linea.size());
    }
}
BENCHMARK(Decompila)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);

// What `check` does on a line of 1,000 km: the compile alone (argument 0),
// and with the reading recorded and every check on meaning run (argument 1).
void Verifica(benchmark::State& stato) {
    const ScenarioGenerato& g = generato(1000000);
    const bool controlli = stato.range(0) != 0;
    for (auto _ : stato) {
        Scenario s;
        s.nome_percorso = std::string("Banco");
        s.numero_treno = std::string("1");  // a move: GCC 12 misreads the replace of a literal here
        Registro r;
        compila(s, 1, Descrizioni{g.linea, g.treno}, controlli ? &r : nullptr);
        if (controlli) {
            std::vector<Diagnostica> a = controlla_codifica(g.linea, Sorgente::linea);
            const std::vector<Diagnostica> b = controlla_codifica(g.treno, Sorgente::treno);
            const std::vector<Diagnostica> c = controlla(r, s);
            a.insert(a.end(), b.begin(), b.end());
            a.insert(a.end(), c.begin(), c.end());
            benchmark::DoNotOptimize(a.data());
        }
        benchmark::DoNotOptimize(s.percorso.data());
    }
}
BENCHMARK(Verifica)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace compattatore::banco
