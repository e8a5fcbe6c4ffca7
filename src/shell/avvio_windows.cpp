// Start-up on Windows: nothing to prepare. There is no runtime folder, session bus or display
// server to choose, accessibility reaches screen readers through UI Automation whenever one
// asks, and a program with no window system cannot start there at all.
#include "shell/avvio_piattaforma.h"

namespace kestrano {

void preparaPiattaforma() {}
void piattaformaPronta() {}

}  // namespace kestrano
