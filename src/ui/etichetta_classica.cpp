// Painting of the classic label, and its text as assistive technology reads it.
#include "ui/etichetta_classica.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

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
    // The painter starts with the label's font and clipped to it. Wrapped lines stand one font
    // height apart (ascent and descent, no leading), as a classic label draws them, whatever
    // leading the toolkit's version reads off the face.
    p.setPen(coloreTesto_);
    QTextLayout righe(text(), font(), this);
    QTextOption opzione(alignment() & Qt::AlignHorizontal_Mask);
    opzione.setWrapMode(QTextOption::WordWrap);
    righe.setTextOption(opzione);
    const qreal passo = QFontMetricsF(font(), this).height();
    righe.beginLayout();
    qreal alto = 0;
    for (QTextLine riga = righe.createLine(); riga.isValid(); riga = righe.createLine(), alto += passo) {
        riga.setLineWidth(width());
        riga.setPosition({0, alto});
    }
    righe.endLayout();
    righe.draw(&p, {0, 0});
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
