// The drill's steps, each in the order the window's behaviour depends on.
#include "quiz/motore_quiz.h"

#include <cmath>

namespace kestrano {

std::string testoNumero(float valore) {
    return std::to_string(static_cast<long long>(valore));
}

MotoreQuiz::MotoreQuiz(const ConfigurazioneQuiz& configurazione, Orologio& orologio, GeneratoreCasuale& generatore)
    : configurazione_(configurazione), orologio_(orologio), generatore_(generatore) {}

void MotoreQuiz::collegaVista(VistaQuiz* vista) {
    vista_ = vista;
}

VistaQuiz& MotoreQuiz::v() {
    return vista_ ? *vista_ : nessunaVista_;
}

void MotoreQuiz::Form_Load() {
    contatore_ = 1;
    v().impostaDidascalia(Etichetta::LblOperazione, testoNumero(contatore_));
    v().impostaVisibile(Pulsante::CmdRicomincia, false);
    v().impostaVisibile(Pulsante::CmdFine, true);
    v().impostaVisibile(Pulsante::CmdOperazione, false);
    v().impostaVisibile(Pulsante::CmdVerifica, false);
    v().impostaSfondoFrame2(coloreFrame2Caricato);
    // The fresh controls show no choice; the choice is cleared without lblRisultato_Change,
    // so "F i n e" stays offered until the first answer.
    risposta_.clear();
    estraiDomanda();
}

void MotoreQuiz::estraiDomanda() {
    generatore_.reinizializza(orologio_.secondiDaMezzanotte());
    const double r = generatore_.prossimo();
    numeroDomanda_ = static_cast<float>(std::floor(r * domandePerBanca) + 1.0);
    visualizza();
}

void MotoreQuiz::visualizza() {
    if (const Domanda* d = trovaDomanda(configurazione_.banca, numeroDomanda_)) {
        testoDomanda_ = d->testo;
        domanda_ = d;
    }
    v().impostaDidascalia(Etichetta::LblNumero2, testoDomanda_);
    oraInizio_ = orologio_.secondiDaMezzanotte();
    inizioStabile_ = orologio_.secondiStabili();
    v().impostaDidascalia(Etichetta::LblIstruzione, testoCliccaEsatto);
}

void MotoreQuiz::sceltaRisposta(PulsanteRisposta pulsante) {
    risposta_ = configurazione_.didascalia(pulsante);
    v().impostaDidascalia(Etichetta::lblRisultato, risposta_);
    lblRisultato_Change();
}

void MotoreQuiz::lblRisultato_Change() {
    v().impostaVisibile(Pulsante::CmdFine, false);
    if (!risposta_.empty()) {
        v().impostaVisibile(Pulsante::CmdVerifica, true);
        v().impostaDidascalia(Etichetta::LblIstruzione, testoCliccaVerifica);
    }
}

void MotoreQuiz::abilitaRisposte(bool abilitate) {
    for (std::size_t i = 0; i < numeroPulsantiRisposta; ++i)
        v().impostaAbilitato(static_cast<PulsanteRisposta>(i), abilitate);
}

void MotoreQuiz::CmdVerifica_Click() {
    abilitaRisposte(false);
    verificaRisposta();
}

void MotoreQuiz::verificaRisposta() {
    // With no key yet every answer is wrong.
    const bool esatta = domanda_ && rispostaEsatta(risposta_, *domanda_);
    v().impostaDidascalia(Etichetta::LblEsito, esatta ? testoEsatto : testoErrato);
    if (contatore_ == domandePerEsercizio) {
        // The drill is over; "Verifica" stays offered, and pressing it again re-verifies 96.
        v().impostaVisibile(Pulsante::CmdFine, true);
        v().impostaVisibile(Pulsante::CmdRicomincia, true);
    } else {
        v().impostaVisibile(Pulsante::CmdOperazione, true);
        v().impostaVisibile(Pulsante::CmdVerifica, false);
        v().impostaDidascalia(Etichetta::LblIstruzione, testoCliccaNuovaDomanda);
    }
    oraVerifica_ = orologio_.secondiDaMezzanotte();
    // The time of day jumps at midnight, at the changes of summer time and whenever the clock
    // is set, so the seconds are counted on the steady clock, read beside each time of day.
    tempoParziale_ = static_cast<float>(std::floor(orologio_.secondiStabili() - inizioStabile_));
    v().impostaDidascalia(Etichetta::LblTempoParziale, testoNumero(tempoParziale_));
    tempoTotale_ = tempoTotale_ + tempoParziale_;
    v().impostaDidascalia(Etichetta::LblTempoTotale, testoNumero(tempoTotale_));
}

void MotoreQuiz::CmdOperazione_Click() {
    nuovaDomanda();
}

void MotoreQuiz::nuovaDomanda() {
    abilitaRisposte(true);
    contatore_ = static_cast<std::int16_t>(contatore_ + 1);
    v().impostaDidascalia(Etichetta::LblOperazione, testoNumero(contatore_));
    estraiDomanda();
    v().impostaVisibile(Pulsante::CmdOperazione, false);
    v().impostaVisibile(Pulsante::CmdVerifica, false);
    risposta_.clear();
    v().impostaDidascalia(Etichetta::lblRisultato, risposta_);
    lblRisultato_Change();
    v().impostaDidascalia(Etichetta::LblEsito, "");
}

void MotoreQuiz::CmdRicomincia_Click() {
    contatore_ = 0;
    v().impostaVisibile(Pulsante::CmdRicomincia, false);
    nuovaDomanda();
}

void MotoreQuiz::CmdFine_Click() {
    v().chiudiFinestra();
}

void MotoreQuiz::MnuEsci_Click() {
    v().terminaProgramma();
}

}  // namespace kestrano
