// A seeded random walk over every window: clicks wherever any control lies (shown or hidden,
// enabled or not), keys, presses and releases of every mouse button on "Info", closes from
// the window frame and reopening. After each event the invariants must hold. The seed is
// printed; KESTRANO_SEME=N replays it, KESTRANO_EVENTI=N sets the number of events.
#include <QAction>
#include <QMenu>
#include <QtTest>
#include <random>

#include "shell/avvio.h"
#include "shell/registro_finestre.h"
#include "support/avvisi.h"
#include "support/gui.h"
#include "support/programma.h"
#include "ui/finestra_classica.h"

using namespace kestrano;
using namespace kestrano::test;

namespace {

constexpr const auto& tutte = tutteLeFinestre;
const char* const nomi[] = {"FrmInizioMultpli", "FrmMultipli", "FrmSottomultipli", "FrmWWW"};

// Plays a quiz window on to the end of its drill, as a pupil who keeps going would.
void finoAllaFine(QWidget* w, std::mt19937_64& caso) {
    for (int passo = 0; passo < 400 && situazioneDi(w) != Situazione::Finita; ++passo) {
        if (mostrato(w, "CmdOperazione")) {
            clicca(w, "CmdOperazione");
        } else if (mostrato(w, "CmdVerifica")) {
            clicca(w, "CmdVerifica");
        } else {
            clicca(w, pulsantiRisposta[caso() % 7]);
        }
    }
}

quint64 daAmbiente(const char* nome, quint64 predefinito) {
    bool ok = false;
    const quint64 v = qEnvironmentVariable(nome).toULongLong(&ok);
    return ok ? v : predefinito;
}

// One run of the program, watched; it ends by one of its end rules and is then replaced.
struct ProgrammaSorvegliato {
    bool esciScelto = false;     // "E S C I" clicked or a menu "Esci" chosen during the last event
    QSet<QObject*> sorvegliati;  // declared first: it outlives the windows the registry deletes
    Programma p;

    // Watches the end controls of windows loaded since the last look.
    void sorveglia() {
        for (Finestra f : tutte) {
            QWidget* w = p.f(f);
            if (!w || sorvegliati.contains(w)) continue;
            sorvegliati.insert(w);
            QObject::connect(w, &QObject::destroyed, w, [this, w] { sorvegliati.remove(w); });
            for (QAction* a : w->findChildren<QAction*>())
                if (a->text() == QLatin1String("Esci"))
                    QObject::connect(a, &QAction::triggered, [this] { esciScelto = true; });
            if (auto* esci = pulsanteDi(w, "Command9"))
                QObject::connect(esci, &QPushButton::clicked, [this] { esciScelto = true; });
        }
    }
};

}  // namespace

class TestScimmia : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        silenziaAvvisiOffscreen();
        preparaApplicazione();
    }

    void camminoCasuale() {
        const quint64 seme = daAmbiente("KESTRANO_SEME", std::random_device{}());
        const quint64 eventi = daAmbiente("KESTRANO_EVENTI", 200000);
        qInfo("seed %llu, %llu events (replay with KESTRANO_SEME=%llu)", seme, eventi, seme);
        std::mt19937_64 caso(seme);
        auto tira = [&caso](int n) { return static_cast<int>(caso() % static_cast<quint64>(n)); };

        auto programma = std::make_unique<ProgrammaSorvegliato>();
        int esecuzioni = 1;
        QSet<int> situazioniViste;
        QMap<QString, int> conteggio;
        for (quint64 i = 0; i < eventi; ++i) {
            ProgrammaSorvegliato& s = *programma;
            Programma& p = s.p;
            s.sorveglia();
            s.esciScelto = false;
            QList<QWidget*> aperte;
            for (Finestra f : tutte)
                if (QWidget* w = p.registro.finestra(f)) aperte << w;
            QVERIFY(!aperte.isEmpty());
            QWidget* finestra = aperte[tira(static_cast<int>(aperte.size()))];
            QWindow* qw = finestra->windowHandle();
            QVERIFY(qw);
            const int tipo = tira(100);
            QString evento;
            if (tipo < 55) {
                // A left click where some control of the window lies.
                const auto controlli = finestra->findChildren<QWidget*>();
                QWidget* c = controlli[tira(static_cast<int>(controlli.size()))];
                const QRect r = c->rect();
                const QPoint punto = c->mapTo(
                    finestra, QPoint(r.left() + tira(std::max(1, r.width())), r.top() + tira(std::max(1, r.height()))));
                evento = "click " + c->objectName();
                QTest::mouseClick(qw, Qt::LeftButton, {}, punto);
            } else if (tipo < 80) {
                static const std::pair<int, Qt::KeyboardModifiers> tasti[] = {{Qt::Key_Tab, {}},
                                                                              {Qt::Key_Tab, Qt::ShiftModifier},
                                                                              {Qt::Key_Space, {}},
                                                                              {Qt::Key_Return, {}},
                                                                              {Qt::Key_Enter, {}},
                                                                              {Qt::Key_F, Qt::AltModifier},
                                                                              {Qt::Key_Escape, {}},
                                                                              {Qt::Key_E, {}},
                                                                              {Qt::Key_A, {}},
                                                                              {Qt::Key_Down, {}},
                                                                              {Qt::Key_F4, Qt::AltModifier}};
                const auto& [tasto, modificatori] = tasti[tira(std::size(tasti))];
                evento = QStringLiteral("key %1").arg(tasto);
                if (QWidget* popup = QApplication::activePopupWidget())
                    QTest::keyClick(popup, static_cast<Qt::Key>(tasto), modificatori);
                else
                    QTest::keyClick(qw, static_cast<Qt::Key>(tasto), modificatori);
            } else if (tipo < 92) {
                // Any mouse button pressed or released on "Info", in any order.
                if (QWidget* inizio = p.registro.finestra(Finestra::InizioMultpli)) {
                    auto* info = pulsanteDi(inizio, "Command7");
                    const Qt::MouseButton tasti[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
                    const Qt::MouseButton tasto = tasti[tira(3)];
                    const QPoint punto = info->mapTo(inizio, info->rect().center());
                    evento = QStringLiteral("info %1").arg(tasto);
                    if (tira(2))
                        QTest::mousePress(inizio->windowHandle(), tasto, {}, punto);
                    else
                        QTest::mouseRelease(inizio->windowHandle(), tasto, {}, punto);
                }
            } else if (tipo < 96) {
                evento = "close " + finestra->objectName();
                if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
                finestra->close();
            } else if (tipo < 97) {
                evento = "drill";
                for (Finestra f : {Finestra::Multipli, Finestra::Sottomultipli})
                    if (p.registro.finestra(f) == finestra) finoAllaFine(finestra, caso);
            } else if (QWidget* inizio = p.registro.finestra(Finestra::InizioMultpli)) {
                evento = "open";
                clicca(inizio, tira(2) ? "Command1" : "Command2");
            }
            // A turn of the event loop, as the running program takes after each event.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const QByteArray dove = QStringLiteral("seed %1, event %2 (%3)").arg(seme).arg(i).arg(evento).toUtf8();

            if (p.fine > 0) {
                // Only "E S C I", a menu "Esci", or the last window going may end the program.
                bool nessuna = true;
                for (Finestra f : tutte) nessuna = nessuna && !p.registro.caricata(f);
                QVERIFY2(p.fine == 1, dove.constData());
                QVERIFY2(s.esciScelto || nessuna, dove.constData());
                if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
                programma.reset();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                programma = std::make_unique<ProgrammaSorvegliato>();
                ++esecuzioni;
                continue;
            }
            // Never two windows of one kind on screen, and every loaded window shown.
            for (std::size_t k = 0; k < std::size(tutte); ++k) {
                int visibili = 0;
                for (QWidget* w : QApplication::topLevelWidgets())
                    visibili += w->isVisible() && w->objectName() == QLatin1String(nomi[k]) ? 1 : 0;
                QVERIFY2(visibili == (p.registro.caricata(tutte[k]) ? 1 : 0), dove.constData());
            }
            for (Finestra f : {Finestra::Multipli, Finestra::Sottomultipli}) {
                QWidget* w = p.registro.finestra(f);
                if (!w) continue;
                bool ok = false;
                const int contatore = testoDi(w, "LblOperazione").toInt(&ok);
                QVERIFY2(ok && contatore >= 1 && contatore <= 96, dove.constData());
                const auto situazione = situazioneDi(w);
                QVERIFY2(situazione.has_value(), dove.constData());
                situazioniViste.insert(static_cast<int>(*situazione));
            }
            ++conteggio[evento.section(' ', 0, 0)];
        }
        qInfo("%d runs of the program; events: %s", esecuzioni,
              qPrintable(QStringList([&] {
                             QStringList l;
                             for (auto it = conteggio.cbegin(); it != conteggio.cend(); ++it)
                                 l << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
                             return l;
                         }())
                             .join(", ")));
        // A walk of the length ./test runs reaches every situation; one that does not is not
        // exercising the quiz. (A short replay of a failure need not.)
        if (eventi >= 20000) QCOMPARE(situazioniViste.size(), 5);
    }
};

QTEST_MAIN(TestScimmia)
#include "test_scimmia.moc"
