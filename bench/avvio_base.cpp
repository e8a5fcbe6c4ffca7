// The baseline: a bare Qt window of the start window's size, up to its first frame.
#include "primo_fotogramma.h"

int main(int, char** argv) {
    int argc = 1;
    kestrano::bench::ApplicazioneCronometrata app(argc, argv);
    QWidget finestra;
    finestra.resize(792, 573);  // the start window: client area and menu bar
    finestra.show();
    return QApplication::exec();
}
