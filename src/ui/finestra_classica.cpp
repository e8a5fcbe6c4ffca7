// Frame, menu and client area of a classic window.
#include "ui/finestra_classica.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

#include "ui/annunciatore.h"
#include "ui/area_client.h"
#include "ui/misure.h"

namespace kestrano::ui {

FinestraClassica::FinestraClassica(const DescrizioneFinestra& finestra, std::span<const DescrizioneControllo> tabella)
    : QMainWindow(nullptr), tabella_(tabella), area_(new AreaClient(this)) {
    setObjectName(testoQt(finestra.nome));
    setWindowTitle(testoQt(finestra.titolo));
    switch (finestra.bordo) {
        case Bordo::nessuno:
            setWindowFlag(Qt::FramelessWindowHint);
            break;
        // The layouts do not adapt to another size, so no frame offers to maximise.
        case Bordo::fisso:
            setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
            break;
        case Bordo::ridimensionabile:
            setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
            break;
    }
    area_->setObjectName(objectName() + QStringLiteral("_area"));
    // The background colour is the client area's; the menu bar keeps the system's.
    QPalette tavolozza = area_->palette();
    tavolozza.setColor(QPalette::Window, finestra.sfondo.qColor());
    area_->setPalette(tavolozza);
    area_->setAutoFillBackground(true);
    area_->setFixedSize(pixelDaTwip(finestra.larghezza), pixelDaTwip(finestra.altezza));
    setCentralWidget(area_);
    if (!finestra.nomeMenu.empty()) {
        QMenu* menu = menuBar()->addMenu(testoQt(finestra.didascaliaMenu));
        menu->setObjectName(testoQt(finestra.nomeMenu));
        menu->menuAction()->setObjectName(testoQt(finestra.nomeMenu));
        voce_ = menu->addAction(testoQt(finestra.didascaliaVoce));
        voce_->setObjectName(testoQt(finestra.nomeVoce));
    }
    controlli_ = costruisci(area_, tabella);
    annunciatore_ = new Annunciatore(this, [this] { return riepilogo(); });
}

void FinestraClassica::focusIniziale() {
    if (QWidget* w = primoInOrdineTab(tabella_, controlli_)) w->setFocus(Qt::OtherFocusReason);
}

void FinestraClassica::annuncia(const QString& messaggio) {
    annunciatore_->annuncia(messaggio);
}

void FinestraClassica::closeEvent(QCloseEvent* evento) {
    // Closing is the owner's to do: it unloads the window, which destroys it.
    evento->ignore();
    chiusuraDallaCornice();
}

}  // namespace kestrano::ui
