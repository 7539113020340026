#include "ui/toolkit/Aanwijzer.h"

#include <QGuiApplication>
#include <QPixmap>

namespace ui {

QCursor eigenAanwijzer()
{
    const QPixmap picture(QStringLiteral(":/images/cursor.png"));
    if (picture.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(picture, 0, 0); // the arrow's tip is the hot spot
}

BezigAanwijzer::BezigAanwijzer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

BezigAanwijzer::~BezigAanwijzer() { QGuiApplication::restoreOverrideCursor(); }

bool toontBezigAanwijzer()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace ui
