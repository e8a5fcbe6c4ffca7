// The drill of one quiz window: draws questions, takes the pupil's choice, verifies it, times
// it and moves on to question 96. It reaches its window only through VistaQuiz, so a test can
// drive it with a recording view, a fixed clock and a scripted generator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "quiz/configurazione_quiz.h"
#include "quiz/generatore_casuale.h"
#include "quiz/orologio.h"
#include "quiz/vista_quiz.h"

namespace kestrano {

// A drill runs as many turns as a bank has questions.
inline constexpr std::int16_t domandePerEsercizio = domandePerBanca;

inline constexpr std::string_view testoCliccaEsatto = "Clicca sul pulsante esatto";
inline constexpr std::string_view testoCliccaVerifica = "Clicca sul pulsante Verifica";
inline constexpr std::string_view testoCliccaNuovaDomanda = "Clicca sul pulsante Visualizza nuova domanda";
inline constexpr std::string_view testoEsatto = "E  s  a  t  t  o";  // two blanks between letters
inline constexpr std::string_view testoErrato = "E  r  r  a  t  o";
inline constexpr ColoreRgb coloreFrame2Caricato{225, 255, 225};

class MotoreQuiz {
public:
    MotoreQuiz(const ConfigurazioneQuiz& configurazione, Orologio& orologio, GeneratoreCasuale& generatore);

    // The window that currently shows this engine, or nullptr while it is closed. The engine
    // outlives its windows: each opening attaches a fresh one.
    void collegaVista(VistaQuiz* vista);
    const VistaQuiz* vista() const { return vista_; }

    // Entry operations, one per control event of the window.
    void Form_Load();
    void Command2_Click() { sceltaRisposta(PulsanteRisposta::Command2); }
    void Command3_Click() { sceltaRisposta(PulsanteRisposta::Command3); }
    void Command4_Click() { sceltaRisposta(PulsanteRisposta::Command4); }
    void Command5_Click() { sceltaRisposta(PulsanteRisposta::Command5); }
    void Command6_Click() { sceltaRisposta(PulsanteRisposta::Command6); }
    void Command7_Click() { sceltaRisposta(PulsanteRisposta::Command7); }
    void Command8_Click() { sceltaRisposta(PulsanteRisposta::Command8); }
    void CmdVerifica_Click();
    void CmdOperazione_Click();
    void CmdRicomincia_Click();
    void CmdFine_Click();
    void MnuEsci_Click();

    // Shows the question numeroDomanda selects (or the one held before) and takes the start time.
    void visualizza();

    const ConfigurazioneQuiz& configurazione() const { return configurazione_; }
    std::int16_t contatore() const { return contatore_; }
    float numeroDomanda() const { return numeroDomanda_; }
    const std::string& testoDomanda() const { return testoDomanda_; }
    // The key of the question shown; none before the first question is found.
    std::optional<std::string> rispostaAttesa() const {
        return domanda_ ? std::optional<std::string>(domanda_->rispostaAttesa) : std::nullopt;
    }
    const std::string& risposta() const { return risposta_; }
    float oraInizio() const { return oraInizio_; }
    float oraVerifica() const { return oraVerifica_; }
    float tempoTotale() const { return tempoTotale_; }

private:
    // What the seven answer operations share: the pressed button's caption becomes the choice.
    void sceltaRisposta(PulsanteRisposta pulsante);
    void estraiDomanda();
    void lblRisultato_Change();
    void verificaRisposta();
    void nuovaDomanda();
    void abilitaRisposte(bool abilitate);
    VistaQuiz& v();

    const ConfigurazioneQuiz& configurazione_;
    Orologio& orologio_;
    GeneratoreCasuale& generatore_;
    VistaQuiz* vista_ = nullptr;
    VistaNulla nessunaVista_;  // stands in while no window is attached, so no call needs a check

    std::int16_t contatore_ = 0;
    float numeroDomanda_ = 0.0f;
    std::string testoDomanda_;
    const Domanda* domanda_ = nullptr;  // the record shown; its key is the engine's rispostaAttesa
    std::string risposta_;
    float oraInizio_ = 0.0f;
    double inizioStabile_ = 0.0;  // the steady reading taken with oraInizio_
    float oraVerifica_ = 0.0f;
    float tempoParziale_ = 0.0f;
    float tempoTotale_ = 0.0f;
};

// Runs the entry operation of an answer button, as its click does.
inline void premiRisposta(MotoreQuiz& motore, PulsanteRisposta p) {
    switch (p) {
        case PulsanteRisposta::Command2:
            return motore.Command2_Click();
        case PulsanteRisposta::Command3:
            return motore.Command3_Click();
        case PulsanteRisposta::Command4:
            return motore.Command4_Click();
        case PulsanteRisposta::Command5:
            return motore.Command5_Click();
        case PulsanteRisposta::Command6:
            return motore.Command6_Click();
        case PulsanteRisposta::Command7:
            return motore.Command7_Click();
        case PulsanteRisposta::Command8:
            return motore.Command8_Click();
    }
}

// A whole number of seconds (or the counter) as the labels show it: plain digits, "-" if negative.
std::string testoNumero(float valore);

}  // namespace kestrano
