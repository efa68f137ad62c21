// A run-time failure of the reading step that belongs to one entry of a
// description: it carries the place of the entry's keyword field, so the
// status 25 it ends in points at the entry rather than at the last field read.
#pragma once

#include <string>

#include "readers/lettore_campi.hpp"

namespace compattatore {

class GuastoVoce : public ErroreLettura {
public:
    GuastoVoce(Luogo luogo, const std::string& messaggio) : ErroreLettura(messaggio), luogo_(luogo) {}
    Luogo luogo() const { return luogo_; }

private:
    Luogo luogo_;
};

}  // namespace compattatore
