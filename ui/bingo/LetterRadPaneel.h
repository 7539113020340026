#pragma once

#include "core/RadStap.h"
#include "ui/toolkit/Beelden.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

#include <functional>
#include <vector>

namespace ui {

class Wachter;

// `RadPic`: the letter wheel, 600 x 600 pixels, with the pointer `Wijzer` from the centre to
// the rim, `Label1` showing the letter under the pointer and the hidden `Label4` that follows
// the mouse. The wheel only shows what the round decided; it decides nothing.
class LetterRadPaneel : public QWidget
{
    Q_OBJECT

public:
    explicit LetterRadPaneel(QWidget *parent = nullptr);

    // A new wheel picture; `detailed`, the same wheel on more pixels, is drawn on large screens.
    void setPicture(const QImage &picture, DetailBron detailed = nullptr);
    // Loads a wheel picture file; false (and nothing changed) when it cannot be read.
    bool laadPicture(const QString &path, DetailBron detailed = nullptr);

    // One step: the pointer from (300, 300) to the point, Label1 shows the letter.
    void toonStap(const core::RadPositie &punt);
    // Replays a run of steps, waiting after each.
    void speel(const std::vector<core::RadStap> &stappen, Wachter &wachter);

    QPoint wijzerEinde() const { return m_wijzerEinde; }
    QString letter() const;
    QString muisPositie() const;
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    DetailBron m_detail; // asked for only when drawn larger than 1:1
    QImage m_opSchaal;   // the wheel at the scale it was last drawn at, above 1:1
    qreal m_schaal = 1.0;
    QPoint m_wijzerEinde{300, 90};
    QLabel *m_label1 = nullptr;
    QLabel *m_label4 = nullptr;
};

} // namespace ui
