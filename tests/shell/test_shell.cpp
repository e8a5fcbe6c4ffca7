// The start window, the info window and the lifecycle of all four windows, on the offscreen
// platform: every row of the lifecycle, the end rules and the "Info" press-and-hold.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTextLayout>
#include <QtTest>

#include "quiz/motore_quiz.h"
#include "shell/avvio.h"
#include "shell/registro_finestre.h"
#include "support/accessibile.h"
#include "support/gui.h"
#include "support/programma.h"
#include "ui/accessibilita.h"
#include "ui/finestra_classica.h"
#include "ui/stile_classico.h"

using namespace kestrano;
using namespace kestrano::test;

namespace {

// The top-level windows alive with this name, once pending deletions are done.
int quante(const char* nome) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += w->objectName() == QLatin1String(nome) ? 1 : 0;
    return n;
}

}  // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    // The tests run the program as main sets it up.
    void initTestCase() { preparaApplicazione(); }

    void stileDelProgramma() {
        QCOMPARE(QApplication::applicationName(), QStringLiteral("kestrano"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral(KESTRANO_VERSIONE));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.kestrano"));
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
        QVERIFY(p.apri(Finestra::InizioMultpli));
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
        QVERIFY(p.apri(Finestra::InizioMultpli));
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
        QVERIFY(p.apri(Finestra::InizioMultpli));
        clicca(p.inizio(), "Command1");
        QWidget* w = p.f(Finestra::Multipli);
        clicca(w, "Command5");
        clicca(w, "CmdVerifica");
        clicca(w, "CmdOperazione");
        const QString domanda = testoDi(w, "LblNumero2"), totale = testoDi(w, "LblTempoTotale");
        // With the quiz behind the start window, its button brings it to the front, active.
        QVERIFY(p.apri(Finestra::InizioMultpli));
        clicca(p.inizio(), "Command1");
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(p.f(Finestra::Multipli), w);
        QCOMPARE(testoDi(w, "LblOperazione"), QStringLiteral("2"));
        QCOMPARE(testoDi(w, "LblNumero2"), domanda);
        QCOMPARE(testoDi(w, "LblTempoTotale"), totale);
        QCOMPARE(quante("FrmMultipli"), 1);
    }

    void dueQuizInsieme() {
        Programma p;
        QVERIFY(p.apri(Finestra::InizioMultpli));
        clicca(p.inizio(), "Command1");
        clicca(p.inizio(), "Command2");
        clicca(p.inizio(), "Command2");
        QVERIFY(p.f(Finestra::Multipli)->isVisible());
        QVERIFY(p.f(Finestra::Sottomultipli)->isVisible());
        QCOMPARE(quante("FrmMultipli"), 1);
        QCOMPARE(quante("FrmSottomultipli"), 1);
        QVERIFY(p.registro.motore(Finestra::Multipli) != p.registro.motore(Finestra::Sottomultipli));
        // Each keeps its own drill.
        clicca(p.f(Finestra::Multipli), "Command2");
        QCOMPARE(testoDi(p.f(Finestra::Multipli), "lblRisultato"), QStringLiteral("10"));
        QCOMPARE(testoDi(p.f(Finestra::Sottomultipli), "lblRisultato"), QString());
    }

    void fineRiportaAllInizioERiapreDaUno() {
        Programma p;
        QVERIFY(p.apri(Finestra::InizioMultpli));
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
        QCOMPARE(quante("FrmSottomultipli"), 0);
        QCOMPARE(p.fine, 0);
    }

    void esciTerminaSubito() {
        Programma p;
        QVERIFY(p.apri(Finestra::InizioMultpli));
        clicca(p.inizio(), "Command1");
        clicca(p.inizio(), "Command2");
        clicca(p.inizio(), "Command9");
        QCOMPARE(p.fine, 1);
        QVERIFY(p.registro.terminato());
    }

    void esciDelQuizTermina() {
        Programma p;
        QVERIFY(p.apri(Finestra::InizioMultpli));
        clicca(p.inizio(), "Command2");
        p.f(Finestra::Sottomultipli)->findChild<QAction*>("MnuEsci")->trigger();
        QCOMPARE(p.fine, 1);
    }

    void esciDellInizioChiudeSoloLInizio() {
        Programma p;
        QVERIFY(p.apri(Finestra::InizioMultpli));
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
        QVERIFY(p.apri(Finestra::InizioMultpli));
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
        QTest::newRow("dito") << static_cast<int>(Qt::NoButton);  // held by a finger
    }

    void infoConOgniPulsanteDelMouse() {
        QFETCH(int, pulsante);
        const auto tasto = static_cast<Qt::MouseButton>(pulsante);
        Programma p;
        QVERIFY(p.apri(Finestra::InizioMultpli));
        auto* info = pulsanteDi(p.inizio(), "Command7");
        const auto premi = [&] { tasto == Qt::NoButton ? premiDito(info) : QTest::mousePress(info, tasto); };
        const auto rilascia = [&] { tasto == Qt::NoButton ? alzaDito(info) : QTest::mouseRelease(info, tasto); };
        for (int volta = 0; volta < 2; ++volta) {
            premi();
            QVERIFY(p.registro.caricata(Finestra::WWW));
            QVERIFY(p.f(Finestra::WWW)->isVisible());
            QCOMPARE(quante("FrmWWW"), 1);
            rilascia();
            QVERIFY(!p.registro.caricata(Finestra::WWW));
            QCOMPARE(quante("FrmWWW"), 0);
        }
        // A release with the window not loaded does nothing.
        rilascia();
        QCOMPARE(p.fine, 0);
    }

    void infoDallaTastieraNonMostraNulla() {
        Programma p;
        QVERIFY(p.apri(Finestra::InizioMultpli));
        auto* info = pulsanteDi(p.inizio(), "Command7");
        info->setFocus();
        QTest::keyClick(info, Qt::Key_Space);
        QTest::keyClick(info, Qt::Key_Return);
        QVERIFY(!p.registro.caricata(Finestra::WWW));
    }

    void finestraInfo() {
        Programma p;
        QVERIFY(p.apri(Finestra::InizioMultpli));
        QTest::mousePress(pulsanteDi(p.inizio(), "Command7"), Qt::LeftButton);
        QWidget* w = p.f(Finestra::WWW);
        QCOMPARE(w->windowTitle(), QStringLiteral("INFO"));
        QCOMPARE(w->findChild<QWidget*>("FrmWWW_area")->size(), QSize(481, 198));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
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
        QVERIFY(p.apri(Finestra::InizioMultpli));
        p.registro.mostra(Finestra::WWW);
        QWidget* w = p.f(Finestra::WWW);
        // A click on an address does nothing.
        QTest::mouseClick(w->findChild<QWidget*>("Label1"), Qt::LeftButton);
        QTest::mouseClick(w->findChild<QWidget*>("Label2"), Qt::LeftButton);
        QVERIFY(p.registro.caricata(Finestra::WWW));
        QWidget* area = w->findChild<QWidget*>("FrmWWW_area");
        // A press on the background released outside the window is no click.
        QTest::mousePress(area, Qt::LeftButton, {}, QPoint(10, 180));
        QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(10, 400));
        QVERIFY(p.registro.caricata(Finestra::WWW));
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, 180));
        QVERIFY(!p.registro.caricata(Finestra::WWW));
        QCOMPARE(p.fine, 0);
        // Closing it from the window frame unloads it too.
        p.registro.mostra(Finestra::WWW);
        p.f(Finestra::WWW)->close();
        QVERIFY(!p.registro.caricata(Finestra::WWW));
        QCOMPARE(p.fine, 0);
    }

    // The frame's header places its words over their columns by runs of blanks: with the
    // label's own font, each word lies between two of the frame's lines.
    void intestazioneNelleColonne() {
#ifdef Q_OS_WIN
        QSKIP("offscreen on Windows, text is laid out by FreeType unhinted, unlike the Windows platform");
#endif
        Programma p;
        for (Finestra f : {Finestra::Multipli, Finestra::Sottomultipli}) {
            p.registro.mostra(f);
            QWidget* w = p.f(f);
            auto* cornice = w->findChild<QWidget*>("Frame2");
            QList<int> linee;
            for (const char* nome : {"Line1", "Line2", "Line4"}) linee << w->findChild<QWidget*>(nome)->x();
            linee << cornice->width();
            for (const auto& [etichetta, parole] : {std::pair{"Label9", QStringList{"Dom.", "Tempo", "Tempo"}},
                                                    std::pair{"Label7", QStringList{"parziale", "totale"}}}) {
                auto* e = w->findChild<ui::EtichettaClassica*>(etichetta);
                // Laid out as the label draws it, blanks and their spacing included.
                QTextLayout riga(e->testo(), e->font());
                riga.beginLayout();
                const QTextLine linea = riga.createLine();
                riga.endLayout();
                int da = 0;
                for (int k = 0; k < parole.size(); ++k) {
                    da = static_cast<int>(e->testo().indexOf(parole[k], da));
                    const double inizio = e->x() + linea.cursorToX(da);
                    const double fine = e->x() + linea.cursorToX(da + static_cast<int>(parole[k].size()));
                    // "Dom." in the second column, the others in the third and fourth.
                    const int colonna = parole.size() == 3 ? k : k + 1;
                    const QByteArray dove = QStringLiteral("%1 %2: %3-%4 px in %5-%6")
                                                .arg(etichetta, parole[k])
                                                .arg(inizio)
                                                .arg(fine)
                                                .arg(linee[colonna])
                                                .arg(linee[colonna + 1])
                                                .toUtf8();
                    QVERIFY2(inizio > linee[colonna] + 1 && fine < linee[colonna + 1], dove.constData());
                    da += static_cast<int>(parole[k].size());
                }
            }
        }
    }

    // Every caption fits where the layout gives it room: no label's text is cut (what it
    // cannot hold on one line wraps onto the next, if the label has one), no button's caption
    // wraps; so too every question, outcome and instruction the quiz windows show.
    void testiNonTagliati() {
#ifdef Q_OS_WIN
        QSKIP("offscreen on Windows, text is laid out by FreeType unhinted, unlike the Windows platform");
#endif
        Programma p;
        for (Finestra f : {Finestra::Multipli, Finestra::Sottomultipli, Finestra::WWW}) p.registro.carica(f);
        auto entra = [](const QWidget* c, const QString& testo) {
            const QFontMetrics m(c->font());
            if (qobject_cast<const QPushButton*>(c)) return m.horizontalAdvance(testo) <= c->width() - 6;
            // Text starts at the top edge: one line always shows; of more, the last line's baseline
            // must lie inside the label (a descender may touch its bottom edge).
            const QRect r = m.boundingRect(QRect(0, 0, c->width(), 10000), Qt::AlignLeft | Qt::TextWordWrap, testo);
            const int righe = qRound(static_cast<double>(r.height()) / m.lineSpacing());
            return r.width() <= c->width() && (righe == 1 || (righe - 1) * m.lineSpacing() + m.ascent() <= c->height());
        };
        for (Finestra f : {Finestra::InizioMultpli, Finestra::Multipli, Finestra::Sottomultipli, Finestra::WWW})
            for (const QWidget* c : p.f(f)->area()->findChildren<QWidget*>()) {
                QString testo;
                if (ui::esclusoDallAlbero(c)) continue;  // never shown
                if (auto* e = qobject_cast<const ui::EtichettaClassica*>(c)) testo = e->testo();
                if (auto* b = qobject_cast<const QPushButton*>(c)) testo = b->text();
                QVERIFY2(testo.isEmpty() || entra(c, testo), qPrintable(c->objectName() + ": " + testo));
            }
        for (Finestra f : {Finestra::Multipli, Finestra::Sottomultipli}) {
            QWidget* w = p.f(f);
            for (const Domanda& d : f == Finestra::Multipli ? bancaMultipli : bancaSottomultipli)
                QVERIFY2(entra(w->findChild<QWidget*>("LblNumero2"), ui::testoQt(d.testo)), d.testo.data());
            for (std::string_view esito : {testoEsatto, testoErrato})
                QVERIFY2(entra(w->findChild<QWidget*>("LblEsito"), ui::testoQt(esito)), esito.data());
            for (std::string_view istruzione : {testoCliccaEsatto, testoCliccaVerifica, testoCliccaNuovaDomanda})
                QVERIFY2(entra(w->findChild<QWidget*>("LblIstruzione"), ui::testoQt(istruzione)), istruzione.data());
        }
    }

    void mostrareInfoGiaApertaNonRicentra() {
        Programma p;
        QVERIFY(p.apri(Finestra::InizioMultpli));
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
