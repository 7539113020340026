#include "ui/QuizScherm.h"

#include "ui/MainWindow.h"
#include "widgets/VistaButton.h"

namespace ui {

QuizScherm::QuizScherm(Main &main, QWidget *parent)
    : TekenPaneel(parent)
    , m_main(main)
{
    setObjectName(QStringLiteral("Pic2"));
    setBackColor(QColor(40, 0, 0));
    m_startSpelKnop = new widgets::VistaButton(this);
    m_startSpelKnop->setObjectName(QStringLiteral("StartSpelKnop"));
    m_startSpelKnop->setCaption(QStringLiteral("Start"));
    m_startSpelKnop->setGeometry(300, 444, 60, 24);
}

void QuizScherm::stopAftellen() {}

} // namespace ui
