#include "ui/HelpSchermen.h"

#include "ui/MainWindow.h"
#include "ui/TekenPaneel.h"

namespace ui {

HelpSchermen::HelpSchermen(Main &main)
    : QObject(&main)
    , m_main(main)
{
}

void HelpSchermen::wissel()
{
    // The help texts are not drawn yet.
}

} // namespace ui
