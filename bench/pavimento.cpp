// The floor of a run: a process that writes byte-identical copies of given
// files with one write each, from memory (the sources are mapped, so their
// bytes come straight from the page cache). compattatore-pavimento DEST SRC...
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: compattatore-pavimento DEST_DIR SOURCE...\n");
        return 2;
    }
    const std::string destinazione = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string sorgente = argv[i];
        const int in = open(sorgente.c_str(), O_RDONLY);
        struct stat st {};
        if (in < 0 || fstat(in, &st) != 0) return 1;
        const auto n = static_cast<std::size_t>(st.st_size);
        void* dati = n ? mmap(nullptr, n, PROT_READ, MAP_PRIVATE, in, 0) : nullptr;
        if (n && dati == MAP_FAILED) return 1;
        const std::string nome = sorgente.substr(sorgente.find_last_of('/') + 1);
        const int out = open((destinazione + "/" + nome).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0) return 1;
        if (n && write(out, dati, n) != static_cast<ssize_t>(n)) return 1;
        close(out);
        if (n) munmap(dati, n);
        close(in);
    }
    return 0;
}
