#pragma once

#include <QLabel>

namespace ui {

// A label that reports a click of the left mouse button (the clock, the minimise image).
class KlikLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void klik();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A transparent label in a design font and colour, sized to its text.
QLabel *maakLabel(QWidget *parent, const QString &tekst, const QFont &font, const QColor &kleur);
void zetLabelKleur(QLabel *label, const QColor &kleur);

} // namespace ui
