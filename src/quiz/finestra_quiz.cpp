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
    if (scritte_[indice(Etichetta::LblNumero2)]) promemoria_->ricorda(parteDomanda());
    annuncia(messaggioDelPasso());
}

QString FinestraQuiz::detto(Etichetta etichetta) const {
    const EtichettaClassica* e = etichette_[indice(etichetta)];
    return e->accessibleName().isEmpty() ? e->text() : e->accessibleName();
}

// The counter is headed "Dom." on screen.
QString FinestraQuiz::parteDomanda() const {
    return QStringLiteral("Domanda %1. %2").arg(detto(Etichetta::LblOperazione), detto(Etichetta::LblNumero2));
}

QString FinestraQuiz::parteEsito() const {
    return QStringLiteral("%1. %2 %3. %4 %5.")
        .arg(detto(Etichetta::LblEsito), ui::testoQt(parlatoTempoParziale), detto(Etichetta::LblTempoParziale),
             ui::testoQt(parlatoTempoTotale), detto(Etichetta::LblTempoTotale));
}

// One message for each step, in the screen's own words: the outcome with the two times, else a
// new question with its number, else the answer chosen; then the instruction, the first time it
// is shown in the drill, and at the end of the drill the two buttons then offered.
QString FinestraQuiz::messaggioDelPasso() {
    const auto scritta = [this](Etichetta e) { return scritte_[indice(e)].value_or(QString()); };
    QStringList parti;
    if (!scritta(Etichetta::LblEsito).isEmpty())
        parti << parteEsito();
    else if (scritte_[indice(Etichetta::LblNumero2)])
        parti << parteDomanda();
    else if (!scritta(Etichetta::lblRisultato).isEmpty())
        parti << scritta(Etichetta::lblRisultato) + QLatin1Char('.');
    if (parti.isEmpty()) return {};
    // A drill starts where the counter is set to 1.
    if (scritte_[indice(Etichetta::LblOperazione)] && motore_.contatore() == 1) istruzioniDette_.clear();
    if (const QString istruzione = scritta(Etichetta::LblIstruzione);
        !istruzione.isEmpty() && !istruzioniDette_.contains(istruzione)) {
        istruzioniDette_ << istruzione;
        parti << istruzione + QLatin1Char('.');
    }
    if (ricominciaOfferto_)
        parti << pulsanti_[indice(Pulsante::CmdRicomincia)]->text() + QLatin1Char('.')
              << pulsanti_[indice(Pulsante::CmdFine)]->accessibleName() + QLatin1Char('.');
    return parti.join(QLatin1Char(' '));
}

QString FinestraQuiz::riepilogo() const {
    QString r = parteDomanda();
    if (!detto(Etichetta::LblEsito).isEmpty())
        r += QLatin1Char(' ') + parteEsito();
    else if (const QString scelta = detto(Etichetta::lblRisultato); !scelta.isEmpty())
        r += QLatin1Char(' ') + scelta + QLatin1Char('.');
    return r;
}

void FinestraQuiz::impostaDidascalia(Etichetta etichetta, std::string_view testo) {
    scritte_[indice(etichetta)] = ui::testoQt(testo);
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
