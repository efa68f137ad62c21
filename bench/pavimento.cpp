// The floor of a run: a process that writes byte-identical copies of given
// files with one write each, from memory (the sources are mapped, so their
// bytes come straight from the page cache).
//
//   compattatore-pavimento DEST SOURCE... [--transient SOURCE...]
//
// The files after --transient are written first, each with one write, then
// read back whole and deleted, as a run does with its two description texts;
// the others are the files a run leaves.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Mappato {
    void* dati = nullptr;
    std::size_t n = 0;
};

bool mappa(const std::string& sorgente, Mappato& m) {
    const int in = open(sorgente.c_str(), O_RDONLY);
    struct stat st {};
    if (in < 0 || fstat(in, &st) != 0) return false;
    m.n = static_cast<std::size_t>(st.st_size);
    m.dati = m.n ? mmap(nullptr, m.n, PROT_READ, MAP_PRIVATE, in, 0) : nullptr;
    close(in);
    return !(m.n && m.dati == MAP_FAILED);
}

std::string destinazione_di(const std::string& cartella, const std::string& sorgente) {
    return cartella + "/" + sorgente.substr(sorgente.find_last_of('/') + 1);
}

bool scrivi(const std::string& cartella, const std::string& sorgente) {
    Mappato m;
    if (!mappa(sorgente, m)) return false;
    const int out = open(destinazione_di(cartella, sorgente).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0) return false;
    if (m.n && write(out, m.dati, m.n) != static_cast<ssize_t>(m.n)) return false;
    close(out);
    if (m.n) munmap(m.dati, m.n);
    return true;
}

bool rileggi_ed_elimina(const std::string& percorso, std::vector<char>& spazio) {
    const int in = open(percorso.c_str(), O_RDONLY);
    struct stat st {};
    if (in < 0 || fstat(in, &st) != 0) return false;
    spazio.resize(static_cast<std::size_t>(st.st_size));
    if (read(in, spazio.data(), spazio.size()) != static_cast<ssize_t>(spazio.size())) return false;
    close(in);
    return unlink(percorso.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: compattatore-pavimento DEST_DIR SOURCE... [--transient SOURCE...]\n");
        return 2;
    }
    const std::string destinazione = argv[1];
    std::vector<std::string> uscite;
    std::vector<std::string> transitori;
    bool dopo = false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--transient") == 0) {
            dopo = true;
        } else {
            (dopo ? transitori : uscite).emplace_back(argv[i]);
        }
    }
    std::vector<char> spazio;
    for (const std::string& t : transitori) {
        if (!scrivi(destinazione, t)) return 1;
    }
    for (const std::string& t : transitori) {
        if (!rileggi_ed_elimina(destinazione_di(destinazione, t), spazio)) return 1;
    }
    for (const std::string& u : uscite) {
        if (!scrivi(destinazione, u)) return 1;
    }
    return 0;
}
