#include "cli/sorveglia.hpp"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"
#include "platform/sorveglianza.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

std::string adesso() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    char b[32];
    const std::size_t n = std::strftime(b, sizeof b, "%Y-%m-%d %H:%M:%S", &tm);
    return std::string(b, n);
}

// One run: the separator, the command, and its outcome. The report goes to
// standard error, where the commands print theirs (standard output then
// holds only what the command itself writes there, one --json object a run).
void un_giro(const Comando& c, const Argomenti& a, std::ostream& out, std::ostream& err, int giro) {
    const Lingua l = lingua_scelta(c.nome, a);
    err << Messaggio(messaggi::cli_sorveglia_giro, c.nome, giro, adesso()).in(l) << '\n';
    int esito = esito_uso;
    try {
        esito = c.esegui(a, out, err);
    } catch (const ErroreUso&) {
        throw;
    } catch (const std::exception& e) {
        err << "compattatore-cli: " << messaggio_di(e).in(l) << '\n';
    }
    err << Messaggio(messaggi::cli_sorveglia_esito, esito).in(l) << '\n';
    out.flush();
    err.flush();
}

}  // namespace

int sorveglia(const Comando& c, const Argomenti& a, std::ostream& out, std::ostream& err) {
    std::vector<fs::path> file(a.posizionali.begin(), a.posizionali.end());
    std::vector<FirmaFile> prima;
    prima.reserve(file.size());
    for (const fs::path& f : file) prima.push_back(firma_di(f));
    int giro = 1;
    un_giro(c, a, out, err, giro);
    Sorveglianza s(file);
    // A save between the first run and the start of the watch is not lost.
    // The run it gets reads it: the events the watch may have seen of it are
    // dropped first, so that they do not wake a second run for it.
    std::vector<FirmaFile> dopo;
    dopo.reserve(file.size());
    for (const fs::path& f : file) dopo.push_back(firma_di(f));
    if (dopo != prima) {
        s.scarta();
        un_giro(c, a, out, err, ++giro);
    }
    for (;;) {
        s.attendi();
        un_giro(c, a, out, err, ++giro);
    }
}

}  // namespace compattatore::cli
