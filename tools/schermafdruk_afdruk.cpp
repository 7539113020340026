// A picture of the print dialog, so it can be looked at without starting the program.
//
//   schermafdruk_afdruk [<folder>]
//     default: docs/ of the source tree; writes afdrukform.png

#include "Schermafdruk.h"

#include "support/TestOmgeving.h"

#include "print/Printers.h"
#include "ui/afdrukken/AfdrukForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "widgets/Fonts.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <filesystem>

namespace {

// Three printers, as on an office computer; nothing is ever printed on them.
class VoorbeeldPrinters : public print::Printers
{
public:
    QStringList namen() const override { return {"HP_LaserJet_Kantoor", "Canon_Kleur", "Brother_Bibliotheek"}; }
    QString standaard() const override { return QStringLiteral("HP_LaserJet_Kantoor"); }
    std::unique_ptr<print::DocumentTarget> open(const QString &) override { return nullptr; }
};

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
    bool gelukt = true;
    {
        ui::Main main(t.omgeving, QSize(1280, 800));
        VoorbeeldPrinters printers;
        print::Printerkeuze keuze(printers);
        ui::Afdrukmiddelen middelen{keuze, {}};
        ui::AfdrukForm form(main, middelen);
        form.show();
        QApplication::processEvents();

        const QString pad = map.filePath(QStringLiteral("afdrukform.png"));
        gelukt = form.grab().save(pad);
        std::printf("%s%s\n", gelukt ? "" : "kan niet schrijven: ", qPrintable(pad));
        form.hide();

        t.dialogen.antwoorden = {ui::Antwoord::Ja};
        main.close();
    }
    return gelukt ? 0 : 1;
}
