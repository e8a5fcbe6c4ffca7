// For the real-window checks: prints, for every window, its client area's size and the centre
// of each of its named controls in pixels from the client area's top-left corner, so that the
// scripts click a control by its name where the layout tables put it.
// Output lines: "WINDOW CONTROL X Y"; "WINDOW _area WIDTH HEIGHT" gives the client area.
#include <QApplication>
#include <cstdio>

#include "shell/avvio.h"
#include "shell/registro_finestre.h"
#include "ui/finestra_classica.h"

using namespace kestrano;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    preparaApplicazione();
    SorgentiDiSistema sorgenti;
    RegistroFinestre registro(sorgenti, [] {});
    for (Finestra f : {Finestra::InizioMultpli, Finestra::Multipli, Finestra::Sottomultipli, Finestra::WWW}) {
        registro.carica(f);
        const ui::FinestraClassica* w = registro.finestra(f);
        const QByteArray nome = w->objectName().toUtf8();
        std::printf("%s _area %d %d\n", nome.constData(), w->area()->width(), w->area()->height());
        for (const QWidget* c : w->area()->findChildren<QWidget*>()) {
            const QPoint centro = c->mapTo(w->area(), c->rect().center());
            std::printf("%s %s %d %d\n", nome.constData(), c->objectName().toUtf8().constData(), centro.x(),
                        centro.y());
        }
    }
    return 0;
}
