// kestrano's start-up, as main does it, up to the start window's first frame.
#include "primo_fotogramma.h"
#include "shell/avvio.h"
#include "shell/registro_finestre.h"

int main(int, char** argv) {
    kestrano::preparaPiattaforma();
    int argc = 1;
    kestrano::bench::ApplicazioneCronometrata app(argc, argv);
    kestrano::preparaApplicazione();
    kestrano::SorgentiDiSistema sorgenti;
    kestrano::RegistroFinestre registro(sorgenti);
    registro.mostra(kestrano::Finestra::InizioMultpli);
    return QApplication::exec();
}
