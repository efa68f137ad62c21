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
    v.push_back(voce(
        "unknown-entry",
        {"un campo in posizione di parola chiave che non nomina nessun tipo di voce",
         "a keyword field that names no entry kind"},
        {"Il lettore riconosce una voce dalla parola chiave del suo primo campo; un campo che non ne contiene "
         "nessuna, o un'intestazione di sezione che la descrizione non conosce, viene saltato insieme ai campi "
         "che lo seguono sulla riga. L'elemento che l'autore voleva mettere, per esempio una pendenza a 1000 m, "
         "manca dal binario senza altri segni. Avvisa anche una parola chiave letta per la sua radice ma scritta "
         "in modo diverso. Dove una parola chiave è vicina, il rapporto la suggerisce.",
         "The reader knows an entry by the keyword of its first field; a field that holds none, or a section "
         "header the description does not know, is skipped together with the fields after it on its line. The "
         "feature the author meant, say a gradient at 1000 m, is missing from the track with no other sign. A "
         "keyword read by its root but spelt otherwise is reported too. Where a keyword is close, the report "
         "suggests it."},
        {"Correggete la parola chiave (qui \"pendenza\"), o togliete la riga.",
         "Correct the keyword (here \"pendenza\"), or remove the line."},
        solo_linea("", "pendnza, 1000, 5\n")));
    v.push_back(voce(
        "case",
        {"una parola chiave della sezione generale scritta con maiuscole",
         "a general-section keyword written with capitals"},
        {"Nella sezione generale della linea le parole chiave delle progressive, degli sfondi e della ripetizione "
         "segnali si riconoscono solo in minuscolo. \"Progressiva Chilometrica Uno\" non è quindi una progressiva: "
         "la riga viene saltata e la progressiva resta 0 m.",
         "In the line's general section the keywords of the progressives, the backgrounds and the cab signals "
         "are known in lower case only. \"Progressiva Chilometrica Uno\" is thus no progressive: the line is "
         "skipped and the progressive stays at 0 m."},
        {"Scrivete la parola chiave in minuscolo: \"progressiva chilometrica uno\".",
         "Write the keyword in lower case: \"progressiva chilometrica uno\"."},
        solo_linea("Progressiva Chilometrica Uno, 5000, 0, 0\n", "")));
    v.push_back(voce(
        "comment",
        {"un commento che sembra una voce, o un commento che il formato non conosce",
         "a comment that looks like an entry, or a comment the format does not know"},
        {"Un campo che contiene \"-\" è un commento, e un commento davanti ai valori di una voce la toglie: qui "
         "la pendenza a 1000 m non viene letta. Avvisa un commento che contiene una parola chiave, un campo che "
         "comincia con \"#\", \"//\" o \";\" (che qui non sono commenti e vengono saltati come campi sconosciuti), "
         "e un campo con \"-\" oltre il limite dei commenti di fila (dieci nella sezione generale della linea, "
         "due altrove), che viene letto come parola chiave.",
         "A field that holds \"-\" is a comment, and a comment in front of an entry's values takes the entry "
         "out: here the gradient at 1000 m is not read. Reported are a comment that holds a keyword, a field "
         "starting with \"#\", \"//\" or \";\" (no comments here: they are skipped as unknown fields), and a "
         "field with \"-\" past the limit of comments in a row (ten in the line's general section, two "
         "elsewhere), which is read as a keyword field."},
        {"Se la voce deve valere, togliete il \"-\"; se è un commento voluto, toglietene la parola chiave.",
         "If the entry is meant, remove the \"-\"; if the comment is meant, take the keyword out of it."},
        solo_linea("", "-- pendenza, 1000, 5\n")));
    v.push_back(voce(
        "fields",
        {"una riga con più o meno campi di quanti ne prende la sua voce",
         "a line with more or fewer fields than its entry takes"},
        {"Ogni voce prende un numero fisso di valori, a prescindere dalle righe. Una riga con un campo in più "
         "lascia il resto della riga al lettore, che lo legge come parola chiave e lo salta; una riga con un "
         "campo in meno prende il valore mancante dalla riga dopo, che perde così il suo primo campo. Avvisa "
         "anche un campo con due parole chiave, che viene trattato due volte.",
         "Each entry takes a fixed number of values, whatever the lines. A line with a field too many leaves the "
         "rest of the line to the reader, who reads it as a keyword field and skips it; a line with a field too "
         "few takes the missing value from the next line, which so loses its first field. A field holding two "
         "keywords, handled twice, is reported too."},
        {"Date alla voce esattamente i suoi valori: \"pendenza\" ne prende due, la posizione e il valore.",
         "Give the entry exactly its values: \"pendenza\" takes two, the position and the value."},
        solo_linea("", "pendenza, 1000, 5, 0\n")));
    v.push_back(voce(
        "place",
        {"una voce nella parte sbagliata della sua descrizione", "an entry in the wrong part of its description"},
        {"Le voci generali (lunghezza, progressive, sfondi, ripetizione segnali) vanno nella sezione "
         "\"[generale]\", gli elementi lungo la linea dopo la sua fine. Una voce fuori dal suo posto non viene "
         "letta: qui la pendenza a 1000 m manca dal binario. Nemmeno il testo prima di \"[generale]\" viene "
         "letto.",
         "The general entries (length, progressives, backgrounds, cab signals) go into the \"[generale]\" "
         "section, the features along the line after its end. An entry out of its place is not read: here the "
         "gradient at 1000 m is missing from the track. Text before \"[generale]\" is not read either."},
        {"Spostate la voce nella sua parte: qui dopo \"[curve]\".", "Move the entry into its part: here after \"[curve]\"."},
        solo_linea("pendenza, 1000, 5\n", "")));
    v.push_back(voce(
        "order",
        {"voci fuori dall'ordine di posizione o di orario", "entries out of order of position or time"},
        {"Le voci di un profilo (pendenze, velocità, aderenze) valgono ciascuna dalla sua posizione alla "
         "successiva: una voce che viene dopo un'altra con posizione maggiore non vale per nessun metro, o vale "
         "per tratti che l'autore non intendeva. Una curva prima della precedente si perde dalla planimetria, e "
         "le stazioni vanno in ordine crescente di posizione e di orario.",
         "Each entry of a profile (gradients, speeds, adhesions) holds from its position to the next one's: an "
         "entry that follows one at a greater position holds for no metre, or for stretches the author did not "
         "mean. A curve before the previous one is lost from the plan, and stations go in increasing order of "
         "position and of time."},
        {"Mettete le voci in ordine crescente di posizione (e le stazioni anche di orario).",
         "Put the entries in increasing order of position (and the stations of time too)."},
        solo_linea("", "pendenza, 2000, 5\npendenza, 1000, 3\n")));
    v.push_back(voce(
        "grid",
        {"una posizione che non è multipla di 50 m", "a position that is not a multiple of 50 m"},
        {"Il binario è fatto di celle di 50 m: una posizione che non è multipla di 50 viene portata alla sua "
         "cella, e l'elemento cade a un altro metro. Qui la pendenza a 1020 m comincia a 1000 m; un elemento "
         "puntuale, con la sua cella in più, si sposta in avanti o indietro di fino a 25 m. Il rapporto dice a "
         "quale metro cade.",
         "The track is made of 50 m cells: a position that is not a multiple of 50 is moved to its cell, and "
         "the feature lands at another metre. Here the gradient at 1020 m starts at 1000 m; a point feature, with "
         "its cell offset, moves forward or back by up to 25 m. The report says which metre it lands at."},
        {"Date la posizione come multiplo di 50 m, quello a cui l'elemento deve stare.",
         "Give the position as the multiple of 50 m where the feature belongs."},
        solo_linea("", "pendenza, 1020, 5\n")));
    v.push_back(voce(
        "beyond-line",
        {"un elemento oltre la fine della linea, nei 7000 m in cui il binario prosegue",
         "a feature past the end of the line, in the 7000 m the track runs on"},
        {"Il binario prosegue per 7000 m oltre la lunghezza della linea, perché il treno possa fermarsi; un "
         "elemento lì viene messo senza errore, ma sta dopo la fine della linea, dove il servizio non arriva. "
         "Di solito la posizione o la lunghezza della linea è sbagliata: qui un cartello a 12000 m su una linea "
         "di 10000 m.",
         "The track runs on 7000 m past the line's length, so that the train can stop; a feature there is placed "
         "without an error, but it lies past the line's end, where the service never goes. Mostly the position "
         "or the line length is wrong: here a board at 12000 m on a line of 10000 m."},
        {"Controllate la posizione, o allungate la linea con \"lunghezza percorso\".",
         "Check the position, or make the line longer with \"lunghezza percorso\"."},
        solo_linea("", "cartello_indicatore, 12000, (A)\n")));
    v.push_back(voce(
        "overlap",
        {"voci che si sovrappongono", "entries that overlap"},
        {"Due voci di un profilo sulla stessa cella di 50 m: la prima vale per una cella sola, poi vale la "
         "seconda. Avvisano anche una curva che comincia prima della fine della precedente (i suoi primi metri "
         "si perdono), due zone di montagna che si sovrappongono e un rallentamento dentro la zona di una "
         "stazione.",
         "Two entries of a profile on the same 50 m cell: the first holds for one cell only, then the second "
         "holds. Also reported are a curve that starts before the previous one ends (its first metres are "
         "lost), two mountain zones that overlap, and a slowdown inside a station's zone."},
        {"Tenete una voce sola per cella, o allontanate le voci di almeno 50 m.",
         "Keep one entry to a cell, or move the entries 50 m or more apart."},
        solo_linea("", "pendenza, 1000, 5\npendenza, 1000, 3\n")));
    v.push_back(voce(
        "twice",
        {"una voce generale data due volte", "a general entry given twice"},
        {"Una voce generale (della linea, come \"lunghezza percorso\", o del treno, come \"massa frenata\") data "
         "due volte vale con il suo ultimo valore: il primo si perde senza segno. Qui la linea è lunga 12000 m, "
         "non 10000.",
         "A general entry (of the line, such as \"lunghezza percorso\", or of the train, such as \"massa "
         "frenata\") given twice holds with its last value: the first is lost with no sign. Here the line is "
         "12000 m long, not 10000."},
        {"Tenete una sola voce, con il valore voluto.", "Keep one entry, with the value meant."},
        solo_linea("lunghezza percorso, 12000\n", "")));
    v.push_back(voce(
        "values",
        {"un valore fuori da quanto ha una ferrovia di questo tipo",
         "a value outside what a railway of this kind has"},
        {"Il formato accetta il valore, ma nessuna linea di questo tipo lo ha: orari da 00:00:00 a 23:59:59, "
         "velocità da 5 a 300 km/h e multiple di 5 (si memorizzano divise per 5), pendenze da -60 a 60 per mille, "
         "massa frenata dal 30 al 250 %, da 1 a 50 vetture. Spesso è un errore di battitura o di unità.",
         "The format takes the value, but no line of this kind has it: times from 00:00:00 to 23:59:59, speeds "
         "from 5 to 300 km/h and multiples of 5 (they are stored divided by 5), gradients from -60 to 60 per "
         "mille, braked mass from 30 to 250 %, 1 to 50 cars. It is mostly a typing slip or a wrong unit."},
        {"Controllate il valore e la sua unità: qui una pendenza in per mille, non in per cento.",
         "Check the value and its unit: here a gradient in per mille, not per cent."},
        solo_linea("", "pendenza, 1000, 80\n")));
    v.push_back(voce(
        "encoding",
        {"un testo con caratteri UTF-8 o un segno d'ordine dei byte, mentre il formato è Windows-1252",
         "a text with UTF-8 characters or a byte-order mark, while the format is Windows-1252"},
        {"Le descrizioni sono in Windows-1252, un byte per carattere. Un file salvato in UTF-8 scrive una lettera "
         "accentata con due o tre byte, che si leggono come altrettanti caratteri: \"CITTÀ\" diventa un testo di "
         "sei caratteri, che il simulatore mostra storpiato. Un segno d'ordine dei byte all'inizio si legge come "
         "tre caratteri del primo campo.",
         "The descriptions are Windows-1252, one byte to a character. A file saved as UTF-8 writes an accented "
         "letter with two or three bytes, which read as as many characters: \"CITTÀ\" becomes a text of six "
         "characters, which the simulator shows garbled. A byte-order mark at the start reads as three "
         "characters of the first field."},
        {"Salvate il file in Windows-1252, o date --input-encoding utf-8 perché lo strumento lo converta.",
         "Save the file as Windows-1252, or give --input-encoding utf-8 to have the tool convert it."},
        solo_linea("", "cartello_indicatore, 500, (CITT\xC3\x80)\n")));
    v.push_back(voce(
        "encoding-unmappable",
        {"un carattere di un testo UTF-8 che non ha un byte Windows-1252",
         "a character of a UTF-8 text that has no Windows-1252 byte"},
        {"Con --input-encoding utf-8 lo strumento converte le descrizioni in Windows-1252, il formato dei file. "
         "Un carattere che Windows-1252 non ha (qui l'omega greca), o un byte che non è UTF-8, non si può "
         "convertire: la descrizione viene rifiutata e nessun file si scrive.",
         "With --input-encoding utf-8 the tool converts the descriptions to Windows-1252, the format of the "
         "files. A character Windows-1252 does not have (here the Greek omega), or a byte that is not UTF-8, "
         "cannot be converted: the description is refused and no file is written."},
        {"Sostituite il carattere con uno di Windows-1252 (lettere latine, accenti dell'Europa occidentale).",
         "Replace the character with one Windows-1252 has (Latin letters, Western European accents)."},
        solo_linea("", "cartello_indicatore, 500, (\xCE\xA9)\n")));
    v.push_back(voce(
        "train-without-general",
        {"la descrizione del treno è vuota o non ha \"[generale]\"",
         "the train description is empty or has no \"[generale]\""},
        {"Il lettore del treno salta tutto fino al primo campo che contiene \"[generale]\". Senza di esso non "
         "legge nessuna voce, e il programma darebbe senza errori un treno senza profili, stazioni né segnali. "
         "Lo strumento lo rifiuta.",
         "The train reader skips everything up to the first field that holds \"[generale]\". Without one it reads "
         "no entry, and the program would give, with no error, a train with no profile, station or signal. The "
         "tool refuses it."},
        {"Scrivete \"[generale]\" in testa alla descrizione del treno.",
         "Write \"[generale]\" at the head of the train description."},
        {linea("", ""), "aderenza, 0, 100\nvelocita, 0, 100\n[fine]\n"}));
    v.push_back(voce(
        "text-too-long",
        {"un nome di stazione o un testo di cartello più lungo di 32767 byte",
         "a station name or board text longer than 32767 bytes"},
        {"Una voce del file delle voci tiene al più 32767 byte di testo; un nome o un testo più lungo non si "
         "potrebbe scrivere intero, e il programma scriverebbe una voce rovinata. Lo strumento rifiuta la "
         "descrizione alla voce.",
         "An entry of the entry file holds at most 32767 bytes of text; a longer name or text could not be "
         "written whole, and the program would write a broken entry. The tool refuses the description at the "
         "entry."},
        {"Accorciate il testo: un cartello o un nome di stazione ne usa di solito poche decine di byte.",
         "Shorten the text: a board or a station name mostly needs a few dozen bytes."},
        solo_linea("", "cartello_indicatore, 500, (" + std::string(32768, 'A') + ")\n")));
    v.push_back(voce(
        "text-from-next-line",
        {"una riga di stazione o di cartello finisce prima del suo testo, preso dalla riga dopo",
         "a station or board line ends before its text, which is taken from the next line"},
        {"Il testo è l'ultimo valore di una \"stazione\" o di un \"cartello_indicatore\". Se la riga finisce prima, "
         "il lettore lo prende dal primo campo della riga dopo, che così non viene più letto per sé: qui il "
         "cartello a 500 m mostra \"(A)\" solo perché la riga dopo è quella, mentre un'altra voce al suo posto "
         "andrebbe persa.",
         "The text is the last value of a \"stazione\" or a \"cartello_indicatore\". When the line ends before "
         "it, the reader takes it from the first field of the next line, which is then no longer read for "
         "itself: here the board at 500 m shows \"(A)\" only because that is the next line, while another entry "
         "there would be lost."},
        {"Scrivete il testo sulla riga della sua voce.", "Write the text on its entry's line."},
        solo_linea("", "cartello_indicatore, 500\n(A)\n")));
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
