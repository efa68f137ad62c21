#include "output/file_binari.hpp"

namespace compattatore {

void scrivi_planimetria(const Planimetria&, Uscita&) {}
void scrivi_voci(const Voci&, Uscita&) {}
void scrivi_percorso(const std::vector<Cella>&, Uscita&) {}

}  // namespace compattatore
