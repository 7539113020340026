#include "ui/toolkit/Randen.h"

#include "ui/toolkit/TekenPaneel.h"

namespace ui {

void tekenRand(TekenPaneel &paneel, int lijnen, const std::function<QColor(int)> &kleur, int inner)
{
    const int w = paneel.width();
    const int h = paneel.height();
    for (int i = 0; i < lijnen; ++i)
        paneel.box(i, i, w - inner - i, h - inner - i, kleur(i));
}

} // namespace ui
