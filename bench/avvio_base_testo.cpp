// A second, informative baseline: the bare window with one line of bold text, so that the
// cost of the text stack alone (font database, one font size, shaping, rasterising) shows.
#include <QLabel>

#include "primo_fotogramma.h"

int main(int, char** argv) {
    int argc = 1;
    kestrano::bench::ApplicazioneCronometrata app(argc, argv);
    QWidget finestra;
    finestra.resize(792, 573);
    QLabel testo(QStringLiteral("LE UNITA' DI MISURA DI LUNGHEZZA"), &finestra);
    QFont carattere(QStringLiteral("Liberation Sans"));
    carattere.setPixelSize(37);
    carattere.setBold(true);
    testo.setFont(carattere);
    testo.move(14, 26);
    finestra.show();
    return QApplication::exec();
}
