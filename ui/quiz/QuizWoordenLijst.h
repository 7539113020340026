#pragma once

#include <QTreeWidget>

#include <string>
#include <vector>

namespace core {
struct WoordControle;
}

namespace ui {

// `ListView1`: the words of the quiz in the order they were entered, one row each with
// three columns: the mark ("V" found, "X" not found; empty until the time is up), the
// word as typed and the points of a found word. The heading bar above it names the
// columns, so the list shows no header of its own.
class QuizWoordenLijst : public QTreeWidget
{
    Q_OBJECT

public:
    enum Kolom { MarkeringKolom = 0, WoordKolom = 1, PuntenKolom = 2 };

    explicit QuizWoordenLijst(QWidget *parent = nullptr);

    // A new row at the end with only the word filled in.
    void voegWoordToe(const QString &woord);
    // The words of all rows, top to bottom.
    std::vector<std::string> woorden() const;
    int aantal() const { return topLevelItemCount(); }
    // The outcome of the check for row rij (0-based): mark in its colour, points.
    void zetControle(int rij, const core::WoordControle &controle);

    QString tekst(int rij, int kolom) const;
    QColor markeringKleur(int rij) const;
};

} // namespace ui
