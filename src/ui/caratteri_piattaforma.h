// The faces that stand for MS Sans Serif, first choice first, on the platform the program is
// built for (caratteri_linux.cpp, caratteri_windows.cpp, caratteri_web.cpp); the Arial-metric
// faces follow them.
#pragma once

#include <QStringList>

namespace kestrano::ui {

extern const QStringList facceSansSerif;

// Called before the program first asks which faces are installed, once for each face it may
// draw: on Linux, where the system has two versions of a face (two font packages), the newest
// is drawn, as the system's font configuration ranks them; in the browser, the program's own
// faces are loaded (the first time).
void preparaFaccia(const QString& famiglia);

}  // namespace kestrano::ui
