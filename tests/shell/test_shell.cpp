// The start window, the info window and the lifecycle of all four windows, on the offscreen
// platform: every row of the lifecycle, the end rules and the "Info" press-and-hold.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QtTest>

#include "shell/avvio.h"
#include "shell/registro_finestre.h"
#include "support/accessibile.h"
#include "support/gui.h"
#include "ui/finestra_classica.h"
#include "ui/stile_classico.h"

using namespace kestrano;
using namespace kestrano::test;

namespace {

struct Programma {
    int fine = 0;
    RegistroFinestre registro{[this] { ++fine; }};

    Programma() {
        registro.mostra(Finestra::InizioMultpli);
        QWidget* w = inizio();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w)) qWarning("start window not active");
    }
    QWidget* inizio() const { return registro.finestra(Finestra::InizioMultpli); }
    QWidget* f(Finestra x) const { return registro.finestra(x); }
    // The top-level windows alive with this name, once pending deletions are done.
    static int quante(const char* nome) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) n += w->objectName() == QLatin1String(nome) ? 1 : 0;
        return n;
    }
};

}  // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    // The tests run the program as main sets it up.
    void initTestCase() { preparaApplicazione(); }

    void stileDelProgramma() {
        QCOMPARE(QApplication::applicationName(), QStringLiteral("kestrano"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        QStyle* stile = QApplication::style();
        QVERIFY(dynamic_cast<ui::StileClassico*>(stile));
        // Only the menu bar's overflow icons are left out; the platform style gives the rest.
        QVERIFY(stile->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).isNull());
        QVERIFY(stile->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).isNull());
        QVERIFY(!stile->standardIcon(QStyle::SP_ArrowDown).isNull());
    }

    void avvio() {
        Programma p;
        QVERIFY(p.registro.caricata(Finestra::InizioMultpli));
        for (Finestra f : {Finestra::Multipli, Finestra::Sottomultipli, Finestra::WWW})
            QVERIFY(!p.registro.caricata(f));
        QVERIFY(!p.registro.motore(Finestra::Multipli));
        QWidget* w = p.inizio();
        QCOMPARE(w->windowTitle(), QStringLiteral("Gli obiettivi dell'addizione"));
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w->findChild<QWidget*>("FrmInizioMultpli_area")->size(), QSize(792, 554));
        QCOMPARE(w->findChild<QMenu*>("mnuFile")->title(), QStringLiteral("File"));
        QCOMPARE(w->findChild<QAction*>("mnuFine")->text(), QStringLiteral("Esci"));
        QCOMPARE(testoDi(w, "Label4"), QStringLiteral("LE UNITA' DI MISURA DI LUNGHEZZA "));
        QCOMPARE(pulsanteDi(w, "Command2")->text(), QStringLiteral("IL METRO E I SUOI  SOTTOMULTIPLI"));
        QCOMPARE(pulsanteDi(w, "Command9")->geometry(), QRect(306, 380, 446, 47));
        // Label5 runs 75 twips past the client area's right edge.
        QCOMPARE(w->findChild<QWidget*>("Label5")->geometry().right() + 1 - 792, 5);
        QVERIFY(!pulsanteDi(w, "Command3")->isVisible());
        QVERIFY(!pulsanteDi(w, "Command4")->isVisible());
        QCOMPARE(QApplication::focusWidget(), pulsanteDi(w, "Command1"));
        // A screen reader hears "Esci" for "E S C I", and neither the hidden buttons nor the
        // decorations; the title, the credit and the buttons read as they show.
        QStringList oggetti;
        QAccessibleInterface* area = accessibile(w, "FrmInizioMultpli_area");
        for (int i = 0; i < area->childCount(); ++i) oggetti << area->child(i)->object()->objectName();
        QCOMPARE(oggetti, QStringList({"Label3", "Label4", "Label5", "Command1", "Command2", "Command9", "Command7"}));
        QCOMPARE(nomeAccessibile(w, "Command9"), QStringLiteral("Esci"));
        QCOMPARE(nomeAccessibile(w, "Label4"), QStringLiteral("LE UNITA' DI MISURA DI LUNGHEZZA "));
        QCOMPARE(accessibile(w, "Label3")->role(), QAccessible::StaticText);
        QCOMPARE(conFocus(w), QStringList{QStringLiteral("Command1")});
        // Activating the focused button opens the multiples quiz.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(p.registro.caricata(Finestra::Multipli));
        QVERIFY(p.f(Finestra::Multipli)->isVisible());
        QVERIFY(p.inizio()->isVisible());
    }

    void ordineTab() {
        Programma p;
        Ascolto ascolto;
        QStringList giro;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString nome = QApplication::focusWidget()->objectName();
            giro << nome;
            // Exactly one button reports the focus, and its coming is notified.
            QCOMPARE(conFocus(p.inizio()), QStringList{nome});
            QVERIFY(ascolto.quanti(p.inizio(), qPrintable(nome), QAccessible::Focus) >= 1);
            ascolto.svuota();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(conFocus(p.inizio()), QStringList{QStringLiteral("Command1")});
        QCOMPARE(giro, QStringList({"Command2", "Command9", "Command7", "Command1", "Command2"}));
    }

    void aprireUnQuizApertoNonCambiaNulla() {
        Programma p;
        clicca(p.inizio(), "Command1");
        QWidget* w = p.f(Finestra::Multipli);
        clicca(w, "Command5");
        clicca(w, "CmdVerifica");
        clicca(w, "CmdOperazione");
        const QString domanda = testoDi(w, "LblNumero2"), totale = testoDi(w, "LblTempoTotale");
        clicca(p.inizio(), "Command1");
        QCOMPARE(p.f(Finestra::Multipli), w);
        QCOMPARE(testoDi(w, "LblOperazione"), QStringLiteral("2"));
        QCOMPARE(testoDi(w, "LblNumero2"), domanda);
        QCOMPARE(testoDi(w, "LblTempoTotale"), totale);
        QCOMPARE(Programma::quante("FrmMultipli"), 1);
    }

    void dueQuizInsieme() {
        Programma p;
        clicca(p.inizio(), "Command1");
        clicca(p.inizio(), "Command2");
        clicca(p.inizio(), "Command2");
        QVERIFY(p.f(Finestra::Multipli)->isVisible());
        QVERIFY(p.f(Finestra::Sottomultipli)->isVisible());
        QCOMPARE(Programma::quante("FrmMultipli"), 1);
        QCOMPARE(Programma::quante("FrmSottomultipli"), 1);
        QVERIFY(p.registro.motore(Finestra::Multipli) != p.registro.motore(Finestra::Sottomultipli));
        // Each keeps its own drill.
        clicca(p.f(Finestra::Multipli), "Command2");
        QCOMPARE(testoDi(p.f(Finestra::Multipli), "lblRisultato"), QStringLiteral("10"));
        QCOMPARE(testoDi(p.f(Finestra::Sottomultipli), "lblRisultato"), QString());
    }

    void fineRiportaAllInizioERiapreDaUno() {
        Programma p;
        clicca(p.inizio(), "Command2");
        QWidget* w = p.f(Finestra::Sottomultipli);
        clicca(w, "Command8");
        clicca(w, "CmdVerifica");
        clicca(w, "CmdOperazione");
        const float totale = p.registro.motore(Finestra::Sottomultipli)->tempoTotale();
        // "F i n e" is offered only in the Opened and Over situations: close from the frame here.
        w->close();
        QVERIFY(!p.registro.caricata(Finestra::Sottomultipli));
        QVERIFY(p.inizio()->isVisible());
        QCOMPARE(p.fine, 0);
        clicca(p.inizio(), "Command2");
        w = p.f(Finestra::Sottomultipli);
        QCOMPARE(testoDi(w, "LblOperazione"), QStringLiteral("1"));
        QVERIFY(mostrato(w, "CmdFine"));
        QCOMPARE(p.registro.motore(Finestra::Sottomultipli)->tempoTotale(), totale);
        clicca(w, "CmdFine");
        QVERIFY(!p.registro.caricata(Finestra::Sottomultipli));
        QCOMPARE(Programma::quante("FrmSottomultipli"), 0);
        QCOMPARE(p.fine, 0);
    }

    void esciTerminaSubito() {
        Programma p;
        clicca(p.inizio(), "Command1");
        clicca(p.inizio(), "Command2");
        clicca(p.inizio(), "Command9");
        QCOMPARE(p.fine, 1);
        QVERIFY(p.registro.terminato());
    }

    void esciDelQuizTermina() {
        Programma p;
        clicca(p.inizio(), "Command2");
        p.f(Finestra::Sottomultipli)->findChild<QAction*>("MnuEsci")->trigger();
        QCOMPARE(p.fine, 1);
    }

    void esciDellInizioChiudeSoloLInizio() {
        Programma p;
        clicca(p.inizio(), "Command1");
        p.inizio()->findChild<QAction*>("mnuFine")->trigger();
        QVERIFY(!p.registro.caricata(Finestra::InizioMultpli));
        QVERIFY(p.f(Finestra::Multipli)->isVisible());
        QCOMPARE(p.fine, 0);
        // The quiz still works; closing it, the last window, ends the program.
        clicca(p.f(Finestra::Multipli), "Command2");
        QCOMPARE(testoDi(p.f(Finestra::Multipli), "lblRisultato"), QStringLiteral("10"));
        p.f(Finestra::Multipli)->close();
        QCOMPARE(p.fine, 1);
    }

    void chiusuraDellInizioSenzaAltreFinestreTermina() {
        Programma p;
        p.inizio()->close();
        QVERIFY(!p.registro.caricata(Finestra::InizioMultpli));
        QCOMPARE(p.fine, 1);
        // Once ended, nothing more opens.
        p.registro.mostra(Finestra::Multipli);
        QVERIFY(!p.registro.caricata(Finestra::Multipli));
    }

    void infoConOgniPulsanteDelMouse_data() {
        QTest::addColumn<int>("pulsante");
        QTest::newRow("sinistro") << static_cast<int>(Qt::LeftButton);
        QTest::newRow("destro") << static_cast<int>(Qt::RightButton);
        QTest::newRow("centrale") << static_cast<int>(Qt::MiddleButton);
    }

    void infoConOgniPulsanteDelMouse() {
        QFETCH(int, pulsante);
        const auto tasto = static_cast<Qt::MouseButton>(pulsante);
        Programma p;
        auto* info = pulsanteDi(p.inizio(), "Command7");
        for (int volta = 0; volta < 2; ++volta) {
            QTest::mousePress(info, tasto);
            QVERIFY(p.registro.caricata(Finestra::WWW));
            QVERIFY(p.f(Finestra::WWW)->isVisible());
            QCOMPARE(Programma::quante("FrmWWW"), 1);
            QTest::mouseRelease(info, tasto);
            QVERIFY(!p.registro.caricata(Finestra::WWW));
            QCOMPARE(Programma::quante("FrmWWW"), 0);
        }
        // A release with the window not loaded does nothing.
        QTest::mouseRelease(info, tasto);
        QCOMPARE(p.fine, 0);
    }

    void infoDallaTastieraNonMostraNulla() {
        Programma p;
        auto* info = pulsanteDi(p.inizio(), "Command7");
        info->setFocus();
        QTest::keyClick(info, Qt::Key_Space);
        QTest::keyClick(info, Qt::Key_Return);
        QVERIFY(!p.registro.caricata(Finestra::WWW));
    }

    void finestraInfo() {
        Programma p;
        QTest::mousePress(pulsanteDi(p.inizio(), "Command7"), Qt::LeftButton);
        QWidget* w = p.f(Finestra::WWW);
        QCOMPARE(w->windowTitle(), QStringLiteral("INFO"));
        QCOMPARE(w->findChild<QWidget*>("FrmWWW_area")->size(), QSize(481, 198));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->findChild<QMenuBar*>() == nullptr);
        QCOMPARE(w->findChild<QWidget*>("FrmWWW_area")->palette().color(QPalette::Window), QColor(192, 255, 255));
        QVERIFY(testoDi(w, "Label2").startsWith(QStringLiteral("E-mail : ")));
        QVERIFY(testoDi(w, "Label1").startsWith(QStringLiteral("http")));
        // Centred on the screen, 20 twips (1 pixel) below its top; the labels centred on the
        // window's outer width.
        const QRect schermo = w->screen()->geometry();
        const int larghezza = w->frameGeometry().width();
        QVERIFY(std::abs(w->frameGeometry().left() - (schermo.width() - larghezza) / 2) <= 1);
        QCOMPARE(w->frameGeometry().top(), schermo.top() + 1);
        QVERIFY(std::abs(w->findChild<QWidget*>("Label1")->x() - (larghezza - 283) / 2) <= 1);
        QVERIFY(std::abs(w->findChild<QWidget*>("Label2")->x() - (larghezza - 285) / 2) <= 1);
        QCOMPARE(w->findChild<QWidget*>("Label1")->y(), 27);
        // No focusable control, and keys do nothing.
        for (QWidget* c : w->findChildren<QWidget*>("", Qt::FindChildrenRecursively))
            if (c->parentWidget() && c->parentWidget()->objectName() == "FrmWWW_area")
                QCOMPARE(c->focusPolicy(), Qt::NoFocus);
        QTest::keyClick(w, Qt::Key_Escape);
        QTest::keyClick(w, Qt::Key_Space);
        QVERIFY(p.registro.caricata(Finestra::WWW));
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), QStringLiteral("INFO"));
        QCOMPARE(nomeAccessibile(w, "Label2"), testoDi(w, "Label2"));
    }

    void clicSulloSfondoChiudeInfo() {
        Programma p;
        p.registro.mostra(Finestra::WWW);
        QWidget* w = p.f(Finestra::WWW);
        // A click on an address does nothing.
        QTest::mouseClick(w->findChild<QWidget*>("Label1"), Qt::LeftButton);
        QTest::mouseClick(w->findChild<QWidget*>("Label2"), Qt::LeftButton);
        QVERIFY(p.registro.caricata(Finestra::WWW));
        QWidget* area = w->findChild<QWidget*>("FrmWWW_area");
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, 180));
        QVERIFY(!p.registro.caricata(Finestra::WWW));
        QCOMPARE(p.fine, 0);
        // Closing it from the window frame unloads it too.
        p.registro.mostra(Finestra::WWW);
        p.f(Finestra::WWW)->close();
        QVERIFY(!p.registro.caricata(Finestra::WWW));
        QCOMPARE(p.fine, 0);
    }

    void mostrareInfoGiaApertaNonRicentra() {
        Programma p;
        p.registro.mostra(Finestra::WWW);
        QWidget* w = p.f(Finestra::WWW);
        w->move(200, 200);
        p.registro.mostra(Finestra::WWW);
        QCOMPARE(p.f(Finestra::WWW), w);
        QCOMPARE(w->pos(), QPoint(200, 200));
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
