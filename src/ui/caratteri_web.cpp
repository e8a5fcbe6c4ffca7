// MS Sans Serif in the browser, and the faces the program brings with it.
#include "ui/caratteri_piattaforma.h"

#include <QDir>
#include <QFontDatabase>

namespace kestrano::ui {

// A browser offers the program no faces of its own: the program carries DejaVu Sans and the
// Liberation faces, as the Linux desktop draws them, built in from Debian's font packages
// (only the glyphs its Italian texts need). MS Sans Serif is drawn in DejaVu Sans, as there.
const QStringList facceSansSerif{QStringLiteral("DejaVu Sans")};

void preparaFaccia(const QString&) {
    static const bool caricate = [] {
        const QDir cartella(QStringLiteral(":/facce"));
        for (const QString& file : cartella.entryList(QDir::Files))
            QFontDatabase::addApplicationFont(cartella.filePath(file));
        return true;
    }();
    (void)caricate;
}

}  // namespace kestrano::ui
