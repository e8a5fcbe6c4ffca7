// Start-up on Windows: nothing to prepare. There is no runtime folder, session bus or display
// server to choose, accessibility reaches screen readers through UI Automation whenever one
// asks, and a program with no window system cannot start there at all.
#include "shell/avvio_piattaforma.h"

#include <QCoreApplication>

namespace kestrano {

void preparaPiattaforma() {}
void piattaformaPronta() {}

// exit(), unlike quit(), sends no close events: no window's close handling runs.
void terminaProgramma() {
    QCoreApplication::exit(0);
}

}  // namespace kestrano
