#include "ui/Programma.h"

int main(int argc, char **argv)
{
    return ui::startProgramma(argc, argv);
}
