// A picture of the word-list editor with Woord-5.lst loaded, from a temporary copy of the
// word lists, so the window can be looked at without starting the program.
//
//   schermafdruk_editor [<png file> [<Data folder>]]
//     defaults: docs/editform.png and assets/Data of the source tree

#include "Schermafdruk.h"

#include "support/TestOmgeving.h"

#include "ui/editor/EditForm.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "widgets/Fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QStringListModel>

#include <cstdio>
#include <filesystem>

int main(int argc, char **argv)
{
    schermafdruk::zonderScherm();
    QApplication app(argc, argv);
    schermafdruk::zetLettertypen();

    const QString uit = schermafdruk::argument(argc, argv, 1, schermafdruk::bronPad("docs/editform.png"));
    const QString bron = schermafdruk::argument(argc, argv, 2, schermafdruk::bronPad("assets/Data"));

    TestOmgeving t;
    const QDir data(t.omgeving.dataMap());
    for (const QString &naam : QDir(bron).entryList({QStringLiteral("*.lst")}, QDir::Files))
        QFile::copy(QDir(bron).filePath(naam), data.filePath(naam));

    int status = 0;
    {
        ui::Main main(t.omgeving, QSize(1280, 800));
        ui::EditForm form(main);
        const int index = form.combo1()->findText(QStringLiteral("Woord-5.lst"));
        if (index < 0) {
            std::fprintf(stderr, "Woord-5.lst niet gevonden in %s\n", qPrintable(bron));
            status = 1;
        } else {
            form.combo1()->setCurrentIndex(index);
            // A chosen word, as the operator would before deleting it.
            form.list1()->setCurrentIndex(form.woordenModel()->index(3));
            form.show();
            QApplication::processEvents();
            if (!form.grab().save(uit)) {
                std::fprintf(stderr, "kan %s niet schrijven\n", qPrintable(uit));
                status = 1;
            } else {
                std::printf("%s\n", qPrintable(uit));
            }
        }
        t.dialogen.antwoorden = {ui::Antwoord::Ja};
        main.close();
    }
    return status;
}
