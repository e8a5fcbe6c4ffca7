// Building a window's controls from its layout table.
#include "ui/costruttore.h"

#include <algorithm>
#include <vector>

#include "ui/accessibilita.h"
#include "ui/etichetta_classica.h"
#include "ui/forme.h"
#include "ui/misure.h"
#include "ui/pulsante_classico.h"

namespace kestrano::ui {

QString testoQt(std::string_view testo) {
    return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}

namespace {

QWidget* crea(const DescrizioneControllo& d, QWidget* genitore) {
    const QString didascalia = testoQt(d.didascalia);
    switch (d.tipo) {
        case Tipo::pulsante:
            return new PulsanteClassico(didascalia, d.sfondo.value_or(facciaPulsante).qColor(), genitore);
        case Tipo::etichetta: {
            auto* e = new EtichettaClassica(didascalia,
                                            d.allineamento == Allineamento::centro ? Qt::AlignHCenter : Qt::AlignLeft,
                                            d.primoPiano.qColor(), genitore);
            if (d.sfondo) e->impostaSfondo(d.sfondo->qColor());
            return e;
        }
        case Tipo::forma:
            return new FormaPiena(d.sfondo.value_or(facciaPulsante).qColor(), d.primoPiano.qColor(), d.spessoreBordo,
                                  genitore);
        case Tipo::linea:
            return new LineaClassica(d.primoPiano.qColor(), genitore);
        case Tipo::cornice:
            return new CorniceClassica(didascalia, d.sfondo.value_or(facciaPulsante).qColor(), d.primoPiano.qColor(),
                                       genitore);
        case Tipo::immagine:
            break;
    }
    auto* vuota = new QWidget(genitore);
    vuota->setAttribute(Qt::WA_TransparentForMouseEvents);
    return vuota;
}

QRect geometria(const DescrizioneControllo& d) {
    if (d.tipo != Tipo::linea) return rettangoloDaTwip(d.sinistra, d.alto, d.larghezza, d.altezza);
    // A line from (x1, y1) to (x2, y2), one pixel wide, its last point not drawn.
    const QPoint a(pixelDaTwip(d.sinistra), pixelDaTwip(d.alto)), b(pixelDaTwip(d.larghezza), pixelDaTwip(d.altezza));
    const QRect r = QRect(a, b).normalized();
    return {r.left(), r.top(), std::max(1, r.width() - 1), std::max(1, r.height() - 1)};
}

}  // namespace

ControlliCostruiti costruisci(QWidget* area, std::span<const DescrizioneControllo> tabella) {
    ControlliCostruiti controlli;
    // Siblings made later are drawn on top, so the table is built from its last row up.
    // Rows on the client area first, so every frame exists before its children.
    for (bool inCornice : {false, true}) {
        for (auto it = tabella.rbegin(); it != tabella.rend(); ++it) {
            const DescrizioneControllo& d = *it;
            if (d.contenitore.empty() == inCornice) continue;
            QWidget* genitore = inCornice ? controlli.value(testoQt(d.contenitore)) : area;
            if (!genitore) qFatal("%s lies in %s, which the layout does not have", d.nome.data(), d.contenitore.data());
            QWidget* w = crea(d, genitore);
            w->setObjectName(testoQt(d.nome));
            w->setGeometry(geometria(d));
            w->setFont(qFont(d.carattere));
            // A screen reader hears what the control shows, never its name: captions speak for
            // themselves (the frame's is its name as a group), spaced-out ones by their spoken
            // form; decorations and controls that never show are left out.
            if (!d.parlata.empty()) w->setAccessibleName(testoQt(d.parlata));
            if (d.tipo == Tipo::cornice) w->setAccessibleName(testoQt(d.didascalia));
            if (d.decorativo || !d.visibile) escludiDallAlbero(w);
            if (!d.suggerimento.empty()) w->setToolTip(testoQt(d.suggerimento));
            w->setEnabled(d.abilitato);
            if (!d.visibile) w->setVisible(false);
            controlli.insert(w->objectName(), w);
        }
    }
    // Keyboard focus goes through the buttons in ascending tab order.
    std::vector<const DescrizioneControllo*> ordine;
    for (const auto& d : tabella)
        if (d.tipo == Tipo::pulsante && d.ordineTab >= 0) ordine.push_back(&d);
    std::sort(ordine.begin(), ordine.end(), [](auto* a, auto* b) { return a->ordineTab < b->ordineTab; });
    for (std::size_t i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(controlli.value(testoQt(ordine[i - 1]->nome)), controlli.value(testoQt(ordine[i]->nome)));
    return controlli;
}

QWidget* primoInOrdineTab(std::span<const DescrizioneControllo> tabella, const ControlliCostruiti& controlli) {
    const DescrizioneControllo* migliore = nullptr;
    for (const auto& d : tabella) {
        QWidget* w = controlli.value(testoQt(d.nome));
        if (d.tipo != Tipo::pulsante || d.ordineTab < 0 || !w || w->isHidden() || !w->isEnabled()) continue;
        if (!migliore || d.ordineTab < migliore->ordineTab) migliore = &d;
    }
    return migliore ? controlli.value(testoQt(migliore->nome)) : nullptr;
}

}  // namespace kestrano::ui
