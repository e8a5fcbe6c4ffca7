// What a quiz engine may do to its window: the named controls it drives and the six view
// operations. The enums make a misspelt control a compile error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "content/enumeratori.h"

namespace kestrano {

enum class Etichetta {
    lblRisultato,
    LblNumero2,
    LblEsito,
    LblIstruzione,
    LblOperazione,
    LblTempoParziale,
    LblTempoTotale
};

// The buttons the engine shows and hides.
enum class Pulsante { CmdVerifica, CmdOperazione, CmdRicomincia, CmdFine };

// The seven answer buttons, in the order of their names Command2..Command8.
enum class PulsanteRisposta { Command2, Command3, Command4, Command5, Command6, Command7, Command8 };

// The one control the engine names outside the enums: the frame whose colour it sets.
inline constexpr const char* nomeFrame2 = "Frame2";

// Each control's name in the window, said once: the switches stay complete (-Wswitch), so a
// control added to an enum without its name does not build.
constexpr const char* nome(Etichetta e) {
    switch (e) {
        case Etichetta::lblRisultato:
            return "lblRisultato";
        case Etichetta::LblNumero2:
            return "LblNumero2";
        case Etichetta::LblEsito:
            return "LblEsito";
        case Etichetta::LblIstruzione:
            return "LblIstruzione";
        case Etichetta::LblOperazione:
            return "LblOperazione";
        case Etichetta::LblTempoParziale:
            return "LblTempoParziale";
        case Etichetta::LblTempoTotale:
            return "LblTempoTotale";
    }
    return "";
}
constexpr const char* nome(Pulsante p) {
    switch (p) {
        case Pulsante::CmdVerifica:
            return "CmdVerifica";
        case Pulsante::CmdOperazione:
            return "CmdOperazione";
        case Pulsante::CmdRicomincia:
            return "CmdRicomincia";
        case Pulsante::CmdFine:
            return "CmdFine";
    }
    return "";
}
constexpr const char* nome(PulsanteRisposta p) {
    switch (p) {
        case PulsanteRisposta::Command2:
            return "Command2";
        case PulsanteRisposta::Command3:
            return "Command3";
        case PulsanteRisposta::Command4:
            return "Command4";
        case PulsanteRisposta::Command5:
            return "Command5";
        case PulsanteRisposta::Command6:
            return "Command6";
        case PulsanteRisposta::Command7:
            return "Command7";
        case PulsanteRisposta::Command8:
            return "Command8";
    }
    return "";
}

// How many values a named enum has, where every value has a name of its own: a value without
// one, or a name given twice, stops the build here.
template <typename Enum>
consteval std::size_t contaValori() {
    constexpr std::size_t n = quantiValori<Enum>();
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view questo = nome(static_cast<Enum>(i));
        if (questo.empty()) throw "a value of the enum has no name";
        for (std::size_t j = 0; j < i; ++j)
            if (questo == nome(static_cast<Enum>(j))) throw "two values of the enum have the same name";
    }
    return n;
}
inline constexpr std::size_t numeroEtichette = contaValori<Etichetta>();
inline constexpr std::size_t numeroPulsanti = contaValori<Pulsante>();
inline constexpr std::size_t numeroPulsantiRisposta = contaValori<PulsanteRisposta>();

struct ColoreRgb {
    std::uint8_t rosso, verde, blu;
    friend bool operator==(const ColoreRgb&, const ColoreRgb&) = default;
};

class VistaQuiz {
public:
    virtual ~VistaQuiz() = default;
    virtual void impostaDidascalia(Etichetta etichetta, std::string_view testo) = 0;
    virtual void impostaVisibile(Pulsante pulsante, bool visibile) = 0;
    virtual void impostaAbilitato(PulsanteRisposta pulsante, bool abilitato) = 0;
    virtual void impostaSfondoFrame2(ColoreRgb colore) = 0;
    virtual void chiudiFinestra() = 0;
    virtual void terminaProgramma() = 0;
};

// A view that shows nothing: the engine's stand-in while no window is attached.
class VistaNulla final : public VistaQuiz {
public:
    void impostaDidascalia(Etichetta, std::string_view) override {}
    void impostaVisibile(Pulsante, bool) override {}
    void impostaAbilitato(PulsanteRisposta, bool) override {}
    void impostaSfondoFrame2(ColoreRgb) override {}
    void chiudiFinestra() override {}
    void terminaProgramma() override {}
};

}  // namespace kestrano
