// Pictures of the game-type dialog, the settings dialog, the about box and both help screens,
// so they can be looked at without starting the program.
//
//   schermafdruk_dialogen [<folder>]
//     default: docs/ of the source tree; writes soortform.png, configform.png, aboutform.png,
//     help-bingo.png (with the mouse over the first card button) and help-quiz.png

#include "Schermafdruk.h"

#include "support/TestOmgeving.h"

#include "ui/dialogen/AboutForm.h"
#include "ui/dialogen/ConfigForm.h"
#include "ui/dialogen/SoortForm.h"
#include "ui/help/HelpSchermen.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/MenuBalk.h"
#include "ui/toolkit/TekenPaneel.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <filesystem>

namespace {

bool bewaar(QWidget &venster, const QDir &map, const char *naam)
{
    const QString pad = map.filePath(QString::fromLatin1(naam));
    if (!venster.grab().save(pad)) {
        std::fprintf(stderr, "kan %s niet schrijven\n", qPrintable(pad));
        return false;
    }
    std::printf("%s\n", qPrintable(pad));
    return true;
}

template <typename Form> bool bewaarDialoog(ui::Main &main, const QDir &map, const char *naam)
{
    Form form(main);
    form.show();
    QApplication::processEvents();
    const bool gelukt = bewaar(form, map, naam);
    form.hide();
    return gelukt;
}

} // namespace

int main(int argc, char **argv)
{
    schermafdruk::zonderScherm();
    QApplication app(argc, argv);
    schermafdruk::zetLettertypen();

    const QDir map(schermafdruk::argument(argc, argv, 1, schermafdruk::bronPad("docs")));
    if (!schermafdruk::maakUitvoerMap(map))
        return 1;

    TestOmgeving t;
    const QDir bron(schermafdruk::bronPad("assets/Data"));
    for (const char *wiel : {"rad-1.jpg", "rad-2.jpg"})
        QFile::copy(bron.filePath(QLatin1String(wiel)), QDir(t.omgeving.dataMap()).filePath(QLatin1String(wiel)));

    bool gelukt = true;
    {
        ui::Main main(t.omgeving, QSize(1280, 800));
        gelukt &= bewaarDialoog<ui::SoortForm>(main, map, "soortform.png");
        gelukt &= bewaarDialoog<ui::ConfigForm>(main, map, "configform.png");
        gelukt &= bewaarDialoog<ui::AboutForm>(main, map, "aboutform.png");

        ui::HelpSchermen &help = *main.helpSchermen();
        main.menuActie(ui::MenuActie::Help);
        emit help.hknop(0)->MouseMove(1, 0, 10.f, 10.f);
        gelukt &= bewaar(*help.helpPic(), map, "help-bingo.png");
        main.menuActie(ui::MenuActie::Help);

        t.algemeen.SpelSoort = core::SpelSoort::Quiz;
        main.menuActie(ui::MenuActie::Help);
        gelukt &= bewaar(*help.helpPic2(), map, "help-quiz.png");
        main.menuActie(ui::MenuActie::Help);

        t.dialogen.antwoorden = {ui::Antwoord::Ja};
        main.close();
    }
    return gelukt ? 0 : 1;
}
