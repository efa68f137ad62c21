// The console shell: "Attendere" and the error message go to standard error,
// the files to the application folder.
#pragma once

#include <iostream>

#include "platform/ambiente_file.hpp"

namespace compattatore {

class AmbientePosix final : public AmbienteFile {
public:
    using AmbienteFile::AmbienteFile;

    void mostra_finestra() override { std::cerr << "Attendere" << std::endl; }
    std::int32_t mostra_messaggio(std::string_view messaggio) override {
        std::cerr << messaggio << std::endl;
        return 1;  // the OK button
    }
    void segnala_guasto(std::string_view messaggio) override { std::cerr << "compattatore: " << messaggio << std::endl; }
};

}  // namespace compattatore
