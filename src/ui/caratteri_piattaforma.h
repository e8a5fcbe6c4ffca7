// The faces that stand for MS Sans Serif, first choice first, on the platform the program is
// built for (caratteri_linux.cpp, caratteri_windows.cpp); the Arial-metric faces follow them.
#pragma once

#include <QStringList>

namespace kestrano::ui {

extern const QStringList facceSansSerif;

}  // namespace kestrano::ui
