#pragma once

#include <QLineEdit>

namespace ui {

// `Text1`: the quiz's entry box for one word. It takes at most 9 characters, a click in it
// empties it (the player starts the next word at once), and Enter hands the word over.
class WoordInvoerVak : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int MaximumLetters = 9;

    explicit WoordInvoerVak(QWidget *parent = nullptr);

    // Grey while no game runs, yellow while the player may type.
    void setAchtergrond(const QColor &kleur);
    QColor achtergrond() const;

signals:
    void enterGedrukt();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace ui
