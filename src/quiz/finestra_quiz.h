// The quiz window, in its two variants (multiples and sub-multiples): the layout over which a
// MotoreQuiz runs its drill. It passes each control event to the engine operation of the same
// name and implements the engine's view over its named controls.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string_view>

#include "quiz/motore_quiz.h"
#include "quiz/varianti_quiz.h"
#include "ui/finestra_classica.h"

namespace kestrano {

namespace ui {
class CorniceClassica;
class EtichettaClassica;
class PulsanteClassico;
class Promemoria;
}  // namespace ui

class FinestraQuiz final : public ui::FinestraClassica, public VistaQuiz {
    Q_OBJECT

public:
    // The engine outlives the window. Closing and ending go to the owner as the window's signals.
    FinestraQuiz(Quiz quiz, MotoreQuiz& motore);
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

protected:
    // Closing from the window frame is the same as "F i n e".
    void chiusuraDallaCornice() override { motore_.CmdFine_Click(); }
    // Coming back: the question with its number, and the outcome or the chosen answer shown.
    QString riepilogo() const override;

private:
    // Runs an engine operation, then tells a screen reader what it changed on screen.
    template <typename Operazione>
    void esegui(Operazione operazione);
    QString messaggioDelPasso();
    // What a label shows, as a screen reader says it.
    QString detto(Etichetta etichetta) const;
    QString parteDomanda() const;
    QString parteEsito() const;

    MotoreQuiz& motore_;
    // What one engine operation wrote into the labels, and whether it offered "Ricomincia".
    std::array<std::optional<QString>, numeroEtichette> scritte_{};
    bool ricominciaOfferto_ = false;
    // The instructions already said in this drill: each is said the first time it is shown.
    QStringList istruzioniDette_;
    std::array<ui::EtichettaClassica*, numeroEtichette> etichette_{};
    std::array<ui::PulsanteClassico*, numeroPulsanti> pulsanti_{};
    std::array<ui::PulsanteClassico*, numeroPulsantiRisposta> risposte_{};
    ui::CorniceClassica* frame2_ = nullptr;
    ui::Promemoria* promemoria_;  // the question, for the pupil to hear again
};

}  // namespace kestrano
