#include "guida/tipi_voce.hpp"

#include <algorithm>

namespace compattatore::guida {

namespace {

constexpr std::string_view permille = "\u2030";

// Common ranges and values.
constexpr Testo metri_linea{"da 0 alla fine del binario", "0 to the end of the track"};
constexpr Testo intero_32{"intero con segno a 32 bit", "signed 32-bit whole number"};
constexpr Testo intero_16{"da -32768 a 32767", "-32768 to 32767"};
constexpr Testo byte_8{"da 0 a 255", "0 to 255"};
constexpr Testo basso_16{"intero a 32 bit; se ne tengono i 16 bit bassi",
                         "32-bit whole number; its low 16 bits are kept"};

std::vector<TipoVoce> linea_generale() {
    const auto progressiva = [](std::string_view parola, std::string_view numero, Testo nome, int voce) {
        const Testo significato =
            voce == 83 ? Testo{"Prima definizione di progressiva chilometrica: tre valori che arrivano al file "
                               "delle voci senza altra interpretazione. Dopo la sezione generale le tre definizioni "
                               "vengono ordinate per primo valore, il maggiore nella voce 81; se la somma dei primi "
                               "valori è 0 decide il secondo. Un terzo valore 1 aggiunge 100 al secondo. Il primo e "
                               "il secondo valore devono essere multipli di 50 (stato 2, controllato alla fine della "
                               "lettura del treno).",
                               "First kilometric-progressive definition: three values carried to the entry file "
                               "without further meaning. After the general section the three definitions are "
                               "ordered by their first value, the greatest into entry 81; when the first values add "
                               "up to 0 the second decides. A third value of 1 adds 100 to the second. The first "
                               "and second values must be multiples of 50 (status 2, checked at the end of the "
                               "train reading)."}
            : voce == 82 ? Testo{"Seconda definizione di progressiva chilometrica, come la prima (voce 82 prima "
                                 "dell'ordinamento).",
                                 "Second kilometric-progressive definition, like the first (entry 82 before the "
                                 "ordering)."}
                         : Testo{"Terza definizione di progressiva chilometrica, come la prima (voce 81 prima "
                                 "dell'ordinamento).",
                                 "Third kilometric-progressive definition, like the first (entry 81 before the "
                                 "ordering)."};
        return TipoVoce{
            parola,
            {"progressiva", numero},
            Parte::linea_generale,
            Confronto::esatto,
            nome,
            significato,
            {
                {"inizio", "m", {"multiplo di 50", "multiple of 50"},
                 {"primo valore: la chiave dell'ordinamento", "first value: the ordering key"}},
                {"fine", "m", {"multiplo di 50", "multiple of 50"},
                 {"secondo valore; +100 quando il terzo è 1", "second value; +100 when the third is 1"}},
                {"posizione", "", intero_32, {"terzo valore", "third value"}},
            },
            voce == 83 ? "progressiva chilometrica uno,    5000,    0,    0"
            : voce == 82 ? "progressiva chilometrica due,    12000,    0,    0"
                         : "progressiva chilometrica tre,    20000,    0,    0",
        };
    };
    const auto sfondo = [](std::string_view parola, std::string_view numero, Testo nome, Testo dove,
                           std::string_view esempio) {
        return TipoVoce{
            parola,
            {"sfondo", numero},
            Parte::linea_generale,
            Confronto::esatto,
            nome,
            dove,
            {{"sfondo", "", intero_32, {"il selettore, portato tale e quale al file delle voci",
                                          "the selector, carried as it is to the entry file"}}},
            esempio,
        };
    };

    std::vector<TipoVoce> v;
    v.push_back({
        "lunghezza percorso",
        {"lunghezza", "percorso"},
        Parte::linea_generale,
        Confronto::senza_maiuscole,
        {"lunghezza della linea", "line length"},
        {"La lunghezza della linea in metri. Dimensiona il binario: celle da 50 m che arrivano a 7000 m oltre la "
         "fine della linea (ultima cella CLng((lunghezza + 7000) / 50)) e, con la planimetria, un punto per metro "
         "fino allo stesso limite. Va data prima di ogni elemento; senza di essa la lettura si ferma con lo stato "
         "25. Oltre 1.000.000 m, o sotto 0: stato 1.",
         "The length of the line in metres. It sizes the track: 50 m cells reaching 7,000 m beyond the end of the "
         "line (last cell CLng((length + 7000) / 50)) and, with the plan, one point a metre to the same end. It "
         "must come before any feature; without it the reading stops with status 25. Above 1,000,000 m, or below "
         "0: status 1."},
        {{"lunghezza", "m", {"da 0 a 1000000", "0 to 1000000"},
          {"lunghezza della linea; il binario arriva 7000 m oltre", "line length; the track runs 7000 m beyond it"}}},
        "lunghezza percorso,    93000",
    });
    v.push_back(progressiva("progressiva chilometrica uno", "uno",
                            {"progressiva chilometrica, prima", "kilometric progressive, first"}, 83));
    v.push_back(progressiva("progressiva chilometrica due", "due",
                            {"progressiva chilometrica, seconda", "kilometric progressive, second"}, 82));
    v.push_back(progressiva("progressiva chilometrica tre", "tre",
                            {"progressiva chilometrica, terza", "kilometric progressive, third"}, 81));
    v.push_back(sfondo("sfondo uno", "uno", {"sfondo uno", "background one"},
                       {"Primo selettore dello sfondo, nella voce 85 (inizio).",
                        "First background selector, into entry 85 (inizio)."},
                       "sfondo uno,    1"));
    v.push_back(sfondo("sfondo due", "due", {"sfondo due", "background two"},
                       {"Secondo selettore dello sfondo, nella voce 85 (posizione).",
                        "Second background selector, into entry 85 (posizione)."},
                       "sfondo due,    2"));
    v.push_back(sfondo("sfondo tre", "tre", {"sfondo tre", "background three"},
                       {"Terzo selettore dello sfondo, nella voce 85 (fine).",
                        "Third background selector, into entry 85 (fine)."},
                       "sfondo tre,    1"));
    v.push_back({
        "ripetizione segnali",
        {"ripetizione", "segnali"},
        Parte::linea_generale,
        Confronto::esatto,
        {"ripetizione segnali in macchina", "cab-signal repetition"},
        {"Il tratto con la ripetizione dei segnali in macchina, da inizio a fine, e il suo sistema di codici: 4 "
         "quando la parola chiave contiene la cifra 4, altrimenti 9 quando contiene 9; senza nessuna delle due, "
         "stato 5. Con fine 0 il sistema diventa 0: nessun tratto. Va nella voce 86 (inizio, fine, posizione).",
         "The stretch with cab-signal repetition, from start to end, and its code system: 4 when the keyword "
         "holds the digit 4, else 9 when it holds 9; with neither, status 5. An end of 0 makes the system 0: no "
         "stretch. Into entry 86 (inizio, fine, posizione)."},
        {
            {"inizio", "m", {"multiplo di 50 (stato 3)", "multiple of 50 (status 3)"},
             {"inizio del tratto", "start of the stretch"}},
            {"fine", "m", {"multiplo di 50 (stato 4); 0 = nessun tratto", "multiple of 50 (status 4); 0 = none"},
             {"fine del tratto", "end of the stretch"}},
        },
        "ripetizione segnali 4 codici,    1300,    26200",
    });
    return v;
}

std::vector<TipoVoce> linea_elementi() {
    std::vector<TipoVoce> v;
    v.push_back({
        "pendenza",
        {"pendenza"},
        Parte::linea_elementi,
        Confronto::senza_maiuscole,
        {"pendenza", "gradient"},
        {"Da posizione in poi la pendenza è quella data, fino alla pendenza seguente: vale dalla cella "
         "CLng(posizione / 50) alla cella prima di quella della voce seguente, e l'ultima arriva fino a tre celle "
         "dalla fine del binario. Ogni cella ne tiene pendenza + 100 in un byte. Le voci vanno in ordine di "
         "posizione; la prima, a 0 m, non scrive nulla da sola.",
         "From its position on, the gradient is the one given, up to the next gradient entry: it governs the cells "
         "from CLng(position / 50) to the cell before the next entry's, and the last one runs on to three cells "
         "before the end of the track. Each cell holds gradient + 100 in one byte. Entries go in order of "
         "position; the first, at 0 m, writes nothing by itself."},
        {
            {"posizione", "m", metri_linea, {"da dove vale la pendenza", "where the gradient begins"}},
            {"pendenza", permille, {"da -100 a 155", "-100 to 155"},
             {"pendenza in per mille, negativa in discesa", "gradient in per mille, negative downhill"}},
        },
        "pendenza,  1500,   8",
    });
    v.push_back({
        "curva",
        {"curva"},
        Parte::linea_elementi,
        Confronto::senza_maiuscole,
        {"curva", "curve"},
        {"Una curva della planimetria, da inizio per lunghezza metri. La parola chiave porta il lato (una \"s\", "
         "maiuscola o no, la fa a sinistra; altrimenti è a destra) e la classe, la prima delle cifre da 1 a 6 che "
         "contiene: 1 raggio 10000 m, 2 5000 m, 3 2500 m, 4 1000 m, 5 500 m, 6 333 m. Senza cifra: stato 103. "
         "Cambia solo la planimetria, non il binario, e si legge solo quando la planimetria si costruisce.",
         "A curve of the plan, from its start for its length in metres. The keyword carries the side (an \"s\", "
         "either case, makes it a left curve; otherwise it turns right) and the class, the first of the digits 1 "
         "to 6 it holds: 1 radius 10,000 m, 2 5,000 m, 3 2,500 m, 4 1,000 m, 5 500 m, 6 333 m. Without a digit: "
         "status 103. It changes only the plan, not the track, and is read only when the plan is built."},
        {
            {"inizio", "m", metri_linea, {"dove comincia la curva", "where the curve begins"}},
            {"lunghezza", "m", {"fino a 2 m prima della fine della planimetria", "up to 2 m before the plan's end"},
             {"lunghezza della curva", "length of the curve"}},
        },
        "curvas3,  500,  300",
    });
    v.push_back({
        "montagna",
        {"montagna"},
        Parte::linea_elementi,
        Confronto::senza_maiuscole,
        {"zona di montagna", "mountain zone"},
        {"Una zona di montagna da inizio a fine: le celle da CLng(inizio / 50) a CLng(fine / 50 - 1) prendono il "
         "tipo di zona. Un tipo oltre 10 vale il tipo meno 10 e mette in più un segnale di zona in ogni quarta "
         "cella vuota della zona. Una zona che comincia non più di 150 m dopo la fine della precedente diventa di "
         "tipo 3. Al più 80 zone (la 81a: stato 25).",
         "A mountain zone from start to end: the cells from CLng(start / 50) to CLng(end / 50 - 1) take its zone "
         "type. A type above 10 stands for the type less 10 and also puts a zone marker on every fourth empty cell "
         "of the zone. A zone that begins no more than 150 m after the previous one ends becomes type 3. At most "
         "80 zones (the 81st: status 25)."},
        {
            {"inizio", "m", metri_linea, {"dove comincia la zona", "where the zone begins"}},
            {"fine", "m", metri_linea, {"dove finisce la zona", "where the zone ends"}},
            {"tipo", "", {"da 0 a 255; oltre 10: tipo - 10 con i segnali di zona",
                          "0 to 255; above 10: type - 10 with zone markers"},
             {"tipo di zona", "zone type"}},
        },
        "montagna,   1800,  3800,  11",
    });
    const Campo velocita_s[] = {
        {"velocita_a_s", "km/h", {"da 0 a 1638", "0 to 1638"}, {"velocità a del lato s", "speed a of side s"}},
        {"velocita_b_s", "km/h", {"da 0 a 1638", "0 to 1638"}, {"velocità b del lato s", "speed b of side s"}},
        {"velocita_c_s", "km/h", {"da 0 a 1638", "0 to 1638"}, {"velocità c del lato s", "speed c of side s"}},
        {"strisce_s", "", intero_16, {"numero di strisce del lato s", "stripe count of side s"}},
        {"velocita_a_d", "km/h", {"vuoto o da 0 in su; conta a passi di 5", "empty or 0 upward; counts in steps of 5"},
         {"velocità a del lato d", "speed a of side d"}},
        {"velocita_b_d", "km/h", {"vuoto o da 0 in su; conta a passi di 5", "empty or 0 upward; counts in steps of 5"},
         {"velocità b del lato d", "speed b of side d"}},
        {"velocita_c_d", "km/h", {"vuoto o da 0 in su; conta a passi di 5", "empty or 0 upward; counts in steps of 5"},
         {"velocità c del lato d", "speed c of side d"}},
        {"strisce_d", "", intero_16, {"numero di strisce del lato d", "stripe count of side d"}},
    };
    TipoVoce indicatori{
        "indicatori_vmax",
        {"indicatori_v"},
        Parte::linea_elementi,
        Confronto::senza_maiuscole,
        {"cartello delle velocità massime", "maximum-speed indicator board"},
        {"Un cartello delle velocità massime nella cella CLng(posizione / 50 + 1), che deve essere libera "
         "(stato 21). Porta tre velocità e un numero di strisce per ciascuno dei due lati s e d; la cella "
         "tiene CInt(20 x velocità s + velocità d / 5) per ognuna delle tre velocità e 10 x strisce s + "
         "strisce d. I campi del lato d possono restare vuoti: valgono 0.",
         "A maximum-speed indicator board on cell CLng(position / 50 + 1), which must be free (status 21). It "
         "carries three speeds and a stripe count for each of the two sides s and d; the cell holds "
         "CInt(20 x side-s speed + side-d speed / 5) for each of the three speeds and 10 x side-s stripes + "
         "side-d stripes. The side-d fields may be left empty: they read as 0."},
        {{"posizione", "m", metri_linea, {"dove sta il cartello", "where the board stands"}}},
        "indicatori_vmax,  500,  60,  70,  75,  0,  60,  70,  75,  0",
    };
    indicatori.campi.insert(indicatori.campi.end(), std::begin(velocita_s), std::end(velocita_s));
    v.push_back(std::move(indicatori));
    v.push_back({
        "cartello_indicatore",
        {"cartello", "indicat"},
        Parte::linea_elementi,
        Confronto::senza_maiuscole,
        {"cartello con testo", "indication board"},
        {"Un cartello con un testo (un cippo chilometrico, un avviso) nella cella CLng(posizione / 50 + 1), che "
         "deve essere libera (stato 6). Il testo va nella tabella delle voci, il primo cartello nella voce 80, il "
         "seguente nella 79 e così via: al più 81 cartelli, e ogni cartello toglie un posto alle stazioni.",
         "A board bearing a text (a kilometre post, a notice) on cell CLng(position / 50 + 1), which must be free "
         "(status 6). The text goes into the entry table, the first board into entry 80, the next into 79 and so "
         "on: at most 81 boards, and every board takes a place from the stations."},
        {
            {"posizione", "m", metri_linea, {"dove sta il cartello", "where the board stands"}},
            {"testo", "", {"testo senza virgole", "text without commas"},
             {"il testo del cartello, fino a fine riga", "the board's text, to the end of the line"}},
        },
        "cartello_indicatore,  19950,   (Cippo Km.)( 20+000  )",
    });
    return v;
}

std::vector<TipoVoce> treno_generale() {
    std::vector<TipoVoce> v;
    v.push_back({
        "numero vetture",
        {"vetture"},
        Parte::treno_generale,
        Confronto::senza_maiuscole,
        {"numero di vetture", "number of cars"},
        {"Il numero di vetture del treno, nella voce 84 (posizione).",
         "The number of cars of the train, into entry 84 (posizione)."},
        {{"vetture", "", intero_32, {"numero di vetture", "number of cars"}}},
        "numero vetture,    2",
    });
    v.push_back({
        "percentuale massa frenata",
        {"frenata", "massa"},
        Parte::treno_generale,
        Confronto::senza_maiuscole,
        {"percentuale di massa frenata", "braked-mass percentage"},
        {"La percentuale di massa frenata del treno, nella voce 84 (inizio).",
         "The braked-mass percentage of the train, into entry 84 (inizio)."},
        {{"massa_frenata", "%", intero_32, {"percentuale di massa frenata", "braked-mass percentage"}}},
        "percentuale massa frenata,    135",
    });
    v.push_back({
        "sabbia",
        {"sabbia"},
        Parte::treno_generale,
        Confronto::senza_maiuscole,
        {"sabbia", "sand"},
        {"La sabbia del treno, nella voce 86 (dato_a).", "The train's sand, into entry 86 (dato_a)."},
        {{"sabbia", "", intero_16, {"la sabbia a bordo", "the sand on board"}}},
        "sabbia,    1",
    });
    v.push_back({
        "orologio",
        {"orologio"},
        Parte::treno_generale,
        Confronto::senza_maiuscole,
        {"orologio di partenza", "starting clock"},
        {"L'ora a cui comincia la corsa, nella voce 86 (dato_c, dato_d, dato_e). I tre numeri possono essere "
         "separati da spazi invece che da virgole.",
         "The time of day at which the run begins, into entry 86 (dato_c, dato_d, dato_e). The three numbers may "
         "be separated by blanks instead of commas."},
        {
            {"ore", "h", intero_16, {"ore", "hours"}},
            {"minuti", "min", intero_16, {"minuti", "minutes"}},
            {"secondi", "s", intero_16, {"secondi", "seconds"}},
        },
        "orologio,    13              40            45 ",
    });
    return v;
}

std::vector<TipoVoce> treno_elementi() {
    std::vector<TipoVoce> v;
    v.push_back({
        "velocita",
        {"velocit"},
        Parte::treno_elementi,
        Confronto::senza_maiuscole,
        {"velocità limite", "speed limit"},
        {"Da posizione in poi la velocità limite è quella data, fino alla voce seguente: vale dalla cella "
         "CLng(posizione / 50) alla cella prima di quella della voce seguente, e l'ultima arriva fino a tre celle "
         "dalla fine del binario. Ogni cella ne tiene un quinto, arrotondato. La prima voce sta a 0 m.",
         "From its position on, the speed limit is the one given, up to the next entry: it governs the cells from "
         "CLng(position / 50) to the cell before the next entry's, and the last one runs on to three cells before "
         "the end of the track. Each cell holds a fifth of it, rounded. The first entry stands at 0 m."},
        {
            {"posizione", "m", metri_linea, {"da dove vale il limite", "where the limit begins"}},
            {"velocita", "km/h", {"da 0 a 1277 (un quinto, arrotondato, da 0 a 255)",
                                  "0 to 1277 (a fifth, rounded, 0 to 255)"},
             {"velocità limite della linea", "line speed limit"}},
        },
        "velocita,   86300,    80",
    });
    v.push_back({
        "aderenza",
        {"aderenza"},
        Parte::treno_elementi,
        Confronto::senza_maiuscole,
        {"aderenza", "adhesion"},
        {"Da posizione in poi l'aderenza è quella data, con le stesse regole della velocità limite; ogni cella "
         "ne tiene gli 8 bit bassi, senza divisione. La prima voce sta a 0 m.",
         "From its position on, the adhesion is the one given, by the same rules as the speed limit; each cell "
         "holds its low 8 bits, without division. The first entry stands at 0 m."},
        {
            {"posizione", "m", metri_linea, {"da dove vale l'aderenza", "where the adhesion begins"}},
            {"aderenza", "", byte_8, {"valore di aderenza", "adhesion value"}},
        },
        "aderenza,   0,    100",
    });
    v.push_back({
        "stazione",
        {"stazione"},
        Parte::treno_elementi,
        Confronto::senza_maiuscole,
        {"stazione", "station"},
        {"Una stazione con la sua zona, nella prossima voce libera della tabella dalla 1 in su. La zona va da "
         "posizione - lunghezza / 2 a posizione + lunghezza / 2 (+50 m con opzione_c); per i tipi 5 e 6 da "
         "posizione - lunghezza a posizione + 150; per i tipi 7 e 8 da posizione - lunghezza a posizione + "
         "lunghezza. Sotto il tipo 25 la stazione ha la cella di fermata CLng(fine / 50 - 1), scritta su "
         "qualunque cosa vi sia, e, tranne i tipi 5 e 6, i segni di preavviso 81 a 84 sulle quattro celle prima. "
         "Le stazioni vanno in ordine e ogni zona comincia almeno 350 m dopo la fine della precedente (stato 22).",
         "A station with its zone, into the next free entry of the table from 1 upward. The zone runs from "
         "position - length / 2 to position + length / 2 (+50 m with opzione_c); for kinds 5 and 6 from "
         "position - length to position + 150; for kinds 7 and 8 from position - length to position + length. "
         "Below kind 25 the station has its stopping cell CLng(end / 50 - 1), written over whatever it holds, "
         "and, except kinds 5 and 6, the approach marks 81 to 84 on the four cells before it. Stations go in "
         "order and each zone begins at least 350 m after the previous one ends (status 22)."},
        {
            {"posizione", "m", {"multiplo di 50 (stato 8); fino a 800 m prima della fine del binario",
                                "multiple of 50 (status 8); up to 800 m before the track's end"},
             {"posizione della stazione", "position of the station"}},
            {"tipo", "", byte_8, {"tipo di stazione: 5-8 zona diversa, da 25 nessuna cella",
                                  "station kind: 5-8 other zone, from 25 no cell"}},
            {"lunghezza", "m", {"multiplo di 100 (stato 9)", "multiple of 100 (status 9)"},
             {"lunghezza della zona della stazione", "length of the station zone"}},
            {"prolunga", "", byte_8, {"solo conservato nella voce", "stored in the entry only"}},
            {"opzione_d", "", byte_8, {"conservata solo da 600 m di lunghezza, e non nella prima stazione",
                                       "kept only from 600 m of length, and not in the first station"}},
            {"opzione_c", "", byte_8, {"non 0: la zona finisce 50 m più in là (non per i tipi 5-8)",
                                       "not 0: the zone ends 50 m further (not for kinds 5-8)"}},
            {"dato_a", "", intero_16, {"solo conservato nella voce", "stored in the entry only"}},
            {"dato_b", "", intero_16, {"solo conservato nella voce", "stored in the entry only"}},
            {"opzione_a", "", byte_8, {"solo conservata nella voce", "stored in the entry only"}},
            {"dato_c", "", intero_16, {"solo conservato nella voce", "stored in the entry only"}},
            {"dato_d", "", intero_16, {"solo conservato nella voce", "stored in the entry only"}},
            {"dato_e", "", intero_16, {"solo conservato nella voce", "stored in the entry only"}},
            {"opzione_b", "", byte_8, {"solo conservata nella voce", "stored in the entry only"}},
            {"ore", "h", intero_32, {"ora dell'orario della stazione", "hours of the station's time"}},
            {"minuti", "min", intero_32, {"minuti dell'orario", "minutes of the time"}},
            {"secondi", "s", intero_32, {"secondi dell'orario", "seconds of the time"}},
            {"nome", "", {"testo senza virgole", "text without commas"},
             {"nome della stazione, fino a fine riga", "station name, to the end of the line"}},
        },
        "stazione,   85950, 12,  300,  0, 0, 0,  1,1,0,  3,1,1,    1,  13,41, 0, VALMORA P.R.",
    });
    v.push_back({
        "segnale",
        {"segnale"},
        Parte::treno_elementi,
        Confronto::senza_maiuscole,
        {"segnale", "signal"},
        {"Un segnale nella cella CLng(posizione / 50 + 1), che deve essere libera (stato 16). La cella tiene "
         "10 x s1 + d1, 10 x s2 + d2, 10 x s3 + d3 e 10 x rapp + 3 x sx + dx; il tempo solo quando sx è 2. Le "
         "celle a 100, 200, 300 e 400 m prima ricevono i segni di preavviso (3 x sx + dx) x 10 + 1 a 4, sopra "
         "quelli che vi fossero.",
         "A signal on cell CLng(position / 50 + 1), which must be free (status 16). The cell holds 10 x s1 + d1, "
         "10 x s2 + d2, 10 x s3 + d3 and 10 x rapp + 3 x sx + dx; the time only when sx is 2. The cells 100, 200, "
         "300 and 400 m before it get the approach marks (3 x sx + dx) x 10 + 1 to 4, over any mark already "
         "there."},
        {
            {"posizione", "m", metri_linea, {"dove sta il segnale", "where the signal stands"}},
            {"sx", "", basso_16, {"primo selettore: 3 x sx + dx nel quarto valore e nei preavvisi",
                                  "first selector: 3 x sx + dx in the fourth value and the marks"}},
            {"s1", "", basso_16, {"primo aspetto, parte s: 10 x s1 + d1", "first aspect, s part: 10 x s1 + d1"}},
            {"s2", "", basso_16, {"secondo aspetto, parte s: 10 x s2 + d2", "second aspect, s part: 10 x s2 + d2"}},
            {"s3", "", basso_16, {"terzo aspetto, parte s: 10 x s3 + d3", "third aspect, s part: 10 x s3 + d3"}},
            {"rapp", "", basso_16, {"decine del quarto valore: 10 x rapp", "tens of the fourth value: 10 x rapp"}},
            {"dx", "", basso_16, {"secondo selettore: 3 x sx + dx", "second selector: 3 x sx + dx"}},
            {"d1", "", basso_16, {"primo aspetto, parte d", "first aspect, d part"}},
            {"d2", "", basso_16, {"secondo aspetto, parte d", "second aspect, d part"}},
            {"d3", "", basso_16, {"terzo aspetto, parte d", "third aspect, d part"}},
            {"tempo", "", {"intero a 32 bit; da 1 a 100 diventa 101; se ne tengono gli 8 bit bassi",
                           "32-bit whole number; 1 to 100 becomes 101; its low 8 bits are kept"},
             {"tempo del segnale, tenuto solo quando sx è 2", "the signal's time, kept only when sx is 2"}},
        },
        "segnale,   86600,   2, 2, 3,  0, 0,    0,  0,0,0, 238",
    });
    v.push_back({
        "rallentamento",
        {"rallentamento"},
        Parte::treno_elementi,
        Confronto::senza_maiuscole,
        {"rallentamento", "slowdown"},
        {"Un rallentamento da posizione per lunghezza metri: la cella di fine CLng((posizione + lunghezza) / 50 "
         "+ 1), quella di inizio CLng(posizione / 50 + 1) e, oltre 1500 m, il cartello di avviso 1200 m prima "
         "dell'inizio; con f_ta non 0 anche le quattro celle prima dell'avviso. Tutte devono essere libere (stati "
         "17 a 20). La compilazione aggiunge poi punti di codice intorno al rallentamento, e dentro quando la "
         "velocità è sotto 110.",
         "A slowdown from its position for its length in metres: the end cell CLng((position + length) / 50 + 1), "
         "the start cell CLng(position / 50 + 1) and, beyond 1,500 m, the warning board 1,200 m before the start; "
         "with f_ta not 0 also the four cells before the warning board. All must be free (statuses 17 to 20). The "
         "compilation then adds code points around the slowdown, and inside it when its speed is below 110."},
        {
            {"posizione", "m", metri_linea, {"inizio del rallentamento", "start of the slowdown"}},
            {"velocita", "km/h", basso_16, {"velocità del rallentamento, tenuta tale e quale",
                                            "speed of the slowdown, kept as it is"}},
            {"lunghezza", "m", {"la fine entro il binario", "its end on the track"},
             {"lunghezza del rallentamento", "length of the slowdown"}},
            {"f_tt", "", basso_16, {"valore sulle celle di inizio e di fine", "value on the start and end cells"}},
            {"f_ta", "", intero_32, {"non 0: le quattro celle prima dell'avviso (solo oltre 1500 m)",
                                     "not 0: the four cells before the warning board (beyond 1500 m only)"}},
            {"d_v", "", basso_16, {"non 0: sulle celle di avviso, inizio e fine",
                                   "not 0: on the warning, start and end cells"}},
        },
        "rallentamento,   10000,   60,   500,   1,   1,   0",
    });
    v.push_back({
        "abbattimento",
        {"abbattimento"},
        Parte::treno_elementi,
        Confronto::senza_maiuscole,
        {"punto di codice", "code point"},
        {"Un punto di codice nella cella CLng(posizione / 50), senza lo spostamento di una cella degli altri "
         "elementi; la cella deve essere libera (stato 7). Con un valore da 1 in su la cella diventa un punto di "
         "codice con quel valore; con 0 o meno, un punto senza valore.",
         "A code point on cell CLng(position / 50), without the one-cell offset of the other features; the cell "
         "must be free (status 7). With a value of 1 or more the cell becomes a code point holding that value; "
         "with 0 or less, a point without a value."},
        {
            {"posizione", "m", metri_linea, {"dove sta il punto", "where the point stands"}},
            {"valore", "", {"fino a 32767; 0 o meno: senza valore", "up to 32767; 0 or less: no value"},
             {"valore del codice", "code value"}},
        },
        "abbattimento,   20000,   180",
    });
    return v;
}

std::vector<TipoVoce> tutti() {
    std::vector<TipoVoce> v;
    for (auto&& parte : {linea_generale(), linea_elementi(), treno_generale(), treno_elementi()}) {
        v.insert(v.end(), parte.begin(), parte.end());
    }
    return v;
}

char minuscola(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool contiene(std::string_view campo, std::string_view parola, Confronto confronto) {
    if (confronto == Confronto::esatto) return campo.find(parola) != std::string_view::npos;
    const auto it = std::search(campo.begin(), campo.end(), parola.begin(), parola.end(),
                                [](char a, char b) { return minuscola(a) == minuscola(b); });
    return it != campo.end();
}

bool del_treno(Parte p) { return p == Parte::treno_generale || p == Parte::treno_elementi; }

}  // namespace

const std::vector<TipoVoce>& tipi_voce() {
    static const std::vector<TipoVoce> tabella = tutti();
    return tabella;
}

const std::vector<Intestazione>& intestazioni() {
    static const std::vector<Intestazione> tabella = {
        {"[generale]", true,
         {"Apre la sezione generale della linea; tutto quello che la precede è ignorato.",
          "Opens the line's general section; everything before it is ignored."}},
        {"[curve]", true,
         {"Chiude la sezione generale; da qui in poi la parte degli elementi. Di solito vi stanno le curve.",
          "Ends the general section; from here on the feature part. The curves usually stand here."}},
        {"[pendenze]", true, {"Solo un titolo: le pendenze.", "A title only: the gradients."}},
        {"[montagne]", true, {"Solo un titolo: le zone di montagna.", "A title only: the mountain zones."}},
        {"[cartelli]", true,
         {"Solo un titolo: i cartelli delle velocità massime.", "A title only: the maximum-speed boards."}},
        {"[indicazioni]", true, {"Solo un titolo: i cartelli con testo.", "A title only: the indication boards."}},
        {"[fine]", true,
         {"L'ultima riga: assorbe il campo finale, che il lettore non interpreta mai.",
          "The last line: it absorbs the final field, which the reader never interprets."}},
        {"[generale]", false,
         {"Apre la descrizione del treno; tutto quello che la precede è ignorato.",
          "Opens the train description; everything before it is ignored."}},
        {"[aderenze]", false, {"Solo un titolo: il profilo di aderenza.", "A title only: the adhesion profile."}},
        {"[vel_limite]", false,
         {"Solo un titolo: il profilo delle velocità limite.", "A title only: the speed-limit profile."}},
        {"[stazioni]", false, {"Solo un titolo: le stazioni.", "A title only: the stations."}},
        {"[rallentamenti]", false, {"Solo un titolo: i rallentamenti.", "A title only: the slowdowns."}},
        {"[segnali]", false, {"Solo un titolo: i segnali.", "A title only: the signals."}},
        {"[codici]", false, {"Solo un titolo: i punti di codice.", "A title only: the code points."}},
        {"[fine]", false,
         {"L'ultima riga: assorbe il campo finale, che il lettore non interpreta mai.",
          "The last line: it absorbs the final field, which the reader never interprets."}},
    };
    return tabella;
}

const TipoVoce* tipo_per_parola(std::string_view campo, Parte parte) {
    for (const TipoVoce& t : tipi_voce()) {
        const bool stessa_parte = del_treno(parte) ? del_treno(t.parte) : t.parte == parte;
        if (!stessa_parte) continue;
        const bool tutte = std::all_of(t.parole.begin(), t.parole.end(),
                                       [&](std::string_view p) { return contiene(campo, p, t.confronto); });
        if (tutte) return &t;
    }
    return nullptr;
}

const TipoVoce* tipo_per_nome(std::string_view parola_chiave) {
    for (const TipoVoce& t : tipi_voce()) {
        if (t.parola_chiave == parola_chiave) return &t;
    }
    return nullptr;
}

std::string_view nome_parte(Parte parte, Lingua lingua) {
    switch (parte) {
        case Parte::linea_generale:
            return Testo{"linea, sezione generale", "line, general section"}.in(lingua);
        case Parte::linea_elementi:
            return Testo{"linea, parte degli elementi", "line, feature part"}.in(lingua);
        case Parte::treno_generale:
            return Testo{"treno, dati generali", "train, general data"}.in(lingua);
        case Parte::treno_elementi:
            return Testo{"treno, profili ed elementi", "train, profiles and features"}.in(lingua);
    }
    return {};
}

}  // namespace compattatore::guida
