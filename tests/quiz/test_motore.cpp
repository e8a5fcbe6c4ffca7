// The quiz engine driven through whole drills with a recording view, a fixed clock and a
// scripted generator: situations, timing, the end of the drill, restart and reopening.
#include <QtTest>
#include <cmath>
#include <memory>
#include <set>

#include "content/banche.h"
#include "quiz/motore_quiz.h"
#include "support/finti.h"
#include "support/situazioni.h"

using namespace kestrano;
using namespace kestrano::test;

Q_DECLARE_METATYPE(kestrano::test::Situazione)

namespace {

struct Banco {
    OrologioFisso orologio;
    GeneratoreCopione generatore;
    std::unique_ptr<VistaRegistrata> vista = std::make_unique<VistaRegistrata>();
    MotoreQuiz motore;

    explicit Banco(const ConfigurazioneQuiz& c = configurazioneMultipli) : motore(c, orologio, generatore) {
        motore.collegaVista(vista.get());
    }
    // A fresh window over the kept engine, as each opening builds one.
    void apri() {
        vista = std::make_unique<VistaRegistrata>();
        motore.collegaVista(vista.get());
        motore.Form_Load();
    }
    std::optional<Situazione> situazione() const {
        const VistaRegistrata& v = *vista;
        return classifica({v.risposteAbilitate(), v.risposteDisabilitate(), v.visibile(Pulsante::CmdVerifica),
                           v.visibile(Pulsante::CmdOperazione), v.visibile(Pulsante::CmdRicomincia),
                           v.visibile(Pulsante::CmdFine), v.testo(Etichetta::LblIstruzione),
                           v.testo(Etichetta::LblEsito)});
    }
    std::string testo(Etichetta e) const { return vista->testo(e); }
    // The button that carries the right answer to the question shown.
    PulsanteRisposta pulsanteEsatto() const {
        for (std::size_t i = 0; i < numeroPulsantiRisposta; ++i)
            if (motore.configurazione().didascalie[i] == *motore.rispostaAttesa())
                return static_cast<PulsanteRisposta>(i);
        return PulsanteRisposta::Command2;
    }
    PulsanteRisposta pulsanteSbagliato() const {
        return static_cast<PulsanteRisposta>((static_cast<int>(pulsanteEsatto()) + 1) % numeroPulsantiRisposta);
    }
};

}  // namespace

class TestMotore : public QObject {
    Q_OBJECT

private slots:
    void aperturaMostraLaPrimaDomanda() {
        Banco b;
        b.generatore.valori = {GeneratoreCopione::per(31)};
        b.orologio.ora = 500.0f;
        b.apri();
        QCOMPARE(b.situazione(), Situazione::Aperta);
        QCOMPARE(b.testo(Etichetta::LblOperazione), std::string("1"));
        QCOMPARE(b.testo(Etichetta::LblNumero2), std::string("Quale misura è 1000 volte più lunga del m ?"));
        QCOMPARE(*b.motore.rispostaAttesa(), std::string("km"));
        QCOMPARE(b.testo(Etichetta::LblTempoParziale), std::string());
        QCOMPARE(b.testo(Etichetta::LblTempoTotale), std::string());
        QCOMPARE(b.testo(Etichetta::lblRisultato), std::string());
        QCOMPARE(b.vista->sfondoFrame2, (ColoreRgb{225, 255, 225}));
        QCOMPARE(b.motore.oraInizio(), 500.0f);
        // Re-seeded from the clock before the draw.
        QCOMPARE(b.generatore.semi, std::vector<float>{500.0f});
    }

    void esercizioCompleto_data() {
        QTest::addColumn<bool>("sottomultipli");
        QTest::addColumn<bool>("sempreEsatto");
        QTest::newRow("multipli esatte") << false << true;
        QTest::newRow("multipli errate") << false << false;
        QTest::newRow("sottomultipli esatte") << true << true;
        QTest::newRow("sottomultipli errate") << true << false;
    }

    // A whole drill of 96 turns, checking the situation after every step.
    void esercizioCompleto() {
        QFETCH(bool, sottomultipli);
        QFETCH(bool, sempreEsatto);
        Banco b(sottomultipli ? configurazioneSottomultipli : configurazioneMultipli);
        for (int n = 1; n <= 96; ++n) b.generatore.valori.push_back(GeneratoreCopione::per((n * 37) % 96 + 1));
        b.apri();
        QCOMPARE(b.situazione(), Situazione::Aperta);
        for (int turno = 1; turno <= 96; ++turno) {
            QCOMPARE(b.testo(Etichetta::LblOperazione), std::to_string(turno));
            const Domanda& d = b.motore.configurazione().banca[static_cast<std::size_t>((turno * 37) % 96)];
            QCOMPARE(b.testo(Etichetta::LblNumero2), std::string(d.testo));
            premiRisposta(b.motore, sempreEsatto ? b.pulsanteEsatto() : b.pulsanteSbagliato());
            QCOMPARE(b.situazione(), Situazione::Scelta);
            b.motore.CmdVerifica_Click();
            QCOMPARE(b.testo(Etichetta::LblEsito), std::string(sempreEsatto ? testoEsatto : testoErrato));
            if (turno < 96) {
                QCOMPARE(b.situazione(), Situazione::Verificata);
                b.motore.CmdOperazione_Click();
                QCOMPARE(b.situazione(), Situazione::InAttesa);
                QCOMPARE(b.testo(Etichetta::lblRisultato), std::string());
            }
        }
        QCOMPARE(b.situazione(), Situazione::Finita);
        b.motore.CmdVerifica_Click();
        QCOMPARE(b.situazione(), Situazione::Finita);
        b.motore.CmdRicomincia_Click();
        QCOMPARE(b.situazione(), Situazione::InAttesa);
        QCOMPARE(b.testo(Etichetta::LblOperazione), std::string("1"));
    }

    void ultimaSceltaPrimaDiVerifica() {
        Banco b;
        b.generatore.valori = {GeneratoreCopione::per(1)};
        b.apri();
        b.motore.Command2_Click();
        b.motore.Command8_Click();
        QCOMPARE(b.testo(Etichetta::lblRisultato), std::string("km"));
        QCOMPARE(b.motore.risposta(), std::string("km"));
        b.motore.CmdVerifica_Click();
        QCOMPARE(b.testo(Etichetta::LblEsito), std::string(testoEsatto));
    }

    void sceltaNascondeFineFinoAllaFine() {
        Banco b;
        b.apri();
        QVERIFY(b.vista->visibile(Pulsante::CmdFine));
        b.motore.Command5_Click();
        QVERIFY(!b.vista->visibile(Pulsante::CmdFine));
        for (int turno = 1; turno < 96; ++turno) {
            b.motore.CmdVerifica_Click();
            QVERIFY(!b.vista->visibile(Pulsante::CmdFine));
            b.motore.CmdOperazione_Click();
            QVERIFY(!b.vista->visibile(Pulsante::CmdFine));
            b.motore.Command5_Click();
        }
        b.motore.CmdVerifica_Click();
        QVERIFY(b.vista->visibile(Pulsante::CmdFine));
    }

    void tempoParzialeArrotondatoInBasso_data() {
        QTest::addColumn<float>("mostrata");  // time of day the question is shown
        QTest::addColumn<double>("reali");    // real seconds until "Verifica"
        QTest::addColumn<float>("salto");     // how far the wall clock is set meanwhile
        QTest::addColumn<QString>("atteso");
        QTest::newRow("7.65 s") << 100.25f << 7.65 << 0.0f << "7";
        QTest::newRow("0.4 s") << 100.0f << 0.4 << 0.0f << "0";
        QTest::newRow("same instant") << 300.0f << 0.0 << 0.0f << "0";
        // The time of day restarts from 0 at midnight; the real seconds are counted.
        QTest::newRow("across midnight") << 86399.5f << 3.75 << 0.0f << "3";
        QTest::newRow("just past midnight") << 86399.9f << 0.1 << 0.0f << "0";
        // 01:59:58 on the day summer time starts: the clock goes from 01:59:59 to 03:00:00.
        QTest::newRow("summer time starts") << 7198.0f << 3.2 << 3600.0f << "3";
        // 02:59:30 summer time to 02:00:10 winter time: 40 real seconds.
        QTest::newRow("summer time ends") << 10770.0f << 40.0 << -3600.0f << "40";
        QTest::newRow("clock set back 10 s") << 1000.0f << 8.5 << -10.0f << "8";
        QTest::newRow("clock set forward 1 h") << 1000.0f << 8.5 << 3600.0f << "8";
        QTest::newRow("more than a day") << 1000.0f << 90000.5 << 0.0f << "90000";
    }

    void tempoParzialeArrotondatoInBasso() {
        QFETCH(float, mostrata);
        QFETCH(double, reali);
        QFETCH(float, salto);
        QFETCH(QString, atteso);
        Banco b;
        b.orologio.ora = mostrata;
        b.apri();
        b.motore.Command2_Click();
        b.orologio.passa(reali);
        b.orologio.ora += salto;
        b.motore.CmdVerifica_Click();
        QCOMPARE(QString::fromStdString(b.testo(Etichetta::LblTempoParziale)), atteso);
        QCOMPARE(QString::fromStdString(b.testo(Etichetta::LblTempoTotale)), atteso);
        // The time-of-day readings keep their meaning.
        QCOMPARE(b.motore.oraInizio(), mostrata);
        QCOMPARE(b.motore.oraVerifica(), b.orologio.ora);
    }

    void totaleSommaOgniRisposta() {
        Banco b;
        b.orologio.ora = 1000.0f;
        b.apri();
        for (auto [secondi, totale] : {std::pair{5, "5"}, std::pair{0, "5"}, std::pair{12, "17"}}) {
            if (b.vista->visibile(Pulsante::CmdOperazione)) b.motore.CmdOperazione_Click();
            b.motore.Command3_Click();
            b.orologio.passa(secondi + 0.5);
            b.motore.CmdVerifica_Click();
            QCOMPARE(b.testo(Etichetta::LblTempoParziale), std::to_string(secondi));
            QCOMPARE(b.testo(Etichetta::LblTempoTotale), std::string(totale));
            // Time after the verification is not counted.
            b.orologio.passa(30.0);
        }
    }

    // Drives an opened engine to question 96, shown at the clock's present reading.
    static void finoAllaNovantaseiesima(Banco& b) {
        for (int turno = 1; turno < 96; ++turno) {
            b.motore.Command2_Click();
            b.motore.CmdVerifica_Click();
            b.motore.CmdOperazione_Click();
        }
        QCOMPARE(b.motore.contatore(), std::int16_t{96});
    }

    void novantaseiesimaVerificataDiNuovo() {
        Banco b;
        b.generatore.ripeti = GeneratoreCopione::per(1);
        b.apri();
        b.orologio.ora = 200.0f;
        finoAllaNovantaseiesima(b);
        const float totalePrima = b.motore.tempoTotale();
        b.motore.Command8_Click();
        b.orologio.passa(6.5);
        b.motore.CmdVerifica_Click();
        QCOMPARE(b.situazione(), Situazione::Finita);
        QCOMPARE(b.testo(Etichetta::LblTempoParziale), std::string("6"));
        QCOMPARE(b.motore.tempoTotale(), totalePrima + 6.0f);
        QCOMPARE(b.testo(Etichetta::LblEsito), std::string(testoEsatto));
        b.orologio.passa(3.7);
        b.motore.CmdVerifica_Click();
        QCOMPARE(b.situazione(), Situazione::Finita);
        QCOMPARE(b.testo(Etichetta::LblTempoParziale), std::string("10"));
        QCOMPARE(b.motore.tempoTotale(), totalePrima + 16.0f);
        QCOMPARE(b.testo(Etichetta::LblTempoTotale), testoNumero(totalePrima + 16.0f));
        QCOMPARE(b.testo(Etichetta::LblEsito), std::string(testoEsatto));
    }

    void ricominciaTieneIlTotale() {
        Banco b;
        b.apri();
        finoAllaNovantaseiesima(b);
        b.motore.Command2_Click();
        b.orologio.passa(9.0);
        b.motore.CmdVerifica_Click();
        const std::string parziale = b.testo(Etichetta::LblTempoParziale), totale = b.testo(Etichetta::LblTempoTotale);
        QCOMPARE(parziale, std::string("9"));
        b.motore.CmdRicomincia_Click();
        QCOMPARE(b.testo(Etichetta::LblOperazione), std::string("1"));
        QCOMPARE(b.testo(Etichetta::lblRisultato), std::string());
        QCOMPARE(b.testo(Etichetta::LblEsito), std::string());
        QVERIFY(!b.vista->visibile(Pulsante::CmdRicomincia));
        QVERIFY(!b.vista->visibile(Pulsante::CmdFine));
        QCOMPARE(b.testo(Etichetta::LblTempoParziale), parziale);
        QCOMPARE(b.testo(Etichetta::LblTempoTotale), totale);
        b.motore.Command2_Click();
        b.orologio.passa(4.0);
        b.motore.CmdVerifica_Click();
        QCOMPARE(b.testo(Etichetta::LblTempoTotale), testoNumero(b.motore.tempoTotale()));
        QCOMPARE(b.motore.tempoTotale(), std::stof(totale) + 4.0f);
    }

    void riaperturaRicominciaDaUnoColTotale() {
        Banco b;
        b.apri();
        b.motore.Command4_Click();
        b.orologio.passa(8.0);
        b.motore.CmdVerifica_Click();
        b.motore.CmdOperazione_Click();
        b.motore.Command4_Click();
        b.orologio.passa(2.0);
        b.motore.CmdVerifica_Click();
        QCOMPARE(b.vista->chiusure, 0);
        b.motore.CmdFine_Click();
        QCOMPARE(b.vista->chiusure, 1);
        b.orologio.passa(80.0);
        b.apri();
        QCOMPARE(b.situazione(), Situazione::Aperta);
        QCOMPARE(b.testo(Etichetta::LblOperazione), std::string("1"));
        QCOMPARE(b.testo(Etichetta::LblTempoTotale), std::string());
        b.motore.Command4_Click();
        b.orologio.passa(3.0);
        b.motore.CmdVerifica_Click();
        QCOMPARE(b.testo(Etichetta::LblTempoTotale), std::string("13"));
    }

    void esciTerminaInOgniSituazione() {
        Banco b;
        b.apri();
        b.motore.MnuEsci_Click();
        b.motore.Command2_Click();
        b.motore.MnuEsci_Click();
        b.motore.CmdVerifica_Click();
        b.motore.MnuEsci_Click();
        QCOMPARE(b.vista->terminazioni, 3);
        QCOMPARE(b.vista->chiusure, 0);
    }

    void estremiDelGeneratore() {
        Banco b;
        b.generatore.valori = {0.0f, std::nextafter(1.0f, 0.0f)};
        b.apri();
        QCOMPARE(b.motore.numeroDomanda(), 1.0f);
        b.motore.Command2_Click();
        b.motore.CmdVerifica_Click();
        b.motore.CmdOperazione_Click();
        QCOMPARE(b.motore.numeroDomanda(), 96.0f);
        QCOMPARE(b.testo(Etichetta::LblNumero2), std::string(bancaMultipli[95].testo));
        // Every number in between is reachable, each from its own slice of [0, 1).
        for (int n = 1; n <= 96; ++n) {
            b.generatore.valori = {GeneratoreCopione::per(n)};
            b.motore.CmdOperazione_Click();
            QCOMPARE(b.motore.numeroDomanda(), static_cast<float>(n));
        }
    }

    void numeroSenzaDomandaTieneLaPrecedente() {
        Banco b;
        b.generatore.valori = {1.0f};  // out of range: draws 97, which has no record
        b.orologio.ora = 5.0f;
        b.apri();
        QCOMPARE(b.testo(Etichetta::LblNumero2), std::string());
        QCOMPARE(b.testo(Etichetta::LblIstruzione), std::string(testoCliccaEsatto));
        QVERIFY(!b.motore.rispostaAttesa().has_value());
        QCOMPARE(b.motore.oraInizio(), 5.0f);
        b.motore.Command2_Click();
        b.motore.CmdVerifica_Click();
        QCOMPARE(b.testo(Etichetta::LblEsito), std::string(testoErrato));  // no key: every answer is wrong
        b.generatore.valori = {GeneratoreCopione::per(10), 1.0f};
        b.motore.CmdOperazione_Click();
        b.motore.Command2_Click();
        b.motore.CmdVerifica_Click();
        b.orologio.ora = 9.0f;
        b.motore.CmdOperazione_Click();
        QCOMPARE(b.testo(Etichetta::LblNumero2), std::string(bancaMultipli[9].testo));
        QCOMPARE(*b.motore.rispostaAttesa(), std::string("hm"));
        QCOMPARE(b.motore.oraInizio(), 9.0f);
    }

    void ordineDeiPassi() {
        Banco b;
        b.apri();
        b.motore.Command2_Click();
        b.vista->registro.clear();
        b.motore.CmdVerifica_Click();
        const std::vector<std::string> verifica(b.vista->registro.begin(), b.vista->registro.begin() + 7);
        for (int i = 0; i < 7; ++i) QCOMPARE(verifica[i], "abilitato Command" + std::to_string(i + 2) + " 0");
        b.vista->registro.clear();
        b.motore.CmdOperazione_Click();
        const auto& r = b.vista->registro;
        const std::vector<std::string> attesi{"abilitato Command2 1",
                                              "abilitato Command3 1",
                                              "abilitato Command4 1",
                                              "abilitato Command5 1",
                                              "abilitato Command6 1",
                                              "abilitato Command7 1",
                                              "abilitato Command8 1",
                                              "testo LblOperazione 2",
                                              "testo LblNumero2 " + b.motore.testoDomanda(),
                                              "testo LblIstruzione Clicca sul pulsante esatto",
                                              "visibile CmdOperazione 0",
                                              "visibile CmdVerifica 0",
                                              "testo lblRisultato ",
                                              "visibile CmdFine 0",
                                              "testo LblEsito "};
        QCOMPARE(r, attesi);
    }

    void semprelaStessaDomanda() {
        Banco b;
        b.generatore.ripeti = 0.5f;
        b.apri();
        for (int turno = 0; turno < 95; ++turno) {
            QCOMPARE(b.motore.numeroDomanda(), 49.0f);
            b.motore.Command2_Click();
            b.motore.CmdVerifica_Click();
            b.motore.CmdOperazione_Click();
        }
        QCOMPARE(b.motore.contatore(), std::int16_t{96});
    }

    void senzaFinestraNonSuccedeNulla() {
        Banco b;
        b.apri();
        b.motore.collegaVista(nullptr);
        b.motore.Command2_Click();
        b.motore.CmdVerifica_Click();
        b.motore.CmdFine_Click();
        QCOMPARE(b.vista->chiusure, 0);
        QCOMPARE(b.motore.risposta(), std::string("10"));
    }

    void serviziVeri() {
        OrologioDiSistema orologio;
        const float ora = orologio.secondiDaMezzanotte();
        QVERIFY(ora >= 0.0f && ora < 86400.0f);
        const double stabile = orologio.secondiStabili();
        QVERIFY(orologio.secondiStabili() >= stabile);
        GeneratoreSplitMix g;
        for (float seme : {0.0f, 1.0f, 43200.5f, 86399.99f}) {
            g.reinizializza(seme);
            for (int i = 0; i < 1000; ++i) {
                const float r = g.prossimo();
                QVERIFY(r >= 0.0f && r < 1.0f);
            }
        }
        // Seeds one step of the float apart, as two readings milliseconds apart are, differ.
        const float a = 43200.5f, b = std::nextafter(a, 86400.0f);
        g.reinizializza(a);
        const float ra = g.prossimo();
        g.reinizializza(b);
        QVERIFY(g.prossimo() != ra);
        g.reinizializza(a);
        QCOMPARE(g.prossimo(), ra);
        // Over many seeds every question number comes up.
        std::set<int> numeri;
        for (int i = 0; i < 20000; ++i) {
            g.reinizializza(static_cast<float>(i) * 0.01f);
            numeri.insert(static_cast<int>(std::floor(g.prossimo() * 96.0)) + 1);
        }
        QCOMPARE(numeri.size(), std::size_t{96});
        QCOMPARE(*numeri.begin(), 1);
        QCOMPARE(*numeri.rbegin(), 96);
    }

    // The system's clock under libfaketime (the test orologio_salta): the time of day steps an
    // hour forward between the question and "Verifica" while real time runs on.
    void secondiVeriQuandoLOraSalta() {
        const QString file = qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE");
        if (file.isEmpty()) QSKIP("runs under libfaketime, as the test orologio_salta");
        // libfaketime may read the file at any call (even inside the writing's own fstat), so
        // it is written aside and renamed over: never seen empty or half written.
        const auto sposta = [&file](const char* scarto) {
            QSaveFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(scarto) > 0 && f.commit());
        };
        sposta("+0");
        OrologioDiSistema orologio;
        GeneratoreSplitMix generatore;
        VistaRegistrata vista;
        MotoreQuiz motore(configurazioneMultipli, orologio, generatore);
        motore.collegaVista(&vista);
        motore.Form_Load();
        motore.Command2_Click();
        sposta("+1h");
        motore.CmdVerifica_Click();
        QVERIFY(std::fmod(motore.oraVerifica() - motore.oraInizio() + 86400.0f, 86400.0f) > 3500.0f);
        QCOMPARE(vista.didascalie[Etichetta::LblTempoParziale], std::string("0"));
    }
};

QTEST_APPLESS_MAIN(TestMotore)
#include "test_motore.moc"
