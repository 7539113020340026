#include "ui/Programma.h"

#include <QApplication>

namespace ui {

int startProgramma(int argc, char **argv)
{
    QApplication app(argc, argv);
    return 0;
}

} // namespace ui
