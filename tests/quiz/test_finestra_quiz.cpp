// Both quiz windows as real Qt windows on the offscreen platform: whole drills played by
// clicks, the layout against the design, keyboard use, closing and reopening.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QtTest>

#include "content/unita.h"
#include "quiz/finestra_quiz.h"
#include "quiz/layout_quiz.h"
#include "shell/avvio.h"
#include "shell/registro_finestre.h"
#include "support/accessibile.h"
#include "support/finti.h"
#include "support/gui.h"
#include "support/programma.h"
#include "ui/annunciatore.h"

using namespace kestrano;
using namespace kestrano::test;

Q_DECLARE_METATYPE(kestrano::test::Situazione)

namespace {

struct Geometria {
    const char* nome;
    int sinistra, alto, larghezza, altezza;  // twips, from the design table
};

// Every control of the quiz window as designed, in twips; the frame's children count from the frame.
const Geometria progetto[] = {
    {"CmdRicomincia", 8430, 4410, 3315, 525},
    {"Command8", 3510, 6390, 1275, 525},
    {"Command7", 3510, 5850, 1275, 525},
    {"Command6", 2220, 6390, 1275, 525},
    {"Command5", 2220, 5850, 1275, 525},
    {"Command4", 510, 6930, 4275, 525},
    {"Command3", 510, 6390, 1695, 525},
    {"Command2", 510, 5850, 1695, 525},
    {"CmdVerifica", 540, 5070, 7785, 540},
    {"CmdFine", 8415, 5040, 3330, 540},
    {"CmdOperazione", 510, 5100, 7785, 540},
    {"Command1", 525, 5070, 7785, 540},
    {"lblRisultato", 2940, 2280, 4275, 1335},
    {"LblNumero2", 660, 870, 11055, 1185},
    {"LblEsito", 540, 3630, 7785, 1320},
    {"LblIstruzione", 420, 7770, 11355, 330},
    {"LblContrassegno", 6150, 180, 4185, 495},
    {"Label1", 570, 180, 11175, 495},
    {"Label3", 570, 750, 11250, 2955},
    {"Shape1", 540, 720, 11295, 1395},
    {"Frame2", 8505, 5670, 3270, 1680},
    {"LblEsercizio", 240, 960, 480, 480},
    {"LblOperazione", 975, 960, 480, 480},
    {"LblTempoParziale", 1695, 960, 480, 480},
    {"LblTempoTotale", 2535, 960, 480, 480},
    {"Label9", 240, 360, 3015, 255},
    {"Label7", 240, 600, 3015, 255},
    {"Line1", 840, 360, 15, 840},
    {"Line2", 1560, 360, 15, 840},
    {"Line4", 2400, 360, 15, 840},
};

// Topmost first, as the design lists them.
const char* const impilamento[] = {
    "CmdRicomincia", "Command8", "Command7",      "Command6",        "Command5",      "Command4", "Command3",
    "Command2",      "Frame2",   "CmdVerifica",   "CmdFine",         "CmdOperazione", "Command1", "lblRisultato",
    "LblNumero2",    "LblEsito", "LblIstruzione", "LblContrassegno", "Label1",        "Shape1",   "Label3"};

// What espeak-ng's Italian voice says for a text, stress marks and pauses aside.
QString fonemi(const QString& testo) {
    QProcess p;
    p.start(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), QStringLiteral("it"), QStringLiteral("-q"),
                                          QStringLiteral("-x"), testo});
    if (!p.waitForFinished() || p.exitCode() != 0) qFatal("espeak-ng did not run");
    return QString::fromUtf8(p.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("[,' \\n]|_[:!|]")));
}

// What a screen reader hears of a text the window shows.
QString parlato(const QString& testo) {
    const QString f = QString::fromStdString(formaParlata(testo.toStdString()));
    return f.isEmpty() ? testo : f;
}

const BancaDomande& bancaDi(Finestra f) {
    return f == Finestra::Multipli ? bancaMultipli : bancaSottomultipli;
}

}  // namespace

class TestFinestraQuiz : public QObject {
    Q_OBJECT

private slots:
    // The tests run the program as main sets it up.
    void initTestCase() { preparaApplicazione(); }

    void esercizioCliccato_data() {
        QTest::addColumn<int>("finestra");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<bool>("dito");
        const QString multipli = QStringLiteral("96 DOMANDE PER CONOSCERE LE MISURE DI LUNGHEZZA:  I MULTIPLI");
        QTest::newRow("FrmMultipli") << static_cast<int>(Finestra::Multipli) << multipli << false;
        QTest::newRow("FrmSottomultipli") << static_cast<int>(Finestra::Sottomultipli)
                                          << "96 DOMANDE PER CONOSCERE LE MISURE DI LUNGHEZZA:  I SOTTOMULTIPLI" << false;
        QTest::newRow("FrmMultipli a dito") << static_cast<int>(Finestra::Multipli) << multipli << true;
    }

    // A whole drill answered right by clicks (or taps), then restarted, reading each question off the
    // window; the draws are 1, 1, 2, ... 95: the first question comes twice in a row.
    void esercizioCliccato() {
        QFETCH(int, finestra);
        QFETCH(QString, titolo);
        QFETCH(bool, dito);
        const auto f = static_cast<Finestra>(finestra);
        Ascolto ascolto;
        SorgentiCopione s;
        for (int n = 0; n < domandePerBanca; ++n) s.copione.valori.push_back(GeneratoreCopione::per(std::max(n, 1)));
        Programma p(&s);
        QWidget* w = p.apri(f);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), titolo);
        QCOMPARE(situazioneDi(w), Situazione::Aperta);
        // A screen reader reads each label as static text, with what it shows.
        QCOMPARE(accessibile(w, "LblNumero2")->role(), QAccessible::StaticText);
        QCOMPARE(nomeAccessibile(w, "LblIstruzione"), QStringLiteral("Clicca sul pulsante esatto"));
        QCOMPARE(testoDi(w, "LblOperazione"), QStringLiteral("1"));
        QCOMPARE(testoDi(w, "LblTempoParziale"), QString());
        for (int turno = 1; turno <= 96; ++turno) {
            QCOMPARE(testoDi(w, "LblOperazione"), QString::number(turno));
            const QString chiave = chiaveMostrata(w, bancaDi(f));
            QVERIFY2(!chiave.isEmpty(), qPrintable(testoDi(w, "LblNumero2")));
            QCOMPARE(nomeAccessibile(w, "LblNumero2"), parlato(testoDi(w, "LblNumero2")));
            QCOMPARE(nomeAccessibile(w, "LblOperazione"), QString::number(turno));
            const char* giusto = pulsanteCon(w, chiave);
            QVERIFY(giusto);
            clicca(w, giusto, dito);
            QCOMPARE(testoDi(w, "lblRisultato"), chiave);
            QCOMPARE(situazioneDi(w), Situazione::Scelta);
            QCOMPARE(nomeAccessibile(w, "lblRisultato"), chiave);
            ascolto.svuota();
            clicca(w, "CmdVerifica", dito);
            QCOMPARE(testoDi(w, "LblEsito"), QStringLiteral("E  s  a  t  t  o"));
            // The outcome is heard as the word, and its arrival is notified.
            QCOMPARE(nomeAccessibile(w, "LblEsito"), QStringLiteral("Esatto"));
            QVERIFY(ascolto.quanti(w, "LblEsito", QAccessible::NameChanged) >= 1);
            QCOMPARE(nomeAccessibile(w, "LblTempoTotale"), testoDi(w, "LblTempoTotale"));
            if (turno < 96) {
                QCOMPARE(situazioneDi(w), Situazione::Verificata);
                ascolto.svuota();
                clicca(w, "CmdOperazione", dito);
                QCOMPARE(situazioneDi(w), Situazione::InAttesa);
                QVERIFY(ascolto.quanti(w, "LblOperazione", QAccessible::NameChanged) >= 1);
                QVERIFY(ascolto.quanti(w, "LblEsito", QAccessible::NameChanged) >= 1);
                // Each new question is announced, even one drawn twice in a row.
                QVERIFY(ascolto.quanti(w, "LblNumero2", QAccessible::NameChanged) >= 1);
            }
        }
        QCOMPARE(situazioneDi(w), Situazione::Finita);
        // The screen reader's message: the outcome, both times, and the two buttons offered.
        QCOMPARE(w->findChild<ui::Annunciatore*>()->messaggio(),
                 QStringLiteral("Esatto. Tempo parziale %1. Tempo totale %2. Ricomincia. Fine.")
                     .arg(testoDi(w, "LblTempoParziale"), testoDi(w, "LblTempoTotale")));
        clicca(w, "CmdVerifica");
        QCOMPARE(situazioneDi(w), Situazione::Finita);
        clicca(w, "CmdRicomincia");
        QCOMPARE(situazioneDi(w), Situazione::InAttesa);
        QCOMPARE(testoDi(w, "LblOperazione"), QStringLiteral("1"));
        // A new drill: the question heard with its number, and its instruction again.
        QCOMPARE(w->findChild<ui::Annunciatore*>()->messaggio(),
                 QStringLiteral("Domanda 1. %1 Clicca sul pulsante esatto.").arg(parlato(testoDi(w, "LblNumero2"))));
        QCOMPARE(testoDi(w, "lblRisultato"), QString());
        // A wrong answer, by a button whose caption is not the key.
        const QString chiave = chiaveMostrata(w, bancaDi(f));
        for (const char* nome : pulsantiRisposta)
            if (pulsanteDi(w, nome)->text() != chiave) {
                clicca(w, nome);
                break;
            }
        clicca(w, "CmdVerifica");
        QCOMPARE(testoDi(w, "LblEsito"), QStringLiteral("E  r  r  a  t  o"));
        QCOMPARE(nomeAccessibile(w, "LblEsito"), QStringLiteral("Errato"));
        // Reopened, the fresh labels read empty again.
        w->close();
        w = p.apri(f);
        QVERIFY(w);
        QCOMPARE(nomeAccessibile(w, "LblEsito"), QString());
        QCOMPARE(nomeAccessibile(w, "LblOperazione"), QStringLiteral("1"));
        QCOMPARE(p.fine, 0);
    }

    void geometriaComeProgettata() {
        Programma p;
        QWidget* w = p.apri(Finestra::Multipli);
        QVERIFY(w);
        QWidget* area = w->findChild<QWidget*>("FrmMultipli_area");
        QCOMPARE(area->size(), QSize(11880 / 15, 8310 / 15));
        QCOMPARE(area->mapTo(w, QPoint(0, 0)).y(), w->findChild<QMenuBar*>()->height());
        for (const Geometria& g : progetto) {
            auto* c = w->findChild<QWidget*>(g.nome);
            QVERIFY2(c, g.nome);
            QCOMPARE(c->geometry(), QRect(g.sinistra / 15, g.alto / 15, g.larghezza / 15, g.altezza / 15));
        }
        // The frame's children lie in the frame.
        for (const char* nome : {"LblOperazione", "Label9", "Line4"})
            QCOMPARE(w->findChild<QWidget*>(nome)->parentWidget()->objectName(), QStringLiteral("Frame2"));
        // The keypad rows are 15 twips (one pixel) apart.
        QCOMPARE(pulsanteDi(w, "Command5")->x(), pulsanteDi(w, "Command2")->geometry().right() + 2);
        QCOMPARE(pulsanteDi(w, "Command3")->y(), pulsanteDi(w, "Command2")->geometry().bottom() + 2);
    }

    void impilamentoETab() {
        Programma p;
        QWidget* w = p.apri(Finestra::Multipli);
        QVERIFY(w);
        QWidget* area = w->findChild<QWidget*>("FrmMultipli_area");
        // Children of a widget are drawn in creation order: the topmost comes last.
        QList<QString> ordine;
        for (QObject* o : area->children())
            if (o->isWidgetType()) ordine.prepend(o->objectName());
        QList<QString> atteso;
        for (const char* n : impilamento) atteso << QString::fromLatin1(n);
        QCOMPARE(ordine, atteso);
        // Focus starts on "F i n e" and Tab goes through the visible, enabled buttons.
        QCOMPARE(QApplication::focusWidget(), pulsanteDi(w, "CmdFine"));
        QStringList giro;
        Ascolto ascolto;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString nome = QApplication::focusWidget()->objectName();
            giro << nome;
            // Exactly one control reports the focus, and its coming is notified.
            QCOMPARE(conFocus(w), QStringList{nome});
            QVERIFY(ascolto.quanti(w, qPrintable(nome), QAccessible::Focus) >= 1);
            ascolto.svuota();
        }
        QCOMPARE(giro, QStringList({"Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8",
                                    "CmdFine", "Command2"}));
    }

    void tastiera() {
        Ascolto ascolto;
        Programma p;
        QWidget* w = p.apri(Finestra::Sottomultipli);
        QVERIFY(w);
        const QString chiave = chiaveMostrata(w, bancaSottomultipli);
        auto* giusto = pulsanteDi(w, pulsanteCon(w, chiave));
        giusto->setFocus();
        QTest::keyClick(giusto, Qt::Key_Space);
        QCOMPARE(testoDi(w, "lblRisultato"), chiave);
        // Back to the window (Alt+Tab), the question is heard, then the answer chosen or the outcome.
        const auto tornato = [w] {
            QEvent attivata(QEvent::WindowActivate);
            QApplication::sendEvent(w, &attivata);
            QCoreApplication::processEvents();
            return w->findChild<ui::Annunciatore*>()->messaggio();
        };
        const QString domanda = QStringLiteral("Domanda 1. ") + parlato(testoDi(w, "LblNumero2"));
        QCOMPARE(tornato(), domanda + QLatin1Char(' ') + chiave + QLatin1Char('.'));
        auto* verifica = pulsanteDi(w, "CmdVerifica");
        verifica->setFocus();
        QTest::keyClick(verifica, Qt::Key_Return);
        QCOMPARE(situazioneDi(w), Situazione::Verificata);
        const QString riepilogo = tornato();
        QVERIFY2(riepilogo.startsWith(domanda + QStringLiteral(" Esatto. Tempo parziale ")), qPrintable(riepilogo));
        // The focus has moved on from the hidden "Verifica" to "Visualizza nuova domanda".
        QCOMPARE(QApplication::focusWidget(), pulsanteDi(w, "CmdOperazione"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(situazioneDi(w), Situazione::InAttesa);
        QCOMPARE(testoDi(w, "LblOperazione"), QStringLiteral("2"));
    }

    void spazioSuFineChiude() {
        Programma p;
        QWidget* w = p.apri(Finestra::Multipli);
        QVERIFY(w);
        QVERIFY(p.apri(Finestra::Sottomultipli));
        QTest::keyClick(pulsanteDi(w, "CmdFine"), Qt::Key_Space);
        QVERIFY(!p.registro.caricata(Finestra::Multipli));
        QVERIFY(p.registro.caricata(Finestra::Sottomultipli));
        QCOMPARE(p.fine, 0);
    }

    void barraVuotaNonFaNulla() {
        Programma p;
        QWidget* w = p.apri(Finestra::Multipli);
        QVERIFY(w);
        QWidget* area = w->findChild<QWidget*>("FrmMultipli_area");
        const QString domanda = testoDi(w, "LblNumero2");
        QWidget* sotto = area->childAt(525 / 15 + 5, 5070 / 15 + 5);
        QCOMPARE(sotto->objectName(), QStringLiteral("Command1"));
        QVERIFY(!sotto->isEnabled());
        QTest::mouseClick(sotto, Qt::LeftButton);
        QCOMPARE(situazioneDi(w), Situazione::Aperta);
        QCOMPARE(testoDi(w, "LblNumero2"), domanda);
    }

    void stessoPulsanteDueVolte() {
        Programma p;
        QWidget* w = p.apri(Finestra::Multipli);
        QVERIFY(w);
        clicca(w, "Command6");
        const QImage prima = w->grab().toImage();
        clicca(w, "Command6");
        QCOMPARE(w->grab().toImage(), prima);
        QCOMPARE(testoDi(w, "lblRisultato"), QStringLiteral("dam"));
    }

    void riaperturaControlliNuoviTotaleTenuto() {
        Programma p;
        QWidget* w = p.apri(Finestra::Multipli);
        QVERIFY(w);
        QPointer<QWidget> vecchia = w;
        clicca(w, "Command2");
        clicca(w, "CmdVerifica");
        const QString totale = testoDi(w, "LblTempoTotale");
        QVERIFY(!totale.isEmpty());
        // Closing from the window frame acts as "F i n e".
        w->close();
        QVERIFY(!p.registro.caricata(Finestra::Multipli));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(vecchia.isNull());
        const float totaleMotore = p.registro.motore(Finestra::Multipli)->tempoTotale();
        w = p.apri(Finestra::Multipli);
        QVERIFY(w);
        QCOMPARE(situazioneDi(w), Situazione::Aperta);
        QCOMPARE(testoDi(w, "LblOperazione"), QStringLiteral("1"));
        for (const char* nome : {"lblRisultato", "LblEsito", "LblTempoParziale", "LblTempoTotale"})
            QCOMPARE(testoDi(w, nome), QString());
        QCOMPARE(p.registro.motore(Finestra::Multipli)->tempoTotale(), totaleMotore);
        QCOMPARE(QApplication::focusWidget(), pulsanteDi(w, "CmdFine"));
    }

    void aspettoAllApertura() {
        Programma p;
        QWidget* w = p.apri(Finestra::Sottomultipli);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("96 DOMANDE PER CONOSCERE LE MISURE DI LUNGHEZZA:  I SOTTOMULTIPLI"));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->findChild<ui::CorniceClassica*>("Frame2")->sfondo(), QColor(225, 255, 225));
        QCOMPARE(w->findChild<ui::CorniceClassica*>("Frame2")->didascalia(), QStringLiteral("ELABORAZIONE"));
        QCOMPARE(testoDi(w, "Label9"), QStringLiteral("             Dom.   Tempo      Tempo "));
        QCOMPARE(testoDi(w, "Label7"), QStringLiteral("                        parziale    totale"));
        QCOMPARE(testoDi(w, "Label1"), QStringLiteral("Misure di lunghezza"));
        QStringList tastierino;
        for (const char* nome : {"Command2", "Command5", "Command7", "Command3", "Command6", "Command8", "Command4"})
            tastierino << pulsanteDi(w, nome)->text();
        QCOMPARE(tastierino, QStringList({"10", "mm", "dm", "100", "cm", "m", "1000"}));
        QVERIFY(pulsanteDi(w, "Command1")->text().isEmpty());
        QVERIFY(!pulsanteDi(w, "Command1")->isEnabled());
        // Fonts in pixels at 96 dpi: 50.25 pt and 72 pt bold.
        QCOMPARE(w->findChild<QWidget*>("lblRisultato")->font().pixelSize(), 67);
        QCOMPARE(w->findChild<QWidget*>("LblEsito")->font().pixelSize(), 96);
        QVERIFY(w->findChild<QWidget*>("LblEsito")->font().bold());
        QCOMPARE(w->findChild<ui::EtichettaClassica*>("LblNumero2")->sfondo(), QColor(255, 255, 192));
        QVERIFY(!w->findChild<ui::EtichettaClassica*>("LblEsito")->sfondo().isValid());
        QCOMPARE(w->findChild<ui::FormaPiena*>("Shape1")->riempimento(), QColor(255, 255, 0));
        // Tooltips on the two time labels and nowhere else; an accessible name on every control.
        QStringList conSuggerimento;
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->toolTip().isEmpty()) conSuggerimento << c->objectName();
        }
        const auto controlli = w->findChild<QWidget*>("FrmSottomultipli_area")->findChildren<QWidget*>();
        QCOMPARE(controlli.size(), 30);
        conSuggerimento.sort();
        QCOMPARE(conSuggerimento, QStringList({"LblTempoParziale", "LblTempoTotale"}));
        QCOMPARE(w->findChild<QWidget*>("LblTempoParziale")->toolTip(),
                 QStringLiteral("Secondi impiegati per ogni risposta"));
        QCOMPARE(w->findChild<QWidget*>("LblTempoTotale")->toolTip(),
                 QStringLiteral("Secondi impiegati per ogni esercizio"));
        QCOMPARE(w->windowIcon().availableSizes().value(0), QSize(32, 32));
    }

    // Each unit a question writes as a symbol sounds, in the question's spoken form, as its
    // answer button sounds; no fraction is read as digits and a bar.
    void pronunciaDelleDomande_data() {
#ifdef Q_OS_WIN
        QSKIP("the Italian voice is espeak-ng's, a Linux program: heard in the Linux build");
#endif
        QTest::addColumn<QString>("testo");
        for (const BancaDomande* b : {&bancaMultipli, &bancaSottomultipli})
            for (const Domanda& d : *b)
                QTest::addRow("%s %d", b == &bancaMultipli ? "multipli" : "sottomultipli", d.numero)
                    << QString::fromUtf8(d.testo.data(), static_cast<int>(d.testo.size()));
    }
    void pronunciaDelleDomande() {
        QFETCH(QString, testo);
        const QString detto = parlato(testo);
        QVERIFY2(!detto.contains(QLatin1Char('/')), qPrintable(detto));
        const QString suoni = fonemi(detto);
        for (const QString& parola : testo.split(QRegularExpression(QStringLiteral("[ ']")), Qt::SkipEmptyParts))
            if (const auto u = unitaDaSimbolo(parola.toLower().toStdString())) {
                const QString bottone = fonemi(QString::fromUtf8(simbolo(*u).data()));
                QVERIFY2(suoni.contains(bottone), qPrintable(QStringLiteral("%1 (%2) lacks %3 (%4)")
                                                                 .arg(detto, suoni, parola, bottone)));
            }
    }

    // What a screen reader finds in the window: what it shows, under the words it shows, and
    // no internal control name nor any decoration.
    void lettoreDiSchermo() {
        Programma p;
        QWidget* w = p.apri(Finestra::Multipli);
        QVERIFY(w);
        QStringList nomi, oggetti;
        for (QAccessibleInterface* i : albero(w)) {
            nomi << i->text(QAccessible::Name);
            oggetti << i->object()->objectName();
        }
        for (QWidget* c : w->findChildren<QWidget*>())
            if (!c->objectName().isEmpty()) QVERIFY2(!nomi.contains(c->objectName()), qPrintable(c->objectName()));
        for (const char* decorazione :
             {"Shape1", "Line1", "Line2", "Line4", "Label3", "LblContrassegno", "LblEsercizio", "Command1"})
            QVERIFY2(!oggetti.contains(QLatin1String(decorazione)), decorazione);
        QVERIFY(oggetti.contains(QStringLiteral("LblTempoTotale")));
        QCOMPARE(accessibile(w, "Frame2")->role(), QAccessible::Grouping);
        QCOMPARE(nomeAccessibile(w, "Frame2"), QStringLiteral("ELABORAZIONE"));
        QCOMPARE(nomeAccessibile(w, "CmdFine"), QStringLiteral("Fine"));
        QCOMPARE(nomeAccessibile(w, "Label9"), QStringLiteral("Dom. Tempo Tempo"));
        QCOMPARE(nomeAccessibile(w, "Label7"), QStringLiteral("parziale totale"));
        QCOMPARE(accessibile(w, "LblTempoParziale")->text(QAccessible::Description),
                 QStringLiteral("Secondi impiegati per ogni risposta"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), w->windowTitle());
        QCOMPARE(conFocus(w), QStringList{QStringLiteral("CmdFine")});
    }

    // A control looked up by a name the layout does not have stops the program at once,
    // naming it (run in a child process of this test).
    void nomeSbagliatoFermaIlProgramma() {
        if (qEnvironmentVariableIsSet("KESTRANO_NOME_SBAGLIATO")) {
            Programma p;
            p.registro.carica(Finestra::Multipli);
            p.f(Finestra::Multipli)->controllo<ui::PulsanteClassico>("CmdVerifca");
            return;
        }
        QProcess figlio;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("KESTRANO_NOME_SBAGLIATO"), QStringLiteral("1"));
        figlio.setProcessEnvironment(ambiente);
        figlio.setProcessChannelMode(QProcess::MergedChannels);
        figlio.start(QCoreApplication::applicationFilePath(), {QStringLiteral("nomeSbagliatoFermaIlProgramma")});
        QVERIFY(figlio.waitForFinished(60000));
        const QByteArray uscita = figlio.readAll();
        QVERIFY2(figlio.exitStatus() == QProcess::CrashExit || figlio.exitCode() != 0, uscita.constData());
        QVERIFY2(uscita.contains("FrmMultipli has no control CmdVerifca"), uscita.constData());
    }

    void menuEsciTermina() {
        Programma p;
        QWidget* w = p.apri(Finestra::Multipli);
        QVERIFY(w);
        auto* menu = w->findChild<QMenu*>("MnuFile");
        QCOMPARE(menu->title(), QStringLiteral("&File"));
        auto* esci = w->findChild<QAction*>("MnuEsci");
        QCOMPARE(esci->text(), QStringLiteral("Esci"));
        clicca(w, "Command3");
        esci->trigger();
        QCOMPARE(p.fine, 1);
    }

    void tempoTroppoLargoTagliato() {
        Programma p;
        QWidget* w = p.apri(Finestra::Multipli);
        QVERIFY(w);
        auto* e = w->findChild<ui::EtichettaClassica*>("LblTempoTotale");
        const QSize prima = e->size();
        e->impostaTesto(QStringLiteral("123456789"));
        QCOMPARE(e->size(), prima);
        // Nothing is drawn outside the label: the frame to its right keeps its own colour.
        const QImage img = w->findChild<QWidget*>("Frame2")->grab().toImage();
        QCOMPARE(img.pixelColor(e->geometry().right() + 3, e->geometry().center().y()), QColor(225, 255, 225));
    }
};

QTEST_MAIN(TestFinestraQuiz)
#include "test_finestra_quiz.moc"
