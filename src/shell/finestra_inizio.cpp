// Layout and handlers of the start window.
#include "shell/finestra_inizio.h"

#include <QAction>
#include <array>

#include "ui/etichetta_classica.h"
#include "ui/pulsante_classico.h"

namespace kestrano {

using namespace ui;

namespace {

constexpr Carattere arial12 = grassetto("Arial", 12), sansSerif825 = grassetto("MS Sans Serif", 8.25),
                    arial1575 = grassetto("Arial", 15.75), arial2775 = grassetto("Arial", 27.75),
                    arial18 = grassetto("Arial", 18);
constexpr Colore viola = rgb(255, 128, 255), lilla = rgb(192, 192, 255), blu = rgb(0, 0, 192);

// clang-format off
constexpr auto tabella = std::to_array<DescrizioneControllo>({
    // name           caption                                   left   top  width height font          face  tab
    pulsante("Command7", "Info",                                4590, 6630, 6675,  315, arial12,       viola, 8),
    pulsante("Command9", "E S C I",                             4590, 5700, 6690,  705, sansSerif825,  viola, 7).detta("Esci"),
    pulsante("Command2", "IL METRO E I SUOI  SOTTOMULTIPLI",    4590, 4350, 4770,  705, arial12,       viola, 2),
    pulsante("Command1", "IL METRO E I SUOI MULTIPLI",          4590, 3060, 4770,  705, arial12,       viola, 0),
    // Never made visible, so never reached by mouse or keyboard.
    pulsante("Command3", "OPERAZIONI CON I MOLTIPLICATIVI",     8370, 3090, 3090,  705, sansSerif825,  viola, 1).nascosto(),
    pulsante("Command4", "OPERAZIONI CON LE UNITA' FRAZIONARIE", 8400, 4320, 3090, 705, sansSerif825,  viola, 3).nascosto(),
    immagine("Image1",                                           210, 2640, 4245, 4290),
    // name            caption                                  left   top  width height font       text           background align
    // Label5 reaches 75 twips past the client area's right edge and is cut there.
    etichetta("Label5", "Il software di Velmaro",               7440, 7290,  4515,  465, arial1575, blu,           lilla, Allineamento::sinistra, -1),
    // The trailing blank is part of the title.
    etichetta("Label4", "LE UNITA' DI MISURA DI LUNGHEZZA ",     210,  390, 11505, 1095, arial2775, blu,           viola, Allineamento::centro,   -1),
    etichetta("Label3", "Ideazione, progettazione e realizzazione", 270, 7245, 8655, 495, arial18,  rgb(0, 0, 0),  lilla, Allineamento::sinistra, -1),
    // The banner: Shape2 lies 30 to the right of and 60 above Shape1, over it.
    forma("Shape2",                                              150,  240, 11655, 1305, viola, testoFinestra, 1),
    forma("Shape1",                                              120,  300, 11655, 1305, viola, testoFinestra, 2),
});
// clang-format on

constexpr DescrizioneFinestra finestra{"FrmInizioMultpli",
                                       "Gli obiettivi dell'addizione",
                                       11880,
                                       8310,
                                       rgb(255, 192, 255),
                                       Bordo::nessuno,
                                       "mnuFile",
                                       "File",
                                       "mnuFine",
                                       "Esci"};

}  // namespace

FinestraInizio::FinestraInizio() : FinestraClassica(finestra, tabella) {
    connect(controllo<PulsanteClassico>("Command1"), &QPushButton::clicked, this, &FinestraInizio::Command1_Click);
    connect(controllo<PulsanteClassico>("Command2"), &QPushButton::clicked, this, &FinestraInizio::Command2_Click);
    // The addresses show while any mouse button is held on "Info"; it has no click action,
    // so the keyboard does nothing on it.
    auto* info = controllo<PulsanteClassico>("Command7");
    connect(info, &PulsanteClassico::premuto, this, &FinestraInizio::Command7_MouseDown);
    connect(info, &PulsanteClassico::rilasciato, this, &FinestraInizio::Command7_MouseUp);
    connect(controllo<PulsanteClassico>("Command9"), &QPushButton::clicked, this, &FinestraInizio::Command9_Click);
    connect(voceMenu(), &QAction::triggered, this, &FinestraInizio::mnuFine_Click);
    focusIniziale();
    // A screen reader says the window's title and its focused button; the banner then follows.
    annuncia(controllo<EtichettaClassica>("Label4")->text());
}

void FinestraInizio::Command1_Click() {
    emit aperturaRichiesta(Quiz::Multipli);
}

void FinestraInizio::Command2_Click() {
    emit aperturaRichiesta(Quiz::Sottomultipli);
}

void FinestraInizio::Command7_MouseDown() {
    emit infoPremuto();
}

void FinestraInizio::Command7_MouseUp() {
    emit infoRilasciato();
}

void FinestraInizio::Command9_Click() {
    emit fineRichiesta();
}

// "File" -> "Esci" unloads the start window alone, as its window-system close does.
void FinestraInizio::mnuFine_Click() {
    emit chiusuraRichiesta();
}

}  // namespace kestrano
