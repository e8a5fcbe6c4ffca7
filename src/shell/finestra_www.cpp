// Layout, placement and the background click of the info window.
#include "shell/finestra_www.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <array>

#include "ui/etichetta_classica.h"
#include "ui/misure.h"

namespace kestrano {

using namespace ui;

namespace {

constexpr Carattere sansSerif135 = grassetto("MS Sans Serif", 13.5);

// clang-format off
constexpr auto tabella = std::to_array<DescrizioneControllo>({
    // name        caption       left   top  width height font          text           background   align
    // Both lefts are replaced by the load step, which centres the labels.
    etichetta("Label2", testoEmail,  1140, 1350, 4275, 525, sansSerif135, testoPulsante, std::nullopt, Allineamento::sinistra, 1),
    etichetta("Label1", indirizzoWeb, 1230, 405, 4245, 615, sansSerif135, testoPulsante, std::nullopt, Allineamento::sinistra, 0),
});
// clang-format on

constexpr DescrizioneFinestra finestra{"FrmWWW", "INFO", 7215, 2970, rgb(192, 255, 255), Bordo::fisso};

}  // namespace

FinestraWWW::FinestraWWW() : FinestraClassica(finestra, tabella) {
    setFixedSize(sizeHint());
}

void FinestraWWW::Form_Load() {
    // In twips, single precision. The window's width is its outer width, frame included, while
    // the labels count from the client area: they come out one frame width right of centre.
    // The platform window must exist for its frame to be known.
    winId();
    const QScreen* schermo = screen();
    const float larghezzaSchermo = static_cast<float>(twipDaPixel(schermo ? schermo->geometry().width() : 0));
    const float larghezza = static_cast<float>(twipDaPixel(frameGeometry().width()));
    const float sinistra = (larghezzaSchermo - larghezza) / 2.0f;
    const float alto = 20.0f;
    move(pixelDaTwip(sinistra) + (schermo ? schermo->geometry().left() : 0),
         pixelDaTwip(alto) + (schermo ? schermo->geometry().top() : 0));
    for (const char* nome : {"Label1", "Label2"}) {
        auto* e = controllo<EtichettaClassica>(nome);
        const float larghezzaEtichetta = static_cast<float>(twipDaPixel(e->width()));
        e->move(pixelDaTwip((larghezza - larghezzaEtichetta) / 2.0f), e->y());
    }
}

void FinestraWWW::showEvent(QShowEvent* evento) {
    // The place is the frame's: where the desktop draws a frame around the window, the frame's
    // top left corner stands there (the frame is not known before the window is on screen).
    windowHandle()->setFramePosition(frameGeometry().topLeft());
    FinestraClassica::showEvent(evento);
}

void FinestraWWW::mousePressEvent(QMouseEvent* evento) {
    premutoSulloSfondo_ = evento->button() == Qt::LeftButton;
    evento->accept();
}

void FinestraWWW::mouseReleaseEvent(QMouseEvent* evento) {
    const bool click =
        premutoSulloSfondo_ && evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint());
    premutoSulloSfondo_ = false;
    evento->accept();
    if (click) Form_Click();
}

void FinestraWWW::Form_Click() {
    emit chiusuraRichiesta();
}

void FinestraWWW::keyPressEvent(QKeyEvent* evento) {
    evento->accept();
}

}  // namespace kestrano
