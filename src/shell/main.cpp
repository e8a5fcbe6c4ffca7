// kestrano: a drill on the metric units of length for primary-school pupils. Start-up shows
// the start window and does nothing else; everything after happens in its handlers.
#include "shell/avvio.h"
#include "shell/registro_finestre.h"

int main(int, char** argv) {
    kestrano::preparaPiattaforma();
    // The program reads no command line: Qt sees only the program's name.
    int argc = 1;
    QApplication app(argc, argv);
    kestrano::preparaApplicazione();
    kestrano::SorgentiDiSistema sorgenti;
    kestrano::RegistroFinestre registro(sorgenti);
    registro.mostra(kestrano::Finestra::InizioMultpli);
    return QApplication::exec();
}
