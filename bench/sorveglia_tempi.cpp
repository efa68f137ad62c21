// Time from saving a description to the new files of `compile --watch`, on
// the embedded scenario: the train file is saved (a new file renamed over the
// old one, as editors do) 50 times with a speed limit that changes the track,
// and each time the wait is for the track file to be replaced. Prints the
// median and the 95th percentile.
//
//   compattatore-sorveglia-tempi [COMPATTATORE_CLI]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using orologio = std::chrono::steady_clock;

const std::string percorso = "Valmora PR_Valmora PF";
const std::string linea = percorso + "_linea.txt";
const std::string treno = percorso + "_5286-.txt";
const std::string pista = percorso + "_5286.dat";

std::string leggi(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void salva(const fs::path& p, const std::string& t) {
    const fs::path nuovo = p.string() + ".swp";
    std::ofstream(nuovo, std::ios::binary) << t;
    fs::rename(nuovo, p);
}

// Waits up to 5 s for `nome` to be replaced or written in the watched folder.
bool attendi_file(int fd, const std::string& nome) {
    const auto scadenza = orologio::now() + std::chrono::seconds(5);
    alignas(inotify_event) char b[8192];
    while (orologio::now() < scadenza) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        const ssize_t n = ::read(fd, b, sizeof b);
        for (ssize_t i = 0; i + static_cast<ssize_t>(sizeof(inotify_event)) <= n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(b + i);
            if (e->len > 0 && nome == e->name) return true;
            i += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
        }
    }
    return false;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5)];
}

}  // namespace

int main(int argc, char** argv) {
    const std::string cli = argc > 1 ? argv[1] : COMPATTATORE_CLI_EXE;
    const fs::path dir = fs::temp_directory_path() / ("sorveglia-tempi-" + std::to_string(::getpid()));
    fs::create_directories(dir / "fuori");
    const std::string esporta = "'" + cli + "' export '" + (dir / "scen").string() + "' >/dev/null";
    if (std::system(esporta.c_str()) != 0) return 2;
    const fs::path scen = dir / "scen";
    const std::string giusto = leggi(scen / treno);
    const std::string chiave = "velocita,   86300,    80";
    if (giusto.find(chiave) == std::string::npos) return 2;

    const int fd = ::inotify_init1(IN_CLOEXEC);
    ::inotify_add_watch(fd, (dir / "fuori").c_str(), IN_MOVED_TO | IN_CLOSE_WRITE);
    const pid_t pid = fork();
    if (pid == 0) {
        const int nulla = ::open("/dev/null", O_RDWR);
        ::dup2(nulla, 0);
        ::dup2(nulla, 1);
        ::dup2(nulla, 2);
        if (::chdir(scen.c_str()) != 0) _exit(126);
        ::execl(cli.c_str(), cli.c_str(), "compile", "--watch", "-o", (dir / "fuori").c_str(), linea.c_str(),
                treno.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int esito = 0;
    if (!attendi_file(fd, pista)) {
        std::fprintf(stderr, "the first compile wrote no track file\n");
        esito = 1;
    }
    std::vector<double> ms;
    for (int i = 0; i < 50 && esito == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        std::string t = giusto;
        t.replace(t.find(chiave), chiave.size(), "velocita,   86300,    " + std::to_string(i % 2 ? 80 : 60));
        const auto t0 = orologio::now();
        salva(scen / treno, t);
        if (!attendi_file(fd, pista)) {
            std::fprintf(stderr, "save %d: no new track file\n", i + 1);
            esito = 1;
            break;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(orologio::now() - t0).count());
    }
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    fs::remove_all(dir);
    if (ms.empty()) return 1;
    std::printf("compile --watch, embedded scenario, %zu saves: save to new track file median %6.2f ms, p95 %6.2f ms\n",
                ms.size(), percentile(ms, 0.5), percentile(ms, 0.95));
    return esito;
}
