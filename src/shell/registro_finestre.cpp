// Lifecycle of the four windows.
#include "shell/registro_finestre.h"

#include <QCoreApplication>

#include "quiz/finestra_quiz.h"
#include "shell/finestra_inizio.h"
#include "shell/finestra_www.h"

namespace kestrano {

RegistroFinestre::RegistroFinestre(std::function<void()> fine) : fine_(std::move(fine)) {
    // exit(), unlike quit(), sends no close events: no window's close handling runs.
    if (!fine_) fine_ = [] { QCoreApplication::exit(0); };
}

RegistroFinestre::~RegistroFinestre() {
    for (auto& f : finestre_) f.reset();
    // The windows go before the engines they show.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MotoreQuiz* RegistroFinestre::motore(Finestra f) const {
    if (f == Finestra::Multipli) return motoreMultipli_.get();
    if (f == Finestra::Sottomultipli) return motoreSottomultipli_.get();
    return nullptr;
}

MotoreQuiz& RegistroFinestre::motoreCreato(Finestra f) {
    const bool multipli = f == Finestra::Multipli;
    auto& motore = multipli ? motoreMultipli_ : motoreSottomultipli_;
    if (!motore)
        motore = std::make_unique<MotoreQuiz>(multipli ? configurazioneMultipli : configurazioneSottomultipli,
                                              orologio_, multipli ? generatoreMultipli_ : generatoreSottomultipli_);
    return *motore;
}

RegistroFinestre::PuntatoreFinestra RegistroFinestre::crea(Finestra f) {
    const auto chiudi = [this, f] { scarica(f); };
    switch (f) {
        case Finestra::InizioMultpli:
            return PuntatoreFinestra(new FinestraInizio(*this));
        case Finestra::WWW: {
            auto* www = new FinestraWWW(chiudi);
            www->Form_Load();
            return PuntatoreFinestra(www);
        }
        case Finestra::Multipli:
        case Finestra::Sottomultipli:
            break;
    }
    auto* quiz = new FinestraQuiz(f == Finestra::Multipli ? varianteMultipli : varianteSottomultipli, motoreCreato(f),
                                  chiudi, [this] { termina(); });
    quiz->Form_Load();
    return PuntatoreFinestra(quiz);
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
