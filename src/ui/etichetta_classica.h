// A label that never grows: its text starts at the top edge, wraps at blanks and is cut off at
// its edges. Opaque labels fill their rectangle first; transparent ones show what lies behind.
// It swallows mouse events, so a click on a label never reaches the window behind it.
// It is a QLabel that paints itself, so assistive technology reads it as static text with the
// text it shows (or that text's spoken form) and hears of every change.
#pragma once

#include <QColor>
#include <QLabel>

namespace kestrano::ui {

class EtichettaClassica : public QLabel {
    Q_OBJECT

public:
    EtichettaClassica(const QString& testo, Qt::Alignment allineamento, QColor coloreTesto, QWidget* genitore);

    QString testo() const { return text(); }
    // `parlato` is what a screen reader says for a text that is spaced out or padded on
    // screen; empty, it reads the text itself.
    void impostaTesto(const QString& testo, const QString& parlato = {});
    // An invalid colour makes the label transparent.
    void impostaSfondo(QColor sfondo);
    QColor sfondo() const { return sfondo_; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    QColor coloreTesto_;
    QColor sfondo_;
};

}  // namespace kestrano::ui
