// Painting of the passive shapes.
#include "ui/forme.h"

#include <QPainter>
#include <algorithm>

namespace kestrano::ui {

namespace {

// A ring `spessore` pixels wide just inside `r`, as four filled strips (the raster engine's
// fastest path); a ring wider than half the rectangle fills it.
void anello(QPainter& p, const QRect& r, int spessore, const QColor& colore) {
    const int s = std::min({spessore, r.width() / 2, r.height() / 2});
    if (s <= 0) return;
    p.fillRect(r.left(), r.top(), r.width(), s, colore);
    p.fillRect(r.left(), r.bottom() - s + 1, r.width(), s, colore);
    p.fillRect(r.left(), r.top(), s, r.height(), colore);
    p.fillRect(r.right() - s + 1, r.top(), s, r.height(), colore);
}

}  // namespace

FormaPiena::FormaPiena(QColor riempimento, QColor bordo, int spessoreBordo, QWidget* genitore)
    : QWidget(genitore), riempimento_(riempimento), bordo_(bordo), spessore_(spessoreBordo) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FormaPiena::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), riempimento_);
    // The outline lies inside the shape's rectangle.
    anello(p, rect(), spessore_, bordo_);
}

LineaClassica::LineaClassica(QColor colore, QWidget* genitore) : QWidget(genitore), colore_(colore) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineaClassica::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colore_);
}

CorniceClassica::CorniceClassica(const QString& didascalia, QColor sfondo, QColor coloreTesto, QWidget* genitore)
    : QWidget(genitore), didascalia_(didascalia), sfondo_(sfondo), coloreTesto_(coloreTesto) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CorniceClassica::impostaSfondo(QColor sfondo) {
    sfondo_ = sfondo;
    update();
}

void CorniceClassica::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), sfondo_);
    p.setFont(font());
    const QFontMetrics m(font());
    const int mezzo = m.height() / 2;
    // Etched border: a grey line with a white one beside it, from half the caption's height.
    const QRect esterno = rect().adjusted(0, mezzo, -1, -1);
    anello(p, esterno.adjusted(1, 1, 0, 0), 1, QColor(255, 255, 255));
    anello(p, esterno.adjusted(0, 0, -1, -1), 1, QColor(128, 128, 128));
    if (didascalia_.isEmpty()) return;
    const QRect testo(8, 0, m.horizontalAdvance(didascalia_) + 2, m.height());
    p.fillRect(testo, sfondo_);
    p.setPen(coloreTesto_);
    p.drawText(testo, Qt::AlignLeft | Qt::AlignTop, didascalia_);
}

}  // namespace kestrano::ui
