// Start-up in the browser: nothing to prepare. The page gives the program its screen (the page's
// area, scaled down where it is smaller than the windows) and, when the program ends, says so
// and offers to start it again; the accessibility mirror is on from the start.
#include "shell/avvio_piattaforma.h"

#include <emscripten.h>

namespace kestrano {

void preparaPiattaforma() {}
void piattaformaPronta() {}

// The runtime is shut down whatever keeps it alive, and the page's loader is told (its onExit).
void terminaProgramma() {
    emscripten_force_exit(0);
}

}  // namespace kestrano
