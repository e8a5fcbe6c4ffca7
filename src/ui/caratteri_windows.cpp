// MS Sans Serif on Windows.
#include "ui/caratteri_piattaforma.h"

namespace kestrano::ui {

// Windows keeps MS Sans Serif as a bitmap face, which neither scales with the display nor is
// drawn by DirectWrite, and stands its TrueType successor Microsoft Sans Serif for it; so does
// the program. Where that is missing (Wine), DejaVu Sans, as on Linux.
const QStringList facceSansSerif{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans")};

// Windows keeps one file for each face.
void preparaFaccia(const QString&) {}

}  // namespace kestrano::ui
