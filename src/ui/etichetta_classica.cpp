// Painting of the classic label, and its text as assistive technology reads it.
#include "ui/etichetta_classica.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace kestrano::ui {

EtichettaClassica::EtichettaClassica(const QString& testo, Qt::Alignment allineamento, QColor coloreTesto,
                                     QWidget* genitore)
    : QLabel(genitore), coloreTesto_(coloreTesto) {
    setTextFormat(Qt::PlainText);
    setAlignment(allineamento | Qt::AlignTop);
    setText(testo);
}

void EtichettaClassica::impostaTesto(const QString& testo, const QString& parlato) {
    // Both notify assistive technology of a change; the spoken form goes last, so that the
    // last notice already carries the name a screen reader should say. A text shown again (the
    // same question drawn twice in a row) is announced again too, but only while assistive
    // technology listens: a notice costs an accessible object for the label.
    const bool stesso = testo == text();
    setText(testo);
    if (accessibleName() != parlato) {
        setAccessibleName(parlato);
    } else if (stesso && QAccessible::isActive()) {
        QAccessibleEvent evento(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&evento);
    }
}

void EtichettaClassica::impostaSfondo(QColor sfondo) {
    sfondo_ = sfondo;
    setAttribute(Qt::WA_OpaquePaintEvent, sfondo_.isValid());
    update();
}

void EtichettaClassica::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (sfondo_.isValid()) p.fillRect(rect(), sfondo_);
    if (text().isEmpty()) return;
    // The painter starts with the label's font and clipped to it.
    p.setPen(coloreTesto_);
    p.drawText(rect(), static_cast<int>(alignment()) | Qt::TextWordWrap, text());
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
