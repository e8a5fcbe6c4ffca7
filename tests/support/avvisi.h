// The offscreen platform warns about what it cannot do (raise a window, grab the keyboard).
// Over thousands of windows those warnings would crowd out the test's own output.
#pragma once

#include <QtGlobal>

namespace kestrano::test {

inline QtMessageHandler& gestorePrecedente() {
    static QtMessageHandler g = nullptr;
    return g;
}

inline void filtraAvvisi(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
    if (testo.startsWith(QLatin1String("This plugin does not support"))) return;
    gestorePrecedente()(tipo, contesto, testo);
}

inline void silenziaAvvisiOffscreen() {
    gestorePrecedente() = qInstallMessageHandler(filtraAvvisi);
}

}  // namespace kestrano::test
