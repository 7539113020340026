#pragma once

// Shared set-up of the screenshot tools: they draw windows off screen with the program's
// fonts and write PNG files into docs/ (or a folder given as the first argument).

#include "widgets/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QString>

#include <cstdio>
#include <filesystem>

namespace schermafdruk {

// Before the QApplication: no window is ever shown on a real screen.
inline void zonderScherm()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
