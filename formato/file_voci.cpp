#include "formato/file_voci.hpp"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "formato/codici_gara.hpp"
#include "formato/codifica.hpp"
#include "formato/segni.hpp"

namespace compattatore {

using namespace dettaglio_decodifica;

void scrivi_voci(const Voci& voci, Uscita& uscita) {
    // A name is written with a 2-byte length: refuse one that cannot be,
    // before a single byte goes out.
    for (std::size_t i = 0; i < voci.size(); ++i) {
        if (voci[i].nome.size() > static_cast<std::size_t>(nome_voce_massimo)) {
            throw std::length_error("entry " + std::to_string(i) + ": a name of " +
                                    std::to_string(voci[i].nome.size()) +
                                    " bytes is longer than the entry file can hold (" +
                                    std::to_string(nome_voce_massimo) + ")");
        }
    }
    Scrittore w(uscita);
    for (const Voce& v : voci) {
        w.byte(v.tipo);
        w.lungo(v.inizio);
        w.lungo(v.fine);
        w.lungo(v.posizione);
        w.byte(v.prolunga);
        w.intero(static_cast<std::int16_t>(v.nome.size()));
        w.testo(v.nome);
        w.intero(v.dato_a);
        w.intero(v.dato_b);
        w.intero(v.dato_c);
        w.intero(v.dato_d);
        w.intero(v.dato_e);
        w.byte(v.opzione_a);
        w.byte(v.opzione_b);
        w.byte(v.opzione_c);
        w.byte(v.opzione_d);
        w.lungo(v.orario);
    }
    w.svuota();
}

Decodifica<Voci> decodifica_voci(std::string_view byte) {
    Voci voci{};
    Lettore c(byte);
    std::size_t offset_marchio = 0;
    std::size_t offset_codice = 0;
    for (int i = 0; i < numero_voci; ++i) {
        const std::size_t inizio = c.pos();
        const Messaggio dove(messaggi::formato_voce_al_byte, i, inizio);
        if (!c.resta(byte_voce_prima_del_nome)) {
            return errore(inizio, Messaggio(messaggi::formato_voci_troncato, byte_s(static_cast<std::int64_t>(c.restanti())),
                                            dove, byte_voce_senza_nome));
        }
        Voce& v = voci[static_cast<std::size_t>(i)];
        v.tipo = c.byte();
        v.inizio = c.lungo();
        v.fine = c.lungo();
        v.posizione = c.lungo();
        v.prolunga = c.byte();
        const std::size_t offset_lunghezza = c.pos();
        const std::int16_t lunghezza = c.intero();
        if (lunghezza < 0) {
            return errore(offset_lunghezza,
                          Messaggio(messaggi::formato_voci_lunghezza_negativa, dove, lunghezza, offset_lunghezza));
        }
        const auto resto = static_cast<std::size_t>(lunghezza) + (byte_voce_senza_nome - byte_voce_prima_del_nome);
        if (!c.resta(resto)) {
            return errore(offset_lunghezza,
                          Messaggio(messaggi::formato_voci_nome_oltre_la_fine, lunghezza, dove, offset_lunghezza,
                                    byte_s(static_cast<std::int64_t>(c.restanti())), resto));
        }
        v.nome = c.testo(static_cast<std::size_t>(lunghezza));
        if (i == voce_marchio) offset_marchio = c.pos();
        v.dato_a = c.intero();
        v.dato_b = c.intero();
        v.dato_c = c.intero();
        v.dato_d = c.intero();
        v.dato_e = c.intero();
        v.opzione_a = c.byte();
        v.opzione_b = c.byte();
        v.opzione_c = c.byte();
        v.opzione_d = c.byte();
        if (i == voce_marchio) offset_codice = c.pos();
        v.orario = c.lungo();
    }
    if (c.restanti() > 0) {
        const auto extra = static_cast<std::int64_t>(c.restanti());
        return errore(c.pos(), Messaggio(extra == 1 ? messaggi::formato_voci_un_byte_in_piu : messaggi::formato_voci_byte_in_piu,
                                         extra, c.pos()));
    }
    const Voce& linea = voci[voce_marchio];
    const Voce& treno = voci[indice_voce::treno];
    if (linea.dato_a != marchio_voci) {
        return errore(offset_marchio, Messaggio(messaggi::formato_voci_marchio, offset_marchio, linea.dato_a, marchio_voci));
    }
    const std::int32_t atteso = codice_gara_st(treno.nome, linea.nome);
    if (linea.orario != atteso) {
        return errore(offset_codice, Messaggio(messaggi::formato_voci_codice, offset_codice, linea.orario, atteso));
    }
    return voci;
}

}  // namespace compattatore
