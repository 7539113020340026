#include "ui/toolkit/Twips.h"

#include <QWidget>

namespace ui {

void plaats(QWidget *widget, int left, int top, int width, int height)
{
    widget->move(twips(left), twips(top));
    if (width >= 0 && height >= 0)
        widget->resize(twips(width), twips(height));
    else if (width >= 0)
        widget->resize(twips(width), widget->sizeHint().height());
    else
        widget->adjustSize();
}

void zetVensterMaat(QWidget *venster, int widthTwips, int heightTwips)
{
    venster->setFixedSize(twips(widthTwips) - VensterRandBreedte, twips(heightTwips) - VensterRandHoogte);
}

} // namespace ui
