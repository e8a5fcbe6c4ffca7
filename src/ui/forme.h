// The passive shapes of the layouts: a filled box with an outline, a one-pixel line, and a
// captioned group box whose background can change at run time.
#pragma once

#include <QColor>
#include <QWidget>

namespace kestrano::ui {

class FormaPiena : public QWidget {
    Q_OBJECT

public:
    FormaPiena(QColor riempimento, QColor bordo, int spessoreBordo, QWidget* genitore);
    QColor riempimento() const { return riempimento_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QColor riempimento_, bordo_;
    int spessore_;
};

// A straight line; the widget covers the line's pixels only.
class LineaClassica : public QWidget {
    Q_OBJECT

public:
    LineaClassica(QColor colore, QWidget* genitore);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QColor colore_;
};

class CorniceClassica : public QWidget {
    Q_OBJECT

public:
    CorniceClassica(const QString& didascalia, QColor sfondo, QColor coloreTesto, QWidget* genitore);
    void impostaSfondo(QColor sfondo);
    QColor sfondo() const { return sfondo_; }
    const QString& didascalia() const { return didascalia_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString didascalia_;
    QColor sfondo_, coloreTesto_;
};

}  // namespace kestrano::ui
