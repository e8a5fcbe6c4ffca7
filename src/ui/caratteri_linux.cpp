// MS Sans Serif on a Linux desktop.
#include "ui/caratteri_piattaforma.h"

namespace kestrano::ui {

// MS Sans Serif is a wide bitmap sans made for the screen, whose blank is about a third of its
// height (4 pixels in 8.25 pt bold); the frame's header counts on that blank, placing its words
// over their columns by runs of blanks. DejaVu Sans is wide and made for the screen too, with
// the same blank, so the header keeps its columns; an Arial-metric face, a pixel narrower in
// each blank, would shift every word onto a line.
const QStringList facceSansSerif{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("DejaVu Sans")};

}  // namespace kestrano::ui
