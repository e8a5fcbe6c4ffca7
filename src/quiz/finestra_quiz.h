// The quiz window, in its two variants (multiples and sub-multiples): the layout over which a
// MotoreQuiz runs its drill. It passes each control event to the engine operation of the same
// name and implements the engine's view over its named controls.
#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "quiz/motore_quiz.h"
#include "quiz/varianti_quiz.h"
#include "ui/finestra_classica.h"

namespace kestrano {

namespace ui {
class CorniceClassica;
class EtichettaClassica;
class PulsanteClassico;
}  // namespace ui

class FinestraQuiz final : public ui::FinestraClassica, public VistaQuiz {
    Q_OBJECT

public:
    // `chiudi` unloads this window; `termina` ends the program. The engine outlives the window.
    FinestraQuiz(Quiz quiz, MotoreQuiz& motore, std::function<void()> chiudi, std::function<void()> termina);
    ~FinestraQuiz() override;

    // The window's load step: the engine prepares the drill, then the focus goes to the first
    // button the pupil can use.
    void Form_Load();

    void impostaDidascalia(Etichetta etichetta, std::string_view testo) override;
    void impostaVisibile(Pulsante pulsante, bool visibile) override;
    void impostaAbilitato(PulsanteRisposta pulsante, bool abilitato) override;
    void impostaSfondoFrame2(ColoreRgb colore) override;
    void chiudiFinestra() override;
    void terminaProgramma() override;

private:
    MotoreQuiz& motore_;
    std::function<void()> chiudi_, termina_;
    std::array<ui::EtichettaClassica*, numeroEtichette> etichette_{};
    std::array<ui::PulsanteClassico*, numeroPulsanti> pulsanti_{};
    std::array<ui::PulsanteClassico*, numeroPulsantiRisposta> risposte_{};
    ui::CorniceClassica* frame2_ = nullptr;
};

}  // namespace kestrano
