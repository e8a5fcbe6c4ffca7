// The program's four windows, one instance each, and the operations on them: load, show,
// unload and end. It owns the windows while they are loaded and the two quiz engines from
// their first opening to the end of the program.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "quiz/motore_quiz.h"
#include "quiz/sorgenti.h"
#include "quiz/varianti_quiz.h"

namespace kestrano {

namespace ui {
class FinestraClassica;
}

enum class Finestra { InizioMultpli, Multipli, Sottomultipli, WWW };
// Every window, in the order of the enum (the registry's table of windows follows it).
inline constexpr auto tutteLeFinestre =
    std::to_array({Finestra::InizioMultpli, Finestra::Multipli, Finestra::Sottomultipli, Finestra::WWW});
static_assert(unaRigaPerValore<Finestra>(tutteLeFinestre, [](Finestra f) { return f; }),
              "every window, once, in order");

class RegistroFinestre {
public:
    // The engines read the clock and the generators of `sorgenti`, which outlives the registry.
    // `fine` stops the program at once; by default it ends the program as its platform does
    // (terminaProgramma), without any window's close handling.
    explicit RegistroFinestre(Sorgenti& sorgenti, std::function<void()> fine = {});
    ~RegistroFinestre();
    RegistroFinestre(const RegistroFinestre&) = delete;
    RegistroFinestre& operator=(const RegistroFinestre&) = delete;

    // Creates the window with its controls and runs its load step; a loaded window is left alone.
    void carica(Finestra f);
    // Makes the window visible and brings it to the front, loading it first if needed.
    void mostra(Finestra f);
    // Closes and destroys the window; the program ends when no window is left loaded.
    void scarica(Finestra f);
    // Ends the program at once, whatever is open.
    void termina();

    bool caricata(Finestra f) const { return finestra(f) != nullptr; }
    ui::FinestraClassica* finestra(Finestra f) const { return finestre_[indice(f)].get(); }
    // The engine of a quiz window, once that window has been opened.
    MotoreQuiz* motore(Finestra f) const;
    bool terminato() const { return terminato_; }

private:
    // Widgets are deleted on the next turn of the event loop, never inside their own handler.
    struct EliminaDopo {
        void operator()(QWidget* w) const { w->deleteLater(); }
    };
    using PuntatoreFinestra = std::unique_ptr<ui::FinestraClassica, EliminaDopo>;

    static std::size_t indice(Finestra f) { return static_cast<std::size_t>(f); }
    // The window with its load step run, its requests connected to this registry.
    PuntatoreFinestra crea(Finestra f);
    MotoreQuiz& motoreCreato(Quiz q);
    // The quiz a window shows, for the two quiz windows.
    static std::optional<Quiz> quizDi(Finestra f);
    static Finestra finestraDi(Quiz q);

    std::function<void()> fine_;
    bool terminato_ = false;
    Sorgenti& sorgenti_;
    // Per quiz, indexed as the table of the quizzes.
    std::array<std::unique_ptr<MotoreQuiz>, numeroQuiz> motori_;
    std::array<PuntatoreFinestra, tutteLeFinestre.size()> finestre_;
    // Unloaded windows whose deletion waits for the event loop.
    std::vector<QPointer<ui::FinestraClassica>> inUscita_;
};

}  // namespace kestrano
