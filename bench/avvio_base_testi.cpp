// A third baseline: a bare window with the start window's own texts in its six fonts, as plain
// labels and a menu bar, so that what the texts cost and what kestrano adds to them show apart.
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>

#include "primo_fotogramma.h"

int main(int, char** argv) {
    int argc = 1;
    kestrano::bench::ApplicazioneCronometrata app(argc, argv);
    // Where the build puts faces in the program (the browser's), they are loaded as kestrano does.
    const QDir facce(QStringLiteral(":/facce"));
    for (const QString& file : facce.entryList(QDir::Files)) QFontDatabase::addApplicationFont(facce.filePath(file));
    QFont predefinito(QStringLiteral("DejaVu Sans"));
    predefinito.setPixelSize(11);
    QApplication::setFont(predefinito);
    QWidget finestra;
    finestra.resize(792, 573);
    QMenuBar menu(&finestra);
    menu.addMenu(QStringLiteral("File"));
    struct Testo {
        const char* testo;
        const char* faccia;
        int pixel, x, y;
    };
    const Testo testi[] = {
        {"LE UNITA' DI MISURA DI LUNGHEZZA ", "Liberation Sans", 37, 14, 26},
        {"IL METRO E I SUOI MULTIPLI", "Liberation Sans", 16, 306, 204},
        {"IL METRO E I SUOI  SOTTOMULTIPLI", "Liberation Sans", 16, 306, 290},
        {"E S C I", "DejaVu Sans", 11, 306, 380},
        {"Info", "Liberation Sans", 16, 306, 442},
        {"Ideazione, progettazione e realizzazione", "Liberation Sans", 24, 18, 483},
        {"Il software di Velmaro", "Liberation Sans", 21, 496, 486},
    };
    for (const Testo& t : testi) {
        auto* etichetta = new QLabel(QString::fromLatin1(t.testo), &finestra);
        QFont carattere(QString::fromLatin1(t.faccia));
        carattere.setPixelSize(t.pixel);
        carattere.setBold(true);
        etichetta->setFont(carattere);
        etichetta->adjustSize();
        etichetta->move(t.x, t.y + 19);
    }
    finestra.show();
    return QApplication::exec();
}
