#include "guida/spiegazioni.hpp"

namespace compattatore::guida {

namespace {

// The scenario every example starts from: a line of 10 km (track cells 0 to
// 340, 17,000 m) and a train with its two profiles and nothing else.
constexpr std::string_view generale_linea = "[generale]\nlunghezza percorso, 10000\n";
constexpr std::string_view treno_base = "[generale]\naderenza, 0, 100\nvelocita, 0, 100\n";
constexpr std::string_view stazione_a = "stazione, 3000, 12, 300, 0, 0, 0, 1,1,0, 3,1,1, 1, 8,15,0, PRIMA\n";

std::string linea(std::string_view generale_in_piu, std::string_view elementi) {
    return std::string(generale_linea) + std::string(generale_in_piu) + "[curve]\n" + std::string(elementi) +
           "[fine]\n";
}

std::string treno(std::string_view elementi) { return std::string(treno_base) + std::string(elementi) + "[fine]\n"; }

struct Righe {
    std::optional<std::string> linea;
    std::string treno;
};

Righe solo_linea(std::string_view generale_in_piu, std::string_view elementi) {
    return {linea(generale_in_piu, elementi), treno("")};
}

Righe solo_treno(std::string_view elementi) { return {linea("", ""), treno(elementi)}; }

Spiegazione voce(std::string_view nome, Testo titolo, Testo significato, Testo rimedio, Righe esempio) {
    return {nome, titolo, significato, rimedio, std::move(esempio.linea), std::move(esempio.treno)};
}

// Status 10 needs the entry table filled: 78 board texts leave room for one
// station only.
std::string settantotto_cartelli() {
    std::string r;
    for (int i = 0; i < 78; ++i) r += "cartello_indicatore, " + std::to_string(500 + 100 * i) + ", (K)\n";
    return r;
}

std::vector<Spiegazione> costruisci() {
    std::vector<Spiegazione> v;
    v.push_back(voce(
        "line_length_out_of_range",
        {"lunghezza della linea sotto 0 o sopra 1.000.000 m", "the line length lies outside 0 to 1000000 m"},
        {"Il valore di \"lunghezza percorso\" è fuori dall'intervallo da 0 a 1.000.000 m. La lettura della linea si "
         "ferma: il binario non viene dimensionato e nessun file si può scrivere.",
         "The value of \"lunghezza percorso\" lies outside 0 to 1,000,000 m. The reading of the line stops: the "
         "track is never sized and no file can be written."},
        {"Date la lunghezza della linea in metri, da 0 a 1000000.",
         "Give the line length in metres, from 0 to 1000000."},
        {"[generale]\nlunghezza percorso, 1000001\n[curve]\n[fine]\n", treno("")}));
    v.push_back(voce(
        "progressive_not_multiple_of_50",
        {"una progressiva chilometrica il cui primo o secondo valore non è multiplo di 50",
         "a kilometric progressive whose first or second value is not a multiple of 50"},
        {"Le tre voci \"progressiva chilometrica\" si controllano alla fine della lettura del treno: se il primo o il "
         "secondo valore di una di esse non è multiplo di 50 m si registra questo stato, senza posizione.",
         "The three \"progressiva chilometrica\" entries are checked at the end of the train's reading: when the "
         "first or second value of one of them is not a multiple of 50 m this status is recorded, with no "
         "position."},
        {"Arrotondate il primo e il secondo valore della progressiva a un multiplo di 50.",
         "Round the first and second values of the progressive to a multiple of 50."},
        solo_linea("progressiva chilometrica uno, 5025, 0, 0\n", "")));
    v.push_back(voce(
        "cab_signal_start_not_multiple_of_50",
        {"inizio della ripetizione segnali non multiplo di 50", "cab-signal section start not a multiple of 50"},
        {"Il primo valore di \"ripetizione segnali\", dove comincia la ripetizione in cabina, non è multiplo di 50 "
         "m. La lettura della linea si ferma.",
         "The first value of \"ripetizione segnali\", where the cab-signal section starts, is not a multiple of "
         "50 m. The reading of the line stops."},
        {"Spostate l'inizio a un multiplo di 50 m.", "Move the start to a multiple of 50 m."},
        solo_linea("ripetizione segnali 4 codici, 1325, 6200\n", "")));
    v.push_back(voce(
        "cab_signal_end_not_multiple_of_50",
        {"fine della ripetizione segnali non multipla di 50", "cab-signal section end not a multiple of 50"},
        {"Il secondo valore di \"ripetizione segnali\", dove finisce la ripetizione in cabina, non è multiplo di 50 "
         "m. La lettura della linea si ferma.",
         "The second value of \"ripetizione segnali\", where the cab-signal section ends, is not a multiple of "
         "50 m. The reading of the line stops."},
        {"Spostate la fine a un multiplo di 50 m.", "Move the end to a multiple of 50 m."},
        solo_linea("ripetizione segnali 4 codici, 1300, 6210\n", "")));
    v.push_back(voce(
        "cab_signal_system_unnamed",
        {"parola chiave della ripetizione segnali senza 4 né 9", "cab-signal keyword with neither 4 nor 9"},
        {"Il campo della parola chiave di \"ripetizione segnali\" non contiene né \"4\" né \"9\": non dice quale "
         "sistema di ripetizione in cabina usa la linea. La lettura della linea si ferma.",
         "The keyword field of \"ripetizione segnali\" holds neither \"4\" nor \"9\": it does not say which "
         "cab-signal system the line uses. The reading of the line stops."},
        {"Scrivete \"ripetizione segnali 4 codici\" o \"ripetizione segnali 9 codici\".",
         "Write \"ripetizione segnali 4 codici\" or \"ripetizione segnali 9 codici\"."},
        solo_linea("ripetizione segnali codici, 1300, 6200\n", "")));
    v.push_back(voce(
        "indication_board_cell_taken",
        {"cartello con testo su una cella non libera", "indication board on a cell that is not free"},
        {"Un \"cartello_indicatore\" cade su una cella del binario già presa da un altro elemento puntuale (un "
         "cartello, un cartello delle velocità). Una cella è di 50 m: due elementi a meno di 50 m l'uno dall'altro "
         "possono cadere nella stessa. La lettura della linea si ferma.",
         "A \"cartello_indicatore\" lands on a track cell already taken by another point feature (a board, a "
         "speed board). A cell is 50 m: two features less than 50 m apart can land in the same one. The reading "
         "of the line stops."},
        {"Spostate uno dei due elementi di almeno 50 m, in modo che cadano in celle diverse.",
         "Move one of the two features by 50 m or more, so that they land in different cells."},
        solo_linea("", "cartello_indicatore, 500, (A)\ncartello_indicatore, 510, (B)\n")));
    v.push_back(voce(
        "code_point_cell_taken",
        {"punto di codice su una cella non libera", "code point on a cell that is not free"},
        {"Un \"abbattimento\" cade su una cella già presa (un segnale, una stazione, un rallentamento, un altro "
         "punto di codice). La cella di un punto di codice è la posizione diviso 50, senza lo spostamento di una "
         "cella dei segnali: un punto di codice 50 m dopo un segnale cade sulla cella del segnale. La lettura del "
         "treno si ferma.",
         "An \"abbattimento\" lands on a cell already taken (a signal, a station, a slowdown, another code "
         "point). A code point's cell is its position divided by 50, without the one-cell offset of signals: a "
         "code point 50 m after a signal lands on the signal's cell. The reading of the train stops."},
        {"Spostate il punto di codice su una cella libera, per esempio 50 m prima.",
         "Move the code point to a free cell, for example 50 m earlier."},
        solo_treno("segnale, 2000, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nabbattimento, 2050, 180\n")));
    v.push_back(voce(
        "station_position_not_multiple_of_50",
        {"posizione di una stazione non multipla di 50", "station position not a multiple of 50"},
        {"Il primo valore di una \"stazione\", la sua posizione, non è multiplo di 50 m. La lettura del treno si "
         "ferma.",
         "The first value of a \"stazione\", its position, is not a multiple of 50 m. The reading of the train "
         "stops."},
        {"Date la posizione della stazione come multiplo di 50 m.",
         "Give the station position as a multiple of 50 m."},
        solo_treno("stazione, 3025, 12, 300, 0, 0, 0, 1,1,0, 3,1,1, 1, 8,15,0, PRIMA\n")));
    v.push_back(voce(
        "station_length_not_multiple_of_100",
        {"lunghezza di una stazione non multipla di 100", "station length not a multiple of 100"},
        {"Il terzo valore di una \"stazione\", la lunghezza della sua zona, non è multiplo di 100 m. La lettura del "
         "treno si ferma.",
         "The third value of a \"stazione\", the length of its zone, is not a multiple of 100 m. The reading of "
         "the train stops."},
        {"Date la lunghezza della zona come multiplo di 100 m.", "Give the zone length as a multiple of 100 m."},
        solo_treno("stazione, 3000, 12, 350, 0, 0, 0, 1,1,0, 3,1,1, 1, 8,15,0, PRIMA\n")));
    v.push_back(voce(
        "stations_reach_board_texts",
        {"le stazioni arrivano ai testi dei cartelli nella tabella delle voci",
         "the stations reach the board texts in the entry table"},
        {"Stazioni e testi dei cartelli condividono la tabella delle voci: le stazioni dalla voce 1 in su, i testi "
         "dalla voce 80 in giù. Con b cartelli con testo nella linea si leggono al più 78 - b stazioni; questa "
         "stazione è l'ultima che entra. L'esempio ha 78 cartelli, e quindi posto per una sola stazione.",
         "Stations and board texts share the entry table: stations from entry 1 upward, board texts from entry "
         "80 downward. With b indication boards in the line at most 78 - b stations are read; this station is "
         "the last that fits. The example has 78 boards, and so room for one station only."},
        {"Togliete stazioni dal treno o cartelli con testo dalla linea.",
         "Remove stations from the train or indication boards from the line."},
        {linea("", settantotto_cartelli()), treno(stazione_a)}));
    v.push_back(voce(
        "no_code_point_before_signal",
        {"nessuna cella libera per il punto di codice prima di un segnale davanti a un avviso di rallentamento",
         "no free cell for the code point before a signal ahead of a slowdown warning board"},
        {"Avviso: la compilazione mette un punto di codice in una delle due celle prima di ogni segnale che sta "
         "nei 1000 m prima del cartello di avviso di un rallentamento; qui entrambe sono prese da altri elementi e "
         "nessuna è già un punto di codice. I file si scrivono lo stesso, senza quel punto di codice.",
         "Warning: the compilation puts a code point into one of the two cells before every signal that stands "
         "in the 1000 m before a slowdown's warning board; here both are taken by other features and neither is "
         "a code point already. The files are still written, without that code point."},
        {"Lasciate libera una delle due celle nei 100 m prima del segnale, o mettete lì voi un \"abbattimento\".",
         "Leave one of the two cells in the 100 m before the signal free, or put an \"abbattimento\" there "
         "yourself."},
        solo_treno("segnale, 3000, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nsegnale, 3050, 2, 2, 3, 0, 0, 0, 0,0,0, 238\n"
                   "segnale, 3100, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nrallentamento, 4500, 60, 500, 1, 0, 0\n")));
    v.push_back(voce(
        "no_code_point_before_slowdown",
        {"nessuna cella libera per un punto di codice prima dell'inizio di un rallentamento",
         "no free cell for a code point before a slowdown start"},
        {"Avviso: la compilazione mette tre punti di codice prima dell'inizio di ogni rallentamento, a circa "
         "300, 600 e 950 m, ciascuno nella prima cella libera di un gruppo di tre; qui le tre celle di un gruppo "
         "sono tutte prese. I file si scrivono lo stesso, senza quel punto di codice.",
         "Warning: the compilation puts three code points before every slowdown start, at about 300, 600 and "
         "950 m, each into the first free cell of a group of three; here all three cells of a group are taken. "
         "The files are still written, without that code point."},
        {"Spostate gli elementi che occupano le celle tra 250 e 350 m, 550 e 650 m o 900 e 1000 m prima "
         "dell'inizio.",
         "Move the features that fill the cells 250 to 350 m, 550 to 650 m or 900 to 1000 m before the start."},
        solo_treno("segnale, 4650, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nsegnale, 4700, 2, 2, 3, 0, 0, 0, 0,0,0, 238\n"
                   "segnale, 4750, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nrallentamento, 5000, 60, 500, 1, 0, 0\n")));
    v.push_back(voce(
        "no_code_point_inside_or_after_slowdown",
        {"nessuna cella libera per un punto di codice dentro un rallentamento o prima del segnale dopo di esso",
         "no free cell for a code point inside a slowdown or before the signal after it"},
        {"Avviso: in un rallentamento sotto 110 km/h la compilazione mette un punto di codice ogni 400 m, nella "
         "cella contata o in una delle due vicine, e uno prima del primo segnale entro 600 m dopo la fine; qui le "
         "celle sono tutte prese. Nel rallentamento non si mettono altri punti di codice. I file si scrivono lo "
         "stesso.",
         "Warning: inside a slowdown below 110 km/h the compilation puts a code point every 400 m, into the "
         "counted cell or one of its two neighbours, and one before the first signal within 600 m after the end; "
         "here the cells are all taken. No further code point is put into the slowdown. The files are still "
         "written."},
        {"Spostate gli elementi che riempiono le tre celle intorno al punto contato, o quelle prima del segnale.",
         "Move the features that fill the three cells around the counted point, or those before the signal."},
        solo_treno("segnale, 5350, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nsegnale, 5400, 2, 2, 3, 0, 0, 0, 0,0,0, 238\n"
                   "segnale, 5450, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nrallentamento, 5000, 60, 1000, 1, 0, 0\n")));
    v.push_back(voce(
        "position_beyond_track",
        {"posizione oltre il binario", "position beyond the track"},
        {"La posizione di una voce cade oltre la fine del binario, che è lungo la lunghezza della linea più "
         "7000 m; una stazione ha bisogno di 800 m dopo la sua posizione, gli altri elementi del treno di 100 m. "
         "Nel treno la lettura passa alla conclusione; nella linea si ferma.",
         "An entry's position lies beyond the end of the track, which is the line length plus 7000 m long; a "
         "station needs 800 m after its position, the train's other features 100 m. In the train the reading "
         "goes on to its completion; in the line it stops."},
        {"Controllate la posizione, o allungate la linea con \"lunghezza percorso\".",
         "Check the position, or make the line longer with \"lunghezza percorso\"."},
        solo_treno("velocita, 20000, 80\n")));
    v.push_back(voce(
        "signal_cell_taken",
        {"segnale su una cella non libera", "signal on a cell that is not free"},
        {"Un \"segnale\" cade su una cella già presa (un altro segnale, una stazione, un rallentamento, un punto di "
         "codice). La cella di un segnale è la posizione diviso 50, più 1. La lettura del treno si ferma.",
         "A \"segnale\" lands on a cell already taken (another signal, a station, a slowdown, a code point). A "
         "signal's cell is its position divided by 50, plus 1. The reading of the train stops."},
        {"Spostate il segnale, o l'elemento che occupa la sua cella, di almeno 50 m.",
         "Move the signal, or the feature in its cell, by 50 m or more."},
        solo_treno("segnale, 2000, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nsegnale, 2000, 2, 2, 3, 0, 0, 0, 0,0,0, 238\n")));
    v.push_back(voce(
        "slowdown_warning_cell_taken",
        {"cartello di avviso di un rallentamento su una cella non libera",
         "a slowdown's warning board on a cell that is not free"},
        {"Un \"rallentamento\" che comincia oltre 1500 m ha un cartello di avviso 1200 m prima dell'inizio; la sua "
         "cella è già presa. La lettura del treno si ferma e non si scrive nessuna cella del rallentamento.",
         "A \"rallentamento\" starting beyond 1500 m has a warning board 1200 m before its start; that board's "
         "cell is already taken. The reading of the train stops and no cell of the slowdown is written."},
        {"Spostate il rallentamento, o l'elemento 1200 m prima del suo inizio.",
         "Move the slowdown, or the feature 1200 m before its start."},
        solo_treno("segnale, 3800, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nrallentamento, 5000, 60, 500, 1, 1, 0\n")));
    v.push_back(voce(
        "slowdown_start_cell_taken",
        {"inizio di un rallentamento su una cella non libera", "a slowdown's start on a cell that is not free"},
        {"La cella dell'inizio di un \"rallentamento\" (la posizione diviso 50, più 1) è già presa. La lettura del "
         "treno si ferma e non si scrive nessuna cella del rallentamento.",
         "The start cell of a \"rallentamento\" (its position divided by 50, plus 1) is already taken. The "
         "reading of the train stops and no cell of the slowdown is written."},
        {"Spostate l'inizio del rallentamento, o l'elemento nella sua cella.",
         "Move the slowdown's start, or the feature in its cell."},
        solo_treno("segnale, 5000, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nrallentamento, 5000, 60, 500, 1, 1, 0\n")));
    v.push_back(voce(
        "slowdown_end_cell_taken",
        {"fine di un rallentamento su una cella non libera", "a slowdown's end on a cell that is not free"},
        {"La cella della fine di un \"rallentamento\" (inizio più lunghezza, diviso 50, più 1) è già presa. La "
         "lettura del treno si ferma e non si scrive nessuna cella del rallentamento.",
         "The end cell of a \"rallentamento\" (start plus length, divided by 50, plus 1) is already taken. The "
         "reading of the train stops and no cell of the slowdown is written."},
        {"Cambiate la lunghezza del rallentamento, o spostate l'elemento nella cella della sua fine.",
         "Change the slowdown's length, or move the feature in its end cell."},
        solo_treno("segnale, 5500, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nrallentamento, 5000, 60, 500, 1, 1, 0\n")));
    v.push_back(voce(
        "cells_before_warning_taken",
        {"una delle quattro celle prima dell'avviso di un rallentamento non è libera",
         "one of the four cells before a slowdown's warning board is not free"},
        {"Con il quinto valore (f_ta) diverso da 0 un \"rallentamento\" prende anche le quattro celle prima del suo "
         "cartello di avviso, cioè i 200 m prima di esso; una è già presa. La lettura del treno si ferma; le celle "
         "di fine, inizio e avviso restano scritte.",
         "With its fifth value (f_ta) not 0 a \"rallentamento\" also takes the four cells before its warning "
         "board, the 200 m before it; one of them is already taken. The reading of the train stops; the end, "
         "start and warning cells stay written."},
        {"Spostate l'elemento nei 200 m prima dell'avviso, o date 0 come quinto valore.",
         "Move the feature in the 200 m before the warning board, or give 0 as the fifth value."},
        solo_treno("segnale, 3700, 2, 2, 3, 0, 0, 0, 0,0,0, 238\nrallentamento, 5000, 60, 500, 1, 1, 0\n")));
    v.push_back(voce(
        "speed_board_cell_taken",
        {"cartello delle velocità su una cella non libera", "speed board on a cell that is not free"},
        {"Un \"indicatori_vmax\" cade su una cella già presa da un altro elemento puntuale della linea. La lettura "
         "della linea si ferma.",
         "An \"indicatori_vmax\" lands on a cell already taken by another point feature of the line. The reading "
         "of the line stops."},
        {"Spostate uno dei due elementi di almeno 50 m.", "Move one of the two features by 50 m or more."},
        solo_linea("", "cartello_indicatore, 500, (A)\nindicatori_vmax, 510, 60,70,75,0,60,70,75,0\n")));
    v.push_back(voce(
        "station_zones_too_close",
        {"zona di una stazione che comincia meno di 350 m dopo la fine della precedente",
         "station zone beginning less than 350 m after the previous one ends"},
        {"Le stazioni vanno in ordine di posizione e la zona di ciascuna deve cominciare almeno 350 m dopo la fine "
         "della precedente. La zona va dalla posizione meno metà lunghezza alla posizione più metà lunghezza "
         "(con differenze per i tipi da 5 a 8). La lettura del treno si ferma.",
         "Stations go in order of position, and each one's zone must start 350 m or more after the previous zone "
         "ends. A zone runs from the position minus half the length to the position plus half the length (with "
         "differences for kinds 5 to 8). The reading of the train stops."},
        {"Allontanate le due stazioni, accorciate le loro zone, o mettetele in ordine di posizione.",
         "Move the two stations apart, shorten their zones, or put them in order of position."},
        solo_treno(std::string(stazione_a) +
                   "stazione, 3600, 4, 300, 1, 0, 1, 1,1,0, 2,1,1, 0, 8,25,0, SECONDA\n")));
    v.push_back(voce(
        "station_without_stop_cell",
        {"una zona di stazione che finisce così presto che la fermata sarebbe la cella 1 o 0",
         "a station zone ending so early that its stop would be cell 1 or 0"},
        {"La cella di fermata di una stazione è l'ultima cella della sua zona; una zona che finisce entro i primi "
         "100 m della linea la metterebbe sulla cella 1 o 0, che non la possono tenere. La lettura del treno si "
         "ferma.",
         "A station's stop cell is the last cell of its zone; a zone that ends within the first 100 m of the "
         "line would put it on cell 1 or 0, which cannot hold it. The reading of the train stops."},
        {"Spostate la stazione più avanti lungo la linea.", "Move the station further along the line."},
        solo_treno("stazione, 0, 12, 100, 0, 0, 0, 1,1,0, 3,1,1, 1, 8,15,0, PRIMA\n")));
    v.push_back(voce(
        "reading_failure",
        {"una descrizione non si è potuta leggere", "a description could not be read"},
        {"Un numero malformato, un valore che non entra nel suo membro o nella sua tabella, una lettura oltre la "
         "fine del testo, una sezione generale senza lunghezza della linea, o un testo del treno che manca. La "
         "lettura si ferma.",
         "A malformed number, a value that does not fit its member or table, a read past the end of the text, a "
         "general section without a line length, or a missing train text. The reading stops."},
        {"Correggete il valore alla riga e colonna indicate: solo cifre, con un segno meno davanti se serve, "
         "entro l'intervallo del campo.",
         "Correct the value at the line and column given: digits only, with a leading minus where needed, within "
         "the field's range."},
        solo_linea("", "pendenza, 12abc, 0\n")));
    v.push_back(voce(
        "line_description_missing",
        {"manca la descrizione della linea", "no line description"},
        {"Il file della descrizione della linea non esiste, quindi non c'è binario su cui mettere il treno. "
         "Nessun file compilato si può scrivere.",
         "The line description file does not exist, so there is no track to put the train on. No compiled file "
         "can be written."},
        {"Date il file della linea (ROUTE_linea.txt) accanto a quello del treno.",
         "Give the line description file (ROUTE_linea.txt) beside the train's."},
        {std::nullopt, treno("")}));
    v.push_back(voce(
        "general_heading_missing",
        {"nessun [generale] nella descrizione della linea", "no [generale] in the line description"},
        {"La descrizione della linea non contiene \"[generale]\": il lettore non trova dove cominciare e il binario "
         "non viene dimensionato.",
         "The line description holds no \"[generale]\": the reader finds nowhere to start and the track is never "
         "sized."},
        {"Scrivete \"[generale]\" prima di \"lunghezza percorso\".",
         "Write \"[generale]\" before \"lunghezza percorso\"."},
        {"lunghezza percorso, 10000\n[fine]\n", treno("")}));
    v.push_back(voce(
        "curve_unusable",
        {"una curva senza cifra di classe, o una curva che va oltre la planimetria",
         "a curve without a class digit, or a curve running past the plan"},
        {"La parola chiave di una \"curva\" deve portare la classe, una cifra da 1 a 6 (\"curvad3\", \"curvas5\"), "
         "e la curva deve stare dentro la planimetria. La lettura della linea si ferma.",
         "A curve's keyword must carry its class, a digit from 1 to 6 (\"curvad3\", \"curvas5\"), and the curve "
         "must lie within the plan. The reading of the line stops."},
        {"Aggiungete la cifra di classe alla parola chiave, o accorciate la curva.",
         "Add the class digit to the keyword, or shorten the curve."},
        solo_linea("", "curvas, 100, 50\n")));
    v.push_back(voce(
        "file_mark_slot_taken",
        {"il posto del marchio del file (cella 1 o voce 85) è già preso",
         "a file-mark slot (cell 1 or entry 85) is already taken"},
        {"Arresto \" Errore n. 1250\": la cella 1 del binario contiene già qualcosa dove va il marchio del file. "
         "Un elemento puntuale prima del metro 25 cade sulla cella 1. Non si scrive nessun file compilato.",
         "Stop \" Errore n. 1250\": cell 1 of the track already holds something where the file mark goes. A point "
         "feature before metre 25 lands on cell 1. No compiled file is written."},
        {"Lasciate vuota la cella 1: nessun elemento puntuale prima del metro 25.",
         "Keep cell 1 empty: no point feature before metre 25."},
        solo_treno("segnale, 0, 2, 2, 3, 0, 0, 0, 0,0,0, 238\n")));
    v.push_back(voce(
        "competition_code_slot_taken",
        {"il posto del codice di gara (cella 1 o voce 85) è già preso",
         "a competition-code slot (cell 1 or entry 85) is already taken"},
        {"Arresto \" Errore n. 1251\": la cella 1 del binario contiene già qualcosa dove va il codice di gara. Un "
         "elemento puntuale prima del metro 25 o un punto di codice tra i metri 26 e 74 cade sulla cella 1. Non "
         "si scrive nessun file compilato.",
         "Stop \" Errore n. 1251\": cell 1 of the track already holds something where the competition code goes. "
         "A point feature before metre 25, or a code point from metre 26 to 74, lands on cell 1. No compiled "
         "file is written."},
        {"Lasciate vuota la cella 1: nessun elemento puntuale prima del metro 25, nessun punto di codice tra i "
         "metri 26 e 74.",
         "Keep cell 1 empty: no point feature before metre 25, no code point from metre 26 to 74."},
        solo_treno("segnale, 0, 2, 0, 3, 0, 0, 0, 0,0,0, 238\n")));
    return v;
}

}  // namespace

const std::vector<Spiegazione>& spiegazioni() {
    static const std::vector<Spiegazione> tabella = costruisci();
    return tabella;
}

const Spiegazione* spiegazione(std::string_view nome) {
    for (const Spiegazione& s : spiegazioni()) {
        if (s.nome == nome) return &s;
    }
    return nullptr;
}

std::string_view nome_gravita(std::string_view gravita, Lingua lingua) {
    if (lingua == Lingua::en) return gravita;
    if (gravita == "error") return "errore";
    if (gravita == "warning") return "avviso";
    if (gravita == "stop") return "arresto";
    return gravita;
}

}  // namespace compattatore::guida
