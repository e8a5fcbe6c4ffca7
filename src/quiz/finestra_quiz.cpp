// The quiz window's bindings: control events into the engine, view operations onto controls.
#include "quiz/finestra_quiz.h"

#include <QAction>

#include "quiz/layout_quiz.h"
#include "ui/annunciatore.h"
#include "ui/etichetta_classica.h"
#include "ui/forme.h"
#include "ui/pulsante_classico.h"

namespace kestrano {

using ui::CorniceClassica;
using ui::EtichettaClassica;
using ui::PulsanteClassico;

FinestraQuiz::FinestraQuiz(Quiz quiz, MotoreQuiz& motore)
    : ui::FinestraClassica(finestraQuiz(quiz), layoutQuiz(quiz)),
      motore_(motore),
      promemoria_(new ui::Promemoria(this)) {
    for (std::size_t i = 0; i < etichette_.size(); ++i)
        etichette_[i] = controllo<EtichettaClassica>(nome(static_cast<Etichetta>(i)));
    for (std::size_t i = 0; i < pulsanti_.size(); ++i)
        pulsanti_[i] = controllo<PulsanteClassico>(nome(static_cast<Pulsante>(i)));
    for (std::size_t i = 0; i < risposte_.size(); ++i) {
        const auto p = static_cast<PulsanteRisposta>(i);
        risposte_[i] = controllo<PulsanteClassico>(nome(p));
        connect(risposte_[i], &QPushButton::clicked, this,
                [this, p] { esegui([this, p] { premiRisposta(motore_, p); }); });
    }
    frame2_ = controllo<CorniceClassica>(nomeFrame2);

    connect(pulsanti_[indice(Pulsante::CmdVerifica)], &QPushButton::clicked, this,
            [this] { esegui([this] { motore_.CmdVerifica_Click(); }); });
    connect(pulsanti_[indice(Pulsante::CmdOperazione)], &QPushButton::clicked, this,
            [this] { esegui([this] { motore_.CmdOperazione_Click(); }); });
    connect(pulsanti_[indice(Pulsante::CmdRicomincia)], &QPushButton::clicked, this,
            [this] { esegui([this] { motore_.CmdRicomincia_Click(); }); });
    connect(pulsanti_[indice(Pulsante::CmdFine)], &QPushButton::clicked, this, [this] { motore_.CmdFine_Click(); });
    connect(voceMenu(), &QAction::triggered, this, [this] { motore_.MnuEsci_Click(); });
    motore_.collegaVista(this);
}

FinestraQuiz::~FinestraQuiz() {
    if (motore_.vista() == this) motore_.collegaVista(nullptr);
}

void FinestraQuiz::Form_Load() {
    esegui([this] { motore_.Form_Load(); });
    focusIniziale();
}

template <typename Operazione>
void FinestraQuiz::esegui(Operazione operazione) {
    scritte_ = {};
    ricominciaOfferto_ = false;
    operazione();
    annuncia(messaggioDelPasso());
}

// One message for each step, in the screen's own words: the outcome with the two times (and,
// at the end of the drill, the two buttons then offered), else a new question, else the
// answer chosen with the instruction that follows it.
QString FinestraQuiz::messaggioDelPasso() const {
    const auto scritta = [this](Etichetta e) { return scritte_[indice(e)].value_or(QString()); };
    const QString esito = scritta(Etichetta::LblEsito);
    if (!esito.isEmpty()) {
        QString m = QStringLiteral("%1. %2 %3. %4 %5.")
                        .arg(etichette_[indice(Etichetta::LblEsito)]->accessibleName(),
                             ui::testoQt(parlatoTempoParziale), scritta(Etichetta::LblTempoParziale),
                             ui::testoQt(parlatoTempoTotale), scritta(Etichetta::LblTempoTotale));
        if (ricominciaOfferto_)
            m += QStringLiteral(" %1. %2.")
                     .arg(pulsanti_[indice(Pulsante::CmdRicomincia)]->text(),
                          pulsanti_[indice(Pulsante::CmdFine)]->accessibleName());
        return m;
    }
    if (scritte_[indice(Etichetta::LblNumero2)]) return scritta(Etichetta::LblNumero2);
    const QString scelta = scritta(Etichetta::lblRisultato);
    if (!scelta.isEmpty()) return QStringLiteral("%1. %2.").arg(scelta, scritta(Etichetta::LblIstruzione));
    return {};
}

void FinestraQuiz::impostaDidascalia(Etichetta etichetta, std::string_view testo) {
    scritte_[indice(etichetta)] = ui::testoQt(testo);
    if (etichetta == Etichetta::LblNumero2) promemoria_->ricorda(ui::testoQt(testo));
    etichette_[indice(etichetta)]->impostaTesto(ui::testoQt(testo), ui::testoQt(formaParlata(testo)));
}

void FinestraQuiz::impostaVisibile(Pulsante pulsante, bool visibile) {
    ricominciaOfferto_ = ricominciaOfferto_ || (pulsante == Pulsante::CmdRicomincia && visibile);
    pulsanti_[indice(pulsante)]->setVisible(visibile);
}

void FinestraQuiz::impostaAbilitato(PulsanteRisposta pulsante, bool abilitato) {
    risposte_[indice(pulsante)]->setEnabled(abilitato);
}

void FinestraQuiz::impostaSfondoFrame2(ColoreRgb colore) {
    frame2_->impostaSfondo(QColor(colore.rosso, colore.verde, colore.blu));
}

void FinestraQuiz::chiudiFinestra() {
    emit chiusuraRichiesta();
}

void FinestraQuiz::terminaProgramma() {
    emit fineRichiesta();
}

}  // namespace kestrano
