// Every control of the quiz window, topmost first, in twips. The seven answer buttons take
// their captions from the quiz configuration, so caption and answer text are one string.
#include "quiz/layout_quiz.h"

#include <array>

namespace kestrano {

using namespace ui;

namespace {

constexpr Carattere arial12 = grassetto("Arial", 12), sansSerif12 = grassetto("MS Sans Serif", 12),
                    arial50 = grassetto("Arial", 50.25), arial24 = grassetto("Arial", 24),
                    times72 = grassetto("Times New Roman", 72), sansSerif975 = grassetto("MS Sans Serif", 9.75),
                    times2175 = grassetto("Times New Roman", 21.75), arial1425 = grassetto("Arial", 14.25),
                    sansSerif825 = grassetto("MS Sans Serif", 8.25);
constexpr Colore rosa = rgb(255, 192, 192), gialloChiaro = rgb(255, 255, 192), sfondoFinestra = rgb(255, 224, 192);
constexpr auto sinistra = Allineamento::sinistra, centro = Allineamento::centro;
constexpr std::optional<Colore> trasparente{};

// The rows of the controls the engine drives take their names from its enums.
constexpr auto tabella(const ConfigurazioneQuiz& c) {
    const auto d = [&c](PulsanteRisposta p) { return c.didascalia(p); };
    using enum PulsanteRisposta;
    using enum Pulsante;
    using enum Etichetta;
    const char* const frame2 = nomeFrame2;
    // clang-format off
    return std::to_array<DescrizioneControllo>({
    // name                 caption                       left   top   width height font       fill                    tab
    pulsante(nome(CmdRicomincia), "Ricomincia",               8430, 4410, 3315, 525, arial12,     std::nullopt,            25),
    pulsante(nome(Command8),   d(Command8),                3510, 6390, 1275, 525, arial12,     rosa,                    23),
    pulsante(nome(Command7),   d(Command7),                3510, 5850, 1275, 525, arial12,     rosa,                    22),
    pulsante(nome(Command6),   d(Command6),                2220, 6390, 1275, 525, arial12,     rosa,                    21),
    pulsante(nome(Command5),   d(Command5),                2220, 5850, 1275, 525, arial12,     rosa,                    20),
    pulsante(nome(Command4),   d(Command4),                 510, 6930, 4275, 525, arial12,     rosa,                    19),
    pulsante(nome(Command3),   d(Command3),                 510, 6390, 1695, 525, arial12,     rosa,                    18),
    pulsante(nome(Command2),   d(Command2),                 510, 5850, 1695, 525, arial12,     rosa,                    17),
    cornice(frame2,           "ELABORAZIONE",             8505, 5670, 3270, 1680,             rosa,                     9),
    // name                   caption                      left  top  width height font       text colour       background   align     tab
    etichetta("LblEsercizio",     "",                      240,  960, 480,  480, arial1425,    rgb(0, 192, 0),   trasparente, centro,   15).in(frame2)
        .decorazione(),  // never written
    etichetta(nome(LblOperazione),    "",                      975,  960, 480,  480, arial1425,    rgb(0, 192, 0),   trasparente, centro,   14).in(frame2),
    etichetta(nome(LblTempoParziale), "",                     1695,  960, 480,  480, arial1425,    rgb(255, 0, 0),   trasparente, sinistra, 13).in(frame2)
        .conSuggerimento("Secondi impiegati per ogni risposta"),
    etichetta(nome(LblTempoTotale),   "",                     2535,  960, 480,  480, arial1425,    rgb(255, 0, 0),   trasparente, sinistra, 12).in(frame2)
        .conSuggerimento("Secondi impiegati per ogni esercizio"),
    // The header keeps its blanks: they put each title over its column.
    etichetta("Label9", "             Dom.   Tempo      Tempo ",    240, 360, 3015, 255, sansSerif825, testoPulsante, trasparente, sinistra, 11).in(frame2)
        .detta("Dom. Tempo Tempo"),
    etichetta("Label7", "                        parziale    totale", 240, 600, 3015, 255, sansSerif825, testoPulsante, trasparente, sinistra, 10).in(frame2)
        .detta("parziale totale"),
    // name     from         to
    linea("Line1",  840, 360,  840, 1200, testoFinestra).in(frame2),
    linea("Line2", 1560, 360, 1560, 1200, testoFinestra).in(frame2),
    linea("Line4", 2400, 360, 2400, 1200, testoFinestra).in(frame2),
    pulsante(nome(CmdVerifica),   "Verifica",                  540, 5070, 7785, 540, sansSerif12, rgb(255, 128, 128),       6),
    pulsante(nome(CmdFine),       "F i n e",                  8415, 5040, 3330, 540, arial12,     rgb(255, 192, 255),       5).detta("Fine"),
    pulsante(nome(CmdOperazione), "Visualizza nuova domanda",  510, 5100, 7785, 540, sansSerif12, rgb(255, 128, 0),         4),
    pulsante("Command1",      "",                          525, 5070, 7785, 540, carattereDiSistema, rgb(255, 192, 255), 7).disabilitato().decorazione(),
    etichetta(nome(lblRisultato),    "",                      2940, 2280, 4275, 1335, arial50,     testoPulsante,    trasparente,  centro,   24),
    etichetta(nome(LblNumero2),      "",                       660,  870, 11055, 1185, arial24,    rgb(0, 128, 0),   gialloChiaro, centro,    1),
    etichetta(nome(LblEsito),        "",                       540, 3630, 7785, 1320, times72,     rgb(255, 128, 0), trasparente,  centro,   16),
    etichetta(nome(LblIstruzione),   "",                       420, 7770, 11355, 330, sansSerif975, rgb(0, 0, 255),  gialloChiaro, sinistra,  8),
    // Never written: in the window's own colour it covers the right part of the title strip.
    etichetta("LblContrassegno", "",                      6150,  180, 4185, 495, times2175,    rgb(0, 128, 0),   sfondoFinestra, sinistra, 3).decorazione(),
    etichetta("Label1", "Misure di lunghezza",             570,  180, 11175, 495, times2175,   rgb(0, 0, 192),   sfondoFinestra, sinistra, 0),
    forma("Shape1",                                        540,  720, 11295, 1395, rgb(255, 255, 0), testoFinestra, 2),
    // A light-yellow panel behind the question and the chosen answer.
    etichetta("Label3",          "",                       570,  750, 11250, 2955, carattereDiSistema, testoPulsante, gialloChiaro, sinistra, 2).decorazione(),
    });
    // clang-format on
}
using Tabella = decltype(tabella(configurazioneMultipli));

// How many rows of the table carry the name.
constexpr std::size_t righeDi(const Tabella& t, std::string_view nome) {
    std::size_t n = 0;
    for (const DescrizioneControllo& d : t) n += d.nome == nome ? 1 : 0;
    return n;
}
// Each control the engine drives has exactly one row.
template <typename Enum>
constexpr bool ogniControlloUnaVolta(const Tabella& t) {
    for (std::size_t i = 0; i < contaValori<Enum>(); ++i)
        if (righeDi(t, nome(static_cast<Enum>(i))) != 1) return false;
    return true;
}
// (The rows' names do not depend on the quiz.)
constexpr Tabella righe = tabella(configurazioneMultipli);
static_assert(ogniControlloUnaVolta<Etichetta>(righe) && ogniControlloUnaVolta<Pulsante>(righe) &&
                  ogniControlloUnaVolta<PulsanteRisposta>(righe) && righeDi(righe, nomeFrame2) == 1,
              "one row for each control the engine drives");

}  // namespace

std::span<const DescrizioneControllo> layoutQuiz(Quiz quiz) {
    // One table per quiz, built once from its configuration.
    static const std::array<Tabella, numeroQuiz> tabelle = [] {
        std::array<Tabella, numeroQuiz> t{};
        for (std::size_t i = 0; i < numeroQuiz; ++i) t[i] = tabella(variantiQuiz[i].configurazione);
        return t;
    }();
    return tabelle[indice(quiz)];
}

std::string formaParlata(std::string_view testo) {
    for (const auto& [mostrato, parlato] : formeParlate)
        if (mostrato == testo) return std::string(parlato);
    std::string detto(testo);
    for (const auto& [pezzo, parlato] : pezziParlati)
        for (std::size_t i = detto.find(pezzo); i != std::string::npos; i = detto.find(pezzo, i + parlato.size()))
            detto.replace(i, pezzo.size(), parlato);
    return detto == testo ? std::string() : detto;
}

DescrizioneFinestra finestraQuiz(Quiz quiz) {
    const VarianteQuiz& v = variante(quiz);
    return {nome(quiz), v.titolo, 11880,     8310,  sfondoFinestra, Bordo::ridimensionabile,
            "MnuFile",  "&File",  "MnuEsci", "Esci"};
}

}  // namespace kestrano
