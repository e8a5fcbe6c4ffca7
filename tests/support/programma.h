// One run of the program for the window tests: the window registry as main makes it (or on
// the test's clock and generators), with the start window shown, and the end of the program
// counted instead of carried out.
#pragma once

#include <QtTest>

#include "shell/registro_finestre.h"
#include "ui/finestra_classica.h"

namespace kestrano::test {

struct Programma {
    SorgentiDiSistema diSistema;
    int fine = 0;  // how often the program was ended
    RegistroFinestre registro;

    explicit Programma(Sorgenti* sorgenti = nullptr) : registro(sorgenti ? *sorgenti : diSistema, [this] { ++fine; }) {
        registro.mostra(Finestra::InizioMultpli);
    }

    ui::FinestraClassica* f(Finestra x) const { return registro.finestra(x); }
    ui::FinestraClassica* inizio() const { return f(Finestra::InizioMultpli); }

    // Shows the window and makes it the active one, as the pupil's click does; nullptr if the
    // platform did not activate it, which the test then fails on.
    [[nodiscard]] QWidget* apri(Finestra x) {
        registro.mostra(x);
        QWidget* w = f(x);
        w->activateWindow();
        return QTest::qWaitForWindowActive(w) ? w : nullptr;
    }
};

}  // namespace kestrano::test
