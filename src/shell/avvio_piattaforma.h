// What start-up asks of the platform it runs on; one file for each platform (avvio_linux.cpp,
// avvio_windows.cpp), chosen by the build.
#pragma once

#include "shell/avvio.h"

namespace kestrano {

// Once the application object exists: what preparaPiattaforma held back is let go.
void piattaformaPronta();

// Ends the program at once: on the desktop it leaves the event loop, and main returns; in the
// browser, where the event loop never returns to main, the page is told that it has ended.
void terminaProgramma();

}  // namespace kestrano
