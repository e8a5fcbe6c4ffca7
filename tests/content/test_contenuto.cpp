// Both question banks checked against answers worked out from each text's own units and factor
// and its family's rule, plus the lookup by number and the exact answer comparison.
#include <QtTest>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "content/banche.h"
#include "content/unita.h"

using namespace kestrano;

namespace {

// Power of ten of each unit's length in metres, read off the words a text uses for it.
const std::map<std::string, int> esponentiNelTesto{
    {"km", 3},    {"Km", 3},  {"Kilometro", 3},  {"hm", 2},  {"ettometro", 2},   {"dam", 1}, {"decametro", 1}, {"m", 0},
    {"metro", 0}, {"dm", -1}, {"decimetro", -1}, {"cm", -2}, {"centimetro", -2}, {"mm", -3}};

const std::map<std::string, int> fattoriNelTesto{{"10", 1},   {"100", 2},   {"1000", 3},  {"1.000", 3},
                                                 {"1/10", 1}, {"1/100", 2}, {"1/1000", 3}};

std::string simboloDaEsponente(int e) {
    for (const auto& d : tutteLeUnita)
        if (static_cast<int>(std::lround(std::log10(d.metri))) == e) return std::string(d.simbolo);
    return "?";
}

// The ratio of two units written as the answer buttons write it: "10", "100" or "1000".
std::string rapporto(int differenza) {
    static const char* const rapporti[] = {"1", "10", "100", "1000"};
    return differenza >= 1 && differenza <= 3 ? rapporti[differenza] : "?";
}

struct Lettura {
    std::vector<int> unita;  // exponents, in the order the text names them
    int fattore = -1;        // exponent of the factor N, if the text names one
};

Lettura leggi(const std::string& testo) {
    Lettura l;
    std::size_t inizio = 0;
    while (inizio <= testo.size()) {
        std::size_t fine = testo.find(' ', inizio);
        if (fine == std::string::npos) fine = testo.size();
        std::string parola = testo.substr(inizio, fine - inizio);
        for (const char* articolo : {"dell'", "l'"})
            if (parola.rfind(articolo, 0) == 0) parola = parola.substr(std::strlen(articolo));
        if (auto u = esponentiNelTesto.find(parola); u != esponentiNelTesto.end()) l.unita.push_back(u->second);
        if (auto f = fattoriNelTesto.find(parola); f != fattoriNelTesto.end()) l.fattore = f->second;
        inizio = fine + 1;
    }
    return l;
}

// The key each family's rule gives for a text; families are the 16 runs of six numbers.
std::string rispostaDerivata(int numero, const std::string& testo) {
    const Lettura l = leggi(testo);
    const int famiglia = (numero - 1) / 6 + 1;
    switch (famiglia) {
        case 1:
        case 2:
            return l.unita.size() == 2 ? simboloDaEsponente(std::max(l.unita[0], l.unita[1])) : "?";
        case 3:
        case 4:
            return l.unita.size() == 2 ? simboloDaEsponente(std::min(l.unita[0], l.unita[1])) : "?";
        case 5:
        case 8:
        case 10:
        case 12:
        case 14:
            return l.unita.size() == 2 ? rapporto(std::abs(l.unita[0] - l.unita[1])) : "?";
        case 6:
        case 11:
        case 13:  // the named unit times N
            return l.unita.size() == 1 && l.fattore > 0 ? simboloDaEsponente(l.unita[0] + l.fattore) : "?";
        default:  // 7, 9, 15, 16: the named unit divided by N
            return l.unita.size() == 1 && l.fattore > 0 ? simboloDaEsponente(l.unita[0] - l.fattore) : "?";
    }
}

struct Quiz {
    const char* nome;
    const BancaDomande* banca;
    std::set<std::string> didascalie;
    const char* impronta;  // of every number, text and key, worked out from the design's table
};

// The SHA-256 of each record as "number|text|key" on a line of its own, byte for byte.
QByteArray improntaDi(const BancaDomande& banca) {
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const Domanda& d : banca)
        h.addData(QByteArray::number(d.numero) + '|' + QByteArray(d.testo.data(), qsizetype(d.testo.size())) + '|' +
                  QByteArray(d.rispostaAttesa.data(), qsizetype(d.rispostaAttesa.size())) + '\n');
    return h.result().toHex();
}

const std::vector<Quiz>& quiz() {
    // clang-format off
    static const std::vector<Quiz> q{
        {"multipli", &bancaMultipli, {"10", "100", "1000", "m", "dam", "hm", "km"},
         "c3c59c23ada46e4253fae11233498a3f797eacb998b36644fa82056ea350114e"},
        {"sottomultipli", &bancaSottomultipli, {"10", "100", "1000", "mm", "cm", "dm", "m"},
         "d25d0cdbd509123c5c02b613cb2d45e7c5ad875f92715ca0372a53d73395c9cb"}};
    // clang-format on
    return q;
}

}  // namespace

class TestContenuto : public QObject {
    Q_OBJECT

private slots:
    void ogniDomanda_data() {
        QTest::addColumn<int>("banca");
        QTest::addColumn<int>("numero");
        for (int b = 0; b < 2; ++b)
            for (int n = 1; n <= domandePerBanca; ++n) QTest::addRow("%s %d", quiz()[b].nome, n) << b << n;
    }

    void ogniDomanda() {
        QFETCH(int, banca);
        QFETCH(int, numero);
        const Quiz& q = quiz()[static_cast<std::size_t>(banca)];
        const Domanda* d = trovaDomanda(*q.banca, static_cast<float>(numero));
        QVERIFY(d);
        QCOMPARE(d->numero, numero);
        const std::string testo(d->testo), chiave(d->rispostaAttesa);
        QCOMPARE(chiave, rispostaDerivata(numero, testo));
        QVERIFY(q.didascalie.count(chiave) == 1);
        // Shape of every text: 26 to 72 characters (not bytes), ending in " ?".
        const auto caratteri = QString::fromUtf8(d->testo.data(), static_cast<qsizetype>(d->testo.size())).size();
        QVERIFY2(caratteri >= 26 && caratteri <= 72, testo.c_str());
        QVERIFY(testo.ends_with(" ?"));
        // Right for exactly one of the seven buttons.
        int esatte = 0;
        for (const auto& didascalia : q.didascalie) esatte += rispostaEsatta(didascalia, *d) ? 1 : 0;
        QCOMPARE(esatte, 1);
    }

    void famiglieCopronoOgniCoppia() {
        for (const Quiz& q : quiz())
            for (int f = 0; f < 16; ++f) {
                std::set<std::pair<int, int>> coppie;
                for (int n = f * 6 + 1; n <= f * 6 + 6; ++n) {
                    const Domanda& d = (*q.banca)[static_cast<std::size_t>(n - 1)];
                    const Lettura l = leggi(std::string(d.testo));
                    const int chiave =
                        l.unita.size() == 2
                            ? 99
                            : static_cast<int>(std::lround(std::log10(metri(*unitaDaSimbolo(d.rispostaAttesa)))));
                    const int a = l.unita[0], b = l.unita.size() == 2 ? l.unita[1] : chiave;
                    coppie.insert({std::min(a, b), std::max(a, b)});
                }
                QVERIFY2(coppie.size() == 6, q.nome);
            }
    }

    void conteggiDelleChiavi() {
        std::map<std::string, int> multipli, sottomultipli;
        for (const Domanda& d : bancaMultipli) ++multipli[std::string(d.rispostaAttesa)];
        for (const Domanda& d : bancaSottomultipli) ++sottomultipli[std::string(d.rispostaAttesa)];
        const std::map<std::string, int> attesiM{{"m", 18},  {"dam", 17}, {"hm", 16}, {"km", 15},
                                                 {"10", 15}, {"100", 10}, {"1000", 5}};
        const std::map<std::string, int> attesiS{{"mm", 18}, {"cm", 17},  {"dm", 16}, {"m", 15},
                                                 {"10", 15}, {"100", 10}, {"1000", 5}};
        QCOMPARE(multipli, attesiM);
        QCOMPARE(sottomultipli, attesiS);
    }

    void sottomultipliSonoIMultipliTrasportati() {
        const std::map<std::string, std::string> trasporto{{"km", "m"},  {"hm", "dm"},   {"dam", "cm"},   {"m", "mm"},
                                                           {"10", "10"}, {"100", "100"}, {"1000", "1000"}};
        for (int i = 0; i < domandePerBanca; ++i)
            QCOMPARE(std::string(bancaSottomultipli[i].rispostaAttesa),
                     trasporto.at(std::string(bancaMultipli[i].rispostaAttesa)));
    }

    void testiTuttiDiversi() {
        std::set<std::string_view> testi;
        for (const Domanda& d : bancaMultipli) testi.insert(d.testo);
        for (const Domanda& d : bancaSottomultipli) testi.insert(d.testo);
        QCOMPARE(testi.size(), std::size_t{192});
    }

    void testiCitatiAllaLettera() {
        for (const Quiz& q : quiz()) QCOMPARE(improntaDi(*q.banca), QByteArray(q.impronta));
        QCOMPARE(trovaDomanda(bancaMultipli, 1)->testo, std::string_view("E' più lungo il km o l'hm ?"));
        QCOMPARE(trovaDomanda(bancaMultipli, 8)->testo, std::string_view("E' più lungo  il dam o il km ?"));
        QCOMPARE(trovaDomanda(bancaMultipli, 48)->testo, std::string_view("Quante volte l' hm è più corto del km ?"));
        QCOMPARE(trovaDomanda(bancaMultipli, 95)->rispostaAttesa, std::string_view("dam"));
        QCOMPARE(trovaDomanda(bancaMultipli, 96)->testo,
                 std::string_view("Come si chiama la 1/10 parte del decametro ?"));
        QCOMPARE(trovaDomanda(bancaSottomultipli, 44)->testo,
                 std::string_view("Quante volte il mm è più corto del  dm ?"));
        QCOMPARE(trovaDomanda(bancaSottomultipli, 62)->rispostaAttesa, std::string_view("dm"));
        QCOMPARE(trovaDomanda(bancaSottomultipli, 96)->rispostaAttesa, std::string_view("mm"));
    }

    void trovaDomandaFuoriDallaBanca() {
        for (const BancaDomande* b : {&bancaMultipli, &bancaSottomultipli}) {
            QCOMPARE(trovaDomanda(*b, 3.0f), &(*b)[2]);
            for (float n : {0.0f, 97.0f, 95.5f, -1.0f, 1.0e-7f, std::nanf("")}) QVERIFY(trovaDomanda(*b, n) == nullptr);
        }
    }

    void rispostaEsattaAllaLettera() {
        const Domanda km{1, "x ?", "km"}, mille{2, "x ?", "1000"};
        QVERIFY(rispostaEsatta("km", km));
        for (const char* sbagliata : {"Km", "KM", " km", "km ", "", "k"})
            QVERIFY2(!rispostaEsatta(sbagliata, km), sbagliata);
        QVERIFY(rispostaEsatta("1000", mille));
        QVERIFY(!rispostaEsatta("1.000", mille));
    }
};

QTEST_APPLESS_MAIN(TestContenuto)
#include "test_contenuto.moc"
