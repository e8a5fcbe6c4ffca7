// Renders every window of the program to PNG, the quiz windows in each of their situations
// (opened, chosen, verified, over), at 1x and 2x: istantanee OUTPUT_DIR [SNAPSHOT_DIR]
// Each quiz shows its longest question, which wraps, at a fixed time of day. Given the folder
// of the committed snapshots, it compares every picture with its snapshot pixel for pixel,
// saves NAME-differenza.png (the differing pixels in red) for each one that differs, and
// fails if any differs or is missing on either side.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

#include "quiz/motore_quiz.h"
#include "quiz/sorgenti.h"
#include "shell/avvio.h"
#include "shell/registro_finestre.h"
#include "ui/finestra_classica.h"

using namespace kestrano;

namespace {

class SorgentiFisse final : public Sorgenti {
public:
    SorgentiFisse() {
        for (std::size_t q = 0; q < numeroQuiz; ++q) {
            const BancaDomande& banca = variantiQuiz[q].configurazione.banca;
            const auto lunga = std::max_element(banca.begin(), banca.end(), [](const Domanda& a, const Domanda& b) {
                return QString::fromUtf8(a.testo).size() < QString::fromUtf8(b.testo).size();
            });
            generatori_[q].valore = (static_cast<float>(lunga->numero) - 0.5f) / domandePerBanca;
        }
    }
    Orologio& orologio() override { return ora_; }
    GeneratoreCasuale& generatore(Quiz q) override { return generatori_[indice(q)]; }

private:
    struct Ora final : Orologio {
        float secondiDaMezzanotte() override { return 36000.0f; }
        double secondiStabili() override { return 0.0; }
    } ora_;
    struct Costante final : GeneratoreCasuale {
        float valore = 0.0f;
        void reinizializza(float) override {}
        float prossimo() override { return valore; }
    };
    std::array<Costante, numeroQuiz> generatori_;
};

struct Confronto {
    QDir uscita, istantanee;
    bool attivo = false;
    QStringList fatte, diverse;

    void salva(QWidget* w, const QString& nome) {
        for (int scala : {1, 2}) {
            QPixmap pm(w->size() * scala);
            pm.setDevicePixelRatio(scala);
            pm.fill(Qt::white);
            w->render(&pm);
            const QString file = nome + (scala == 2 ? QStringLiteral("@2x") : QString()) + ".png";
            pm.save(uscita.filePath(file));
            fatte << file;
            if (attivo) confronta(pm.toImage(), file);
        }
    }

    void confronta(const QImage& disegnata, const QString& file) {
        const QImage attesa = QImage(istantanee.filePath(file)).convertToFormat(QImage::Format_RGB32);
        const QImage vista = disegnata.convertToFormat(QImage::Format_RGB32);
        if (attesa == vista) return;
        diverse << file;
        if (attesa.size() != vista.size()) return;
        QImage differenza = vista;
        int pixel = 0;
        for (int y = 0; y < vista.height(); ++y)
            for (int x = 0; x < vista.width(); ++x) {
                const bool uguale = vista.pixel(x, y) == attesa.pixel(x, y);
                pixel += uguale ? 0 : 1;
                const int grigio = 192 + qGray(vista.pixel(x, y)) / 4;
                differenza.setPixel(x, y, uguale ? qRgb(grigio, grigio, grigio) : qRgb(255, 0, 0));
            }
        differenza.save(uscita.filePath(QFileInfo(file).completeBaseName() + "-differenza.png"));
        std::fprintf(stderr, "%s: %d pixels differ\n", qPrintable(file), pixel);
    }
};

void clicca(QWidget* finestra, const char* nome) {
    if (auto* b = finestra->findChild<QPushButton*>(QString::fromLatin1(nome))) b->click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    preparaApplicazione();
    Confronto c;
    c.uscita = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    c.uscita.mkpath(QStringLiteral("."));
    c.attivo = argc > 2;
    if (c.attivo) c.istantanee = QDir(QString::fromLocal8Bit(argv[2]));
    SorgentiFisse sorgenti;
    RegistroFinestre registro(sorgenti, [] {});
    registro.mostra(Finestra::InizioMultpli);
    c.salva(registro.finestra(Finestra::InizioMultpli), "FrmInizioMultpli");
    registro.mostra(Finestra::WWW);
    c.salva(registro.finestra(Finestra::WWW), "FrmWWW");
    registro.scarica(Finestra::WWW);

    for (Finestra f : {Finestra::Multipli, Finestra::Sottomultipli}) {
        registro.mostra(f);
        QWidget* w = registro.finestra(f);
        const QString nome = w->objectName();
        c.salva(w, nome + "-aperta");
        clicca(w, "Command5");
        c.salva(w, nome + "-scelta");
        clicca(w, "CmdVerifica");
        c.salva(w, nome + "-verificata");
        for (int turno = 2; turno <= domandePerBanca; ++turno) {
            clicca(w, "CmdOperazione");
            clicca(w, "Command8");
            clicca(w, "CmdVerifica");
        }
        c.salva(w, nome + "-finita");
    }
    if (!c.attivo) return 0;
    QStringList mancanti = c.istantanee.entryList({QStringLiteral("*.png")});
    for (const QString& file : c.fatte) mancanti.removeAll(file);
    for (const QString& file : mancanti) std::fprintf(stderr, "%s: no longer drawn\n", qPrintable(file));
    for (const QString& file : c.diverse) std::fprintf(stderr, "%s differs from its snapshot\n", qPrintable(file));
    return c.diverse.isEmpty() && mancanti.isEmpty() ? 0 : 1;
}
