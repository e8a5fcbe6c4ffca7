// Response times inside the running program, median of N runs each: opening a quiz window to
// its first frame, an answer click to the repainted answer label, and a whole drill of 96
// questions through the engine alone; then the resident size before and after 2,000 cycles of
// opening and closing each quiz window through its buttons. Prints "name value" lines
// (milliseconds as min, median, max; sizes in KB): misure_interne N [CYCLES, 2000 if not given]

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "quiz/motore_quiz.h"
#include "shell/avvio.h"
#include "shell/registro_finestre.h"
#include "support/memoria.h"
#include "ui/finestra_classica.h"

using namespace kestrano;
using kestrano::test::rssInKb;

namespace {

// Counts the paint events a widget receives.
class ContaDipinti : public QObject {
public:
    int dipinti = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++dipinti;
        return false;
    }
};

// "min median max" of the runs, in milliseconds.
void stampa(const char* nome, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::printf("%s %.3f %.3f %.3f\n", nome, v.front(), v[v.size() / 2], v.back());
}

// Turns the event loop until `fatto` holds; each turn waits for an event, then handles all
// that are pending, painting and flushing included.
template <typename Condizione>
void finche(Condizione fatto) {
    while (!fatto()) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void clicca(QWidget* b) {
    const QPointF centro = QRectF(b->rect()).center();
    QMouseEvent giu(QEvent::MouseButtonPress, centro, b->mapToGlobal(centro), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent su(QEvent::MouseButtonRelease, centro, b->mapToGlobal(centro), Qt::LeftButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(b, &giu);
    QCoreApplication::sendEvent(b, &su);
}

}  // namespace

int main(int argc, char** argv) {
    const int volte = argc > 1 ? std::atoi(argv[1]) : 25;
    const int cicli = argc > 2 ? std::atoi(argv[2]) : 2000;  // of the open/close cycles
    preparaPiattaforma();
    int uno = 1;
    QApplication app(uno, argv);
    preparaApplicazione();
    SorgentiDiSistema sorgenti;
    RegistroFinestre registro(sorgenti, [] {});
    registro.mostra(Finestra::InizioMultpli);
    QWidget* inizio = registro.finestra(Finestra::InizioMultpli);
    ContaDipinti dipintiInizio;
    inizio->installEventFilter(&dipintiInizio);
    finche([&] { return dipintiInizio.dipinti > 0; });

    std::vector<double> apertura, risposta, esercizio;
    QElapsedTimer t;
    for (int i = 0; i < volte; ++i) {
        // Opening the multiples quiz from its button to the window's first frame.
        ContaDipinti dipinti;
        t.start();
        clicca(inizio->findChild<QPushButton*>(QStringLiteral("Command1")));
        QWidget* quiz = registro.finestra(Finestra::Multipli);
        quiz->installEventFilter(&dipinti);
        finche([&] { return dipinti.dipinti > 0; });
        apertura.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);

        quiz->removeEventFilter(&dipinti);
        quiz->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // An answer click to the repainted answer label, on a window that stays open: the two
    // buttons alternate, so the label changes every time.
    clicca(inizio->findChild<QPushButton*>(QStringLiteral("Command1")));
    QWidget* quiz = registro.finestra(Finestra::Multipli);
    {
        ContaDipinti dipinti;
        quiz->installEventFilter(&dipinti);
        finche([&] { return dipinti.dipinti > 0; });
        quiz->removeEventFilter(&dipinti);
    }
    QWidget* etichetta = quiz->findChild<QWidget*>(QStringLiteral("lblRisultato"));
    for (int i = 0; i < volte + 1; ++i) {
        ContaDipinti dipintiEtichetta;
        etichetta->installEventFilter(&dipintiEtichetta);
        t.start();
        clicca(quiz->findChild<QPushButton*>(i % 2 ? QStringLiteral("Command2") : QStringLiteral("Command8")));
        finche([&] { return dipintiEtichetta.dipinti > 0; });
        if (i > 0) risposta.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);  // the first click warms up
        etichetta->removeEventFilter(&dipintiEtichetta);
    }

    // A whole drill through the engine alone, with the real clock and generator.
    OrologioDiSistema orologio;
    GeneratoreSplitMix generatore;
    VistaNulla vista;
    MotoreQuiz motore(configurazioneMultipli, orologio, generatore);
    motore.collegaVista(&vista);
    for (int i = 0; i < volte; ++i) {
        t.start();
        motore.Form_Load();
        for (int turno = 1; turno <= 96; ++turno) {
            motore.Command8_Click();
            motore.CmdVerifica_Click();
            if (turno < 96) motore.CmdOperazione_Click();
        }
        esercizio.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    stampa("apertura", apertura);
    stampa("risposta", risposta);
    stampa("esercizio", esercizio);

    // A day of use: each quiz window opened through its button and closed through "F i n e",
    // drawn each time; the resident size at the start of the cycles and after 2,000.
    quiz->close();
    auto ciclo = [&](const char* pulsante, Finestra f) {
        clicca(inizio->findChild<QPushButton*>(QString::fromLatin1(pulsante)));
        QWidget* w = registro.finestra(f);
        ContaDipinti dipinti;
        w->installEventFilter(&dipinti);
        finche([&] { return dipinti.dipinti > 0; });
        w->removeEventFilter(&dipinti);
        clicca(w->findChild<QPushButton*>(QStringLiteral("CmdFine")));
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const long rssInizio = rssInKb();
    for (int i = 0; i < cicli; ++i) {
        ciclo("Command1", Finestra::Multipli);
        ciclo("Command2", Finestra::Sottomultipli);
    }
    std::printf("rss %ld %ld\n", rssInizio, rssInKb());
    return 0;
}
