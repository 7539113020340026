#pragma once

// Shared set-up of the screenshot tools: they draw windows off screen with the program's
// fonts and write PNG files into docs/ (or a folder given as the first argument).

#include "core/Algemeen.h"
#include "ui/bingo/BingoBord.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/QuizScherm.h"
#include "widgets/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QString>
#include <QTemporaryFile>

#include <cstdio>
#include <filesystem>

namespace schermafdruk {

// Before the QApplication: no window is ever shown on a real screen.
inline void zonderScherm()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Before the QApplication: Qt's offscreen platform with two screens side by side, "Laptop" and
// "Beamer", of these sizes; the list lives in `lijst`, which must outlive the application.
inline bool tweeSchermen(QTemporaryFile &lijst, QSize laptop, QSize beamer)
{
    lijst.setFileTemplate(QDir::tempPath() + QStringLiteral("/schermen-XXXXXX.json"));
    if (!lijst.open())
        return false;
    const QString scherm =
        QStringLiteral(R"({"name": "%1", "x": %2, "y": 0, "width": %3, "height": %4, "logicalDpi": 96})");
    lijst.write(
        QStringLiteral(R"({"screens": [%1, %2]})")
            .arg(scherm.arg(QStringLiteral("Laptop")).arg(0).arg(laptop.width()).arg(laptop.height()),
                 scherm.arg(QStringLiteral("Beamer")).arg(laptop.width()).arg(beamer.width()).arg(beamer.height()))
            .toUtf8());
    lijst.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + lijst.fileName().toLocal8Bit());
    return true;
}

// What the game-type dialog does when the word quiz is chosen.
inline void kiesQuiz(ui::Main &main, core::Algemeen &algemeen)
{
    main.radPic()->setPicture(QImage(QStringLiteral(":/images/rad-quiz.png")));
    algemeen.SpelSoort = core::SpelSoort::Quiz;
    for (int i = 0; i < 2; ++i) {
        main.logoLabel(i)->setText(QStringLiteral("Woorden Quiz"));
        main.logoLabel(i)->adjustSize();
    }
    main.pic()->hide();
    main.rondeLabel()->hide();
    main.beurtLabel()->hide();
    main.pic2()->show();
}

// After the QApplication: the program's own font choices.
inline void zetLettertypen() { widgets::installProgramFonts(); }

// The repository's root folder.
inline std::filesystem::path bronMap() { return std::filesystem::path(__FILE__).parent_path().parent_path(); }

inline QString bronPad(const std::filesystem::path &relatief)
{
    return QString::fromStdString((bronMap() / relatief).string());
}

// The argument at index, or the default when it is not given.
inline QString argument(int argc, char **argv, int index, const QString &standaard)
{
    return argc > index ? QString::fromLocal8Bit(argv[index]) : standaard;
}

// The output folder (first argument, else docs/), made when missing; false when it cannot be.
inline bool maakUitvoerMap(const QDir &map)
{
    if (map.exists() || QDir().mkpath(map.path()))
        return true;
    std::fprintf(stderr, "kan de map %s niet maken\n", qPrintable(map.path()));
    return false;
}

} // namespace schermafdruk
