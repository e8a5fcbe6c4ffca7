// A window's layout as data: one row per control, positions in twips, read beside the design
// table. Rows are listed topmost first; the children of a frame name it as their container
// and count from its top-left corner.
#pragma once

#include <optional>
#include <string_view>

#include "ui/caratteri.h"
#include "ui/colori.h"

namespace kestrano::ui {

enum class Tipo { pulsante, etichetta, forma, linea, cornice, immagine };
enum class Allineamento { sinistra, centro };

struct DescrizioneControllo {
    std::string_view nome;
    Tipo tipo;
    std::string_view didascalia;
    int sinistra, alto, larghezza, altezza;  // twips; a line gives x1, y1, x2, y2
    Carattere carattere = carattereDiSistema;
    Colore primoPiano = testoPulsante;  // text, outline or line colour
    std::optional<Colore> sfondo = {};  // button face, label, shape or frame fill; none: transparent
    Allineamento allineamento = Allineamento::sinistra;
    int ordineTab = -1;  // -1: takes no part in keyboard navigation
    bool visibile = true;
    bool abilitato = true;
    std::string_view suggerimento = {};  // tooltip
    int spessoreBordo = 0;               // shapes: outline width in pixels
    std::string_view contenitore = {};   // the frame holding it; empty: the client area
    std::string_view parlata = {};       // what a screen reader says for a spaced-out caption
    bool decorativo = false;             // nothing to read or use: left out for screen readers
                                         // (shapes, lines and pictures always are)

    constexpr DescrizioneControllo in(std::string_view cornice) const {
        DescrizioneControllo d = *this;
        d.contenitore = cornice;
        return d;
    }
    constexpr DescrizioneControllo nascosto() const {
        DescrizioneControllo d = *this;
        d.visibile = false;
        return d;
    }
    constexpr DescrizioneControllo disabilitato() const {
        DescrizioneControllo d = *this;
        d.abilitato = false;
        return d;
    }
    constexpr DescrizioneControllo conSuggerimento(std::string_view testo) const {
        DescrizioneControllo d = *this;
        d.suggerimento = testo;
        return d;
    }
    constexpr DescrizioneControllo detta(std::string_view testo) const {
        DescrizioneControllo d = *this;
        d.parlata = testo;
        return d;
    }
    constexpr DescrizioneControllo decorazione() const {
        DescrizioneControllo d = *this;
        d.decorativo = true;
        return d;
    }
};

// One maker per kind of control, so each table row reads like the design table's columns.
constexpr DescrizioneControllo pulsante(std::string_view nome, std::string_view didascalia, int l, int t, int w, int h,
                                        Carattere carattere, std::optional<Colore> faccia, int ordineTab) {
    return {nome,          Tipo::pulsante, didascalia,           l,        t, w, h, carattere,
            testoPulsante, faccia,         Allineamento::centro, ordineTab};
}

constexpr DescrizioneControllo etichetta(std::string_view nome, std::string_view didascalia, int l, int t, int w, int h,
                                         Carattere carattere, Colore testo, std::optional<Colore> sfondo,
                                         Allineamento allineamento, int ordineTab) {
    return {nome, Tipo::etichetta, didascalia, l, t, w, h, carattere, testo, sfondo, allineamento, ordineTab};
}

constexpr DescrizioneControllo forma(std::string_view nome, int l, int t, int w, int h, Colore riempimento,
                                     Colore bordo, int spessoreBordo) {
    DescrizioneControllo d{nome, Tipo::forma, {}, l, t, w, h, carattereDiSistema, bordo, riempimento};
    d.spessoreBordo = spessoreBordo;
    return d.decorazione();
}

constexpr DescrizioneControllo linea(std::string_view nome, int x1, int y1, int x2, int y2, Colore colore) {
    return DescrizioneControllo{nome, Tipo::linea, {}, x1, y1, x2, y2, carattereDiSistema, colore}.decorazione();
}

constexpr DescrizioneControllo cornice(std::string_view nome, std::string_view didascalia, int l, int t, int w, int h,
                                       Colore sfondo, int ordineTab) {
    return {nome,   Tipo::cornice,          didascalia, l, t, w, h, carattereDiSistema, testoPulsante,
            sfondo, Allineamento::sinistra, ordineTab};
}

constexpr DescrizioneControllo immagine(std::string_view nome, int l, int t, int w, int h) {
    return DescrizioneControllo{nome, Tipo::immagine, {}, l, t, w, h}.decorazione();
}

}  // namespace kestrano::ui
