// Helpers for the window tests: find controls by name, read what the pupil sees, click.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <QtTest>
#include <array>

#include "content/banche.h"
#include "quiz/vista_quiz.h"
#include "support/situazioni.h"
#include "ui/etichetta_classica.h"
#include "ui/forme.h"
#include "ui/pulsante_classico.h"

namespace kestrano::test {

inline QString testoDi(const QWidget* finestra, const char* nome) {
    auto* e = finestra->findChild<ui::EtichettaClassica*>(QString::fromLatin1(nome));
    return e ? e->testo() : QStringLiteral("<missing %1>").arg(QLatin1String(nome));
}

inline ui::PulsanteClassico* pulsanteDi(const QWidget* finestra, const char* nome) {
    return finestra->findChild<ui::PulsanteClassico*>(QString::fromLatin1(nome));
}

// A finger on a touch screen, held in the middle of the widget, and lifted.
inline QPointingDevice* schermoTattile() {
    static QPointingDevice* schermo = QTest::createTouchDevice();
    return schermo;
}
inline void premiDito(QWidget* w) {
    QTest::touchEvent(w->window(), schermoTattile()).press(0, w->mapTo(w->window(), w->rect().center()), w->window());
}
inline void alzaDito(QWidget* w) {
    QTest::touchEvent(w->window(), schermoTattile()).release(0, w->mapTo(w->window(), w->rect().center()), w->window());
}

// A left click in the middle of the button, as the pupil gives it, or a tap of a finger. A
// button that is not there is a fault of the test itself: it stops the whole run, naming it.
inline void clicca(const QWidget* finestra, const char* nome, bool dito = false) {
    auto* b = pulsanteDi(finestra, nome);
    if (!b) qFatal("no button %s in %s", nome, qPrintable(finestra->objectName()));
    if (!dito) return QTest::mouseClick(b, Qt::LeftButton);
    premiDito(b);
    alzaDito(b);
}

inline bool mostrato(const QWidget* finestra, const char* nome) {
    auto* b = pulsanteDi(finestra, nome);
    return b && b->isVisible();
}

// The names of the seven answer buttons, from the engine's own map.
inline const std::array<const char*, numeroPulsantiRisposta> pulsantiRisposta = [] {
    std::array<const char*, numeroPulsantiRisposta> n{};
    for (std::size_t i = 0; i < numeroPulsantiRisposta; ++i) n[i] = nome(static_cast<PulsanteRisposta>(i));
    return n;
}();

inline std::optional<Situazione> situazioneDi(const QWidget* f) {
    bool tutteAbilitate = true, tutteDisabilitate = true;
    for (const char* nome : pulsantiRisposta) {
        const bool a = pulsanteDi(f, nome)->isEnabled();
        tutteAbilitate = tutteAbilitate && a;
        tutteDisabilitate = tutteDisabilitate && !a;
    }
    return classifica({tutteAbilitate, tutteDisabilitate, mostrato(f, "CmdVerifica"), mostrato(f, "CmdOperazione"),
                       mostrato(f, "CmdRicomincia"), mostrato(f, "CmdFine"), testoDi(f, "LblIstruzione").toStdString(),
                       testoDi(f, "LblEsito").toStdString()});
}

// The answer key of the question the window shows, looked up by its text in the bank.
inline QString chiaveMostrata(const QWidget* f, const BancaDomande& banca) {
    const QString testo = testoDi(f, "LblNumero2");
    for (const Domanda& d : banca)
        if (QString::fromUtf8(d.testo.data(), static_cast<qsizetype>(d.testo.size())) == testo)
            return QString::fromUtf8(d.rispostaAttesa.data(), static_cast<qsizetype>(d.rispostaAttesa.size()));
    return {};
}

// The answer button whose caption is `testo`.
inline const char* pulsanteCon(const QWidget* f, const QString& testo) {
    for (const char* nome : pulsantiRisposta)
        if (pulsanteDi(f, nome)->text() == testo) return nome;
    return nullptr;
}

}  // namespace kestrano::test
