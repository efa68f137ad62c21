#include "readers/memorizza_dati.hpp"

namespace compattatore {

void leggi_treno(Scenario&, LettoreCampi&, std::int32_t) {}

}  // namespace compattatore
