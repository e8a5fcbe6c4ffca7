// Lifecycle of the four windows.
#include "shell/registro_finestre.h"

#include <algorithm>

#include "quiz/finestra_quiz.h"
#include "shell/avvio_piattaforma.h"
#include "shell/finestra_inizio.h"
#include "shell/finestra_www.h"

namespace kestrano {

RegistroFinestre::RegistroFinestre(Sorgenti& sorgenti, std::function<void()> fine)
    : fine_(std::move(fine)), sorgenti_(sorgenti) {
    if (!fine_) fine_ = terminaProgramma;
}

RegistroFinestre::~RegistroFinestre() {
    // The windows go before the engines they show: those still loaded, and those unloaded
    // whose deletion still waits for the event loop. Nobody else's deletions are touched.
    for (auto& f : finestre_) delete f.release();
    for (const auto& f : inUscita_) delete f.data();
}

std::optional<Quiz> RegistroFinestre::quizDi(Finestra f) {
    switch (f) {
        case Finestra::Multipli:
            return Quiz::Multipli;
        case Finestra::Sottomultipli:
            return Quiz::Sottomultipli;
        case Finestra::InizioMultpli:
        case Finestra::WWW:
            break;
    }
    return std::nullopt;
}

Finestra RegistroFinestre::finestraDi(Quiz q) {
    switch (q) {
        case Quiz::Multipli:
            return Finestra::Multipli;
        case Quiz::Sottomultipli:
            return Finestra::Sottomultipli;
    }
    return Finestra::InizioMultpli;
}

MotoreQuiz* RegistroFinestre::motore(Finestra f) const {
    const auto q = quizDi(f);
    return q ? motori_[static_cast<std::size_t>(*q)].get() : nullptr;
}

MotoreQuiz& RegistroFinestre::motoreCreato(Quiz q) {
    const auto i = static_cast<std::size_t>(q);
    if (!motori_[i])
        motori_[i] =
            std::make_unique<MotoreQuiz>(variante(q).configurazione, sorgenti_.orologio(), sorgenti_.generatore(q));
    return *motori_[i];
}

RegistroFinestre::PuntatoreFinestra RegistroFinestre::crea(Finestra f) {
    ui::FinestraClassica* w = nullptr;
    switch (f) {
        case Finestra::InizioMultpli: {
            auto* inizio = new FinestraInizio;
            QObject::connect(inizio, &FinestraInizio::aperturaRichiesta, inizio,
                             [this](Quiz q) { mostra(finestraDi(q)); });
            QObject::connect(inizio, &FinestraInizio::infoPremuto, inizio, [this] { mostra(Finestra::WWW); });
            QObject::connect(inizio, &FinestraInizio::infoRilasciato, inizio, [this] { scarica(Finestra::WWW); });
            w = inizio;
            break;
        }
        case Finestra::Multipli:
        case Finestra::Sottomultipli: {
            const Quiz q = *quizDi(f);
            auto* quiz = new FinestraQuiz(q, motoreCreato(q));
            quiz->Form_Load();
            w = quiz;
            break;
        }
        case Finestra::WWW: {
            auto* www = new FinestraWWW;
            www->Form_Load();
            w = www;
            break;
        }
    }
    QObject::connect(w, &ui::FinestraClassica::chiusuraRichiesta, w, [this, f] { scarica(f); });
    QObject::connect(w, &ui::FinestraClassica::fineRichiesta, w, [this] { termina(); });
    return PuntatoreFinestra(w);
}

void RegistroFinestre::carica(Finestra f) {
    if (terminato_ || caricata(f)) return;
    finestre_[indice(f)] = crea(f);
}

void RegistroFinestre::mostra(Finestra f) {
    carica(f);
    if (terminato_) return;
    ui::FinestraClassica* w = finestra(f);
    // A window shown while no other is on screen (the start window at start-up) has nothing
    // to come in front of: the window system gives it the front and the focus as it maps it.
    bool altreInVista = false;
    for (const auto& altra : finestre_)
        altreInVista = altreInVista || (altra && altra.get() != w && altra->isVisible());
    w->show();
    if (!altreInVista) return;
    w->raise();
    if (f != Finestra::WWW) w->activateWindow();
}

void RegistroFinestre::scarica(Finestra f) {
    if (terminato_ || !caricata(f)) return;
    finestre_[indice(f)]->hide();
    std::erase_if(inUscita_, [](const auto& w) { return w.isNull(); });
    inUscita_.emplace_back(finestre_[indice(f)].get());
    finestre_[indice(f)].reset();
    for (const auto& w : finestre_)
        if (w) return;
    termina();
}

void RegistroFinestre::termina() {
    if (terminato_) return;
    terminato_ = true;
    fine_();
}

}  // namespace kestrano
