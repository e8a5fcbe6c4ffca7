// Painting of the passive shapes.
#include "ui/forme.h"

#include <QPainter>

namespace kestrano::ui {

FormaPiena::FormaPiena(QColor riempimento, QColor bordo, int spessoreBordo, QWidget* genitore)
    : QWidget(genitore), riempimento_(riempimento), bordo_(bordo), spessore_(spessoreBordo) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FormaPiena::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), riempimento_);
    // The outline lies inside the shape's rectangle, one ring per pixel of width.
    p.setPen(bordo_);
    for (int i = 0; i < spessore_; ++i) p.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));
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
    const QRect esterno = rect().adjusted(0, mezzo, -2, -2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(esterno);
    p.setPen(QColor(255, 255, 255));
    p.drawRect(esterno.translated(1, 1));
    if (didascalia_.isEmpty()) return;
    const QRect testo(8, 0, m.horizontalAdvance(didascalia_) + 2, m.height());
    p.fillRect(testo, sfondo_);
    p.setPen(coloreTesto_);
    p.drawText(testo, Qt::AlignLeft | Qt::AlignTop, didascalia_);
}

}  // namespace kestrano::ui
