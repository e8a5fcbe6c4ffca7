// What the program does before and at start-up, shared by main and the start-up benchmark.
#pragma once

#include <QApplication>

namespace kestrano {

// Settings for the toolkit, made before the application object exists; until
// preparaApplicazione, a toolkit that finds no display ends the program with one line and status 1.
void preparaPiattaforma();

// The application's identity, style, default font and end rule, once the application object
// exists and before any window is built.
void preparaApplicazione();

}  // namespace kestrano
