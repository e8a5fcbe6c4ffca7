// Test doubles for the quiz engine: a view that records what the window would show, a clock
// that reads what the test sets, and a generator that replays scripted values.
#pragma once

#include <cmath>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "quiz/generatore_casuale.h"
#include "quiz/orologio.h"
#include "quiz/sorgenti.h"
#include "quiz/vista_quiz.h"

namespace kestrano::test {

class VistaRegistrata final : public VistaQuiz {
public:
    // A freshly built window: every label empty, every button visible and enabled.
    std::map<Etichetta, std::string> didascalie;
    std::map<Pulsante, bool> visibili{{Pulsante::CmdVerifica, true},
                                      {Pulsante::CmdOperazione, true},
                                      {Pulsante::CmdRicomincia, true},
                                      {Pulsante::CmdFine, true}};
    std::map<PulsanteRisposta, bool> abilitati;
    ColoreRgb sfondoFrame2{255, 192, 192};
    int chiusure = 0;
    int terminazioni = 0;
    std::vector<std::string> registro;  // every call, in order

    VistaRegistrata() {
        for (std::size_t i = 0; i < numeroPulsantiRisposta; ++i) abilitati[static_cast<PulsanteRisposta>(i)] = true;
    }
    std::string testo(Etichetta e) const {
        auto it = didascalie.find(e);
        return it == didascalie.end() ? std::string() : it->second;
    }
    bool visibile(Pulsante p) const { return visibili.at(p); }
    bool risposteAbilitate() const {
        for (const auto& [p, a] : abilitati)
            if (!a) return false;
        return true;
    }
    bool risposteDisabilitate() const {
        for (const auto& [p, a] : abilitati)
            if (a) return false;
        return true;
    }

    void impostaDidascalia(Etichetta e, std::string_view t) override {
        didascalie[e] = std::string(t);
        registro.push_back("testo " + std::string(nome(e)) + " " + std::string(t));
    }
    void impostaVisibile(Pulsante p, bool v) override {
        visibili[p] = v;
        registro.push_back("visibile " + std::string(nome(p)) + " " + (v ? "1" : "0"));
    }
    void impostaAbilitato(PulsanteRisposta p, bool a) override {
        abilitati[p] = a;
        registro.push_back("abilitato " + std::string(nome(p)) + " " + (a ? "1" : "0"));
    }
    void impostaSfondoFrame2(ColoreRgb c) override {
        sfondoFrame2 = c;
        registro.push_back("sfondo");
    }
    void chiudiFinestra() override { ++chiusure; }
    void terminaProgramma() override { ++terminazioni; }
};

// The time of day reads `ora`; the steady count reads `stabile`. passa() lets real time go by
// (the time of day wraps at midnight); setting `ora` alone moves only the wall clock.
class OrologioFisso final : public Orologio {
public:
    float ora = 0.0f;
    double stabile = 1.0e6;
    float secondiDaMezzanotte() override { return ora; }
    double secondiStabili() override { return stabile; }
    void passa(double secondi) {
        stabile += secondi;
        ora = static_cast<float>(std::fmod(static_cast<double>(ora) + secondi, 86400.0));
    }
};

class GeneratoreCopione final : public GeneratoreCasuale {
public:
    std::deque<float> valori;  // replayed in turn; when it runs out, `ripeti` is returned
    float ripeti = 0.0f;
    std::vector<float> semi;
    void reinizializza(float seme) override { semi.push_back(seme); }
    float prossimo() override {
        if (valori.empty()) return ripeti;
        const float v = valori.front();
        valori.pop_front();
        return v;
    }
    // The value that draws question n (1..96).
    static float per(int n) { return (static_cast<float>(n) - 0.5f) / 96.0f; }
};

// Both quizzes on one fixed clock and one scripted generator.
struct SorgentiCopione final : Sorgenti {
    OrologioFisso ora;
    GeneratoreCopione copione;
    Orologio& orologio() override { return ora; }
    GeneratoreCasuale& generatore(Quiz) override { return copione; }
};

}  // namespace kestrano::test
