#pragma once

#include <QDialog>

class QLabel;

namespace widgets {
class VistaButton;
}

namespace ui {

class Main;

// The about text: seven lines, each ended from the next by CR LF.
QString aboutTekst();

// `AboutForm`: a picture, the about text and a close button, and below them where the program
// keeps its files. It reads and changes no settings.
class AboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit AboutForm(Main &main);

    QLabel *label1() const { return m_label1; }
    QLabel *image1() const { return m_image1; }
    widgets::VistaButton *cancelKnop() const { return m_cancelKnop; }
    QLabel *bestanden() const { return m_bestanden; }

private:
    QLabel *m_label1 = nullptr;
    QLabel *m_image1 = nullptr;
    widgets::VistaButton *m_cancelKnop = nullptr;
    QLabel *m_bestanden = nullptr;
};

// Opens `AboutForm` modally over the main window.
void toonAboutForm(Main &main);

} // namespace ui
