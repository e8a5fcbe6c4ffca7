// Painting of the classic label.
#include "ui/etichetta_classica.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestrano::ui {

EtichettaClassica::EtichettaClassica(const QString& testo, Qt::Alignment allineamento, QColor coloreTesto,
                                     QWidget* genitore)
    : QWidget(genitore), testo_(testo), allineamento_(allineamento), coloreTesto_(coloreTesto) {
    setFocusPolicy(Qt::NoFocus);
}

void EtichettaClassica::impostaTesto(const QString& testo) {
    if (testo == testo_) return;
    testo_ = testo;
    update();
}

void EtichettaClassica::impostaSfondo(QColor sfondo) {
    sfondo_ = sfondo;
    setAttribute(Qt::WA_OpaquePaintEvent, sfondo_.isValid());
    update();
}

void EtichettaClassica::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (sfondo_.isValid()) p.fillRect(rect(), sfondo_);
    if (testo_.isEmpty()) return;
    p.setFont(font());
    p.setPen(coloreTesto_);
    p.setClipRect(rect());
    p.drawText(rect(), static_cast<int>(allineamento_ | Qt::AlignTop) | Qt::TextWordWrap, testo_);
}

void EtichettaClassica::mousePressEvent(QMouseEvent* evento) {
    evento->accept();
}
void EtichettaClassica::mouseReleaseEvent(QMouseEvent* evento) {
    evento->accept();
}
void EtichettaClassica::mouseDoubleClickEvent(QMouseEvent* evento) {
    evento->accept();
}

}  // namespace kestrano::ui
