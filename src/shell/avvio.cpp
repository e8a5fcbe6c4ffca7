// Start-up shared by every platform: the application's identity, style, icon and fonts.
#include "shell/avvio.h"

#include "shell/avvio_piattaforma.h"
#include "ui/accessibilita.h"
#include "ui/caratteri.h"
#include "ui/icona_xpm.h"
#include "ui/stile_classico.h"

namespace kestrano {

void preparaApplicazione() {
    piattaformaPronta();
    QApplication::setApplicationName(QStringLiteral("kestrano"));
    QApplication::setApplicationVersion(QStringLiteral(KESTRANO_VERSIONE));
    // Ties every window to the desktop entry, for the Wayland app id and the docks.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.kestrano"));
    // The windows' own rules decide when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new ui::StileClassico);
    // One icon for every window: a window's own copy would be a new pixmap each time it is
    // made, and each would take a new place in the pixmap cache.
    QApplication::setWindowIcon(QIcon(QPixmap(ui::iconaXpm)));
    ui::preparaAccessibilita();
    // The program's default font, MS Sans Serif 8.25 pt (through its substitute), set once
    // before any window: the menu bars draw "File" and "Esci" in it, rather than in the
    // platform's default face with its list of fallback faces.
    QApplication::setFont(ui::qFont(ui::carattereDiSistema));
}

}  // namespace kestrano
