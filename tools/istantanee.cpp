// Renders every window of the program to PNG, the quiz windows in each of their situations
// (opened, chosen, verified, over), at 1x and 2x: istantanee OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "quiz/motore_quiz.h"
#include "shell/avvio.h"
#include "shell/registro_finestre.h"
#include "ui/finestra_classica.h"

using namespace kestrano;

namespace {

void salva(QWidget* w, const QString& cartella, const QString& nome) {
    for (int scala : {1, 2}) {
        QPixmap pm(w->size() * scala);
        pm.setDevicePixelRatio(scala);
        pm.fill(Qt::white);
        w->render(&pm);
        const QString file = QDir(cartella).filePath(nome + (scala == 2 ? QStringLiteral("@2x") : QString()) + ".png");
        pm.save(file);
    }
}

void clicca(QWidget* finestra, const char* nome) {
    if (auto* b = finestra->findChild<QPushButton*>(QString::fromLatin1(nome))) b->click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    preparaApplicazione();
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(cartella);
    RegistroFinestre registro([] {});
    registro.mostra(Finestra::InizioMultpli);
    salva(registro.finestra(Finestra::InizioMultpli), cartella, "FrmInizioMultpli");
    registro.mostra(Finestra::WWW);
    salva(registro.finestra(Finestra::WWW), cartella, "FrmWWW");
    registro.scarica(Finestra::WWW);

    for (Finestra f : {Finestra::Multipli, Finestra::Sottomultipli}) {
        registro.mostra(f);
        QWidget* w = registro.finestra(f);
        const QString nome = w->objectName();
        salva(w, cartella, nome + "-aperta");
        clicca(w, "Command5");
        salva(w, cartella, nome + "-scelta");
        clicca(w, "CmdVerifica");
        salva(w, cartella, nome + "-verificata");
        for (int turno = 2; turno <= 96; ++turno) {
            clicca(w, "CmdOperazione");
            clicca(w, "Command8");
            clicca(w, "CmdVerifica");
        }
        salva(w, cartella, nome + "-finita");
    }
    return 0;
}
