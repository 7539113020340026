// Pictures of the word quiz after a played game: the whole main window in quiz mode and the
// high-score dialog as the end of the game shows it. The game runs on a manual clock with
// chosen letters and typed words, against a temporary copy of the word lists.
//
//   schermafdruk_quiz [<docs folder> [<Data folder>]]
//     defaults: docs/ and assets/Data of the source tree; writes quiz.png and scoreform.png

#include "Schermafdruk.h"

#include "support/TestOmgeving.h"

#include "core/quiz/QuizRad.h"
#include "core/quiz/ScoreLijst.h"
#include "ui/bingo/BingoBord.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/quiz/QuizSpel.h"
#include "ui/quiz/ScoreForm.h"
#include "ui/quiz/WoordInvoerVak.h"
#include "ui/toolkit/KlikLabel.h"
#include "widgets/Fonts.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>

#include <cstdio>
#include <deque>
#include <filesystem>

namespace {

// Stops the wheel on the sectors of the given letters.
class GekozenLetters : public core::RandomSource
{
public:
    explicit GekozenLetters(const char *letters)
    {
        for (const char *c = letters; *c; ++c)
            for (int p = 1; p <= core::QuizRadPosities; ++p)
                if (core::QuizRadTabel[std::size_t(p - 1)].letter == *c) {
                    m_posities.push_back(p);
                    break;
                }
    }
    void reseed() override {}
    double next() override
    {
        const int p = m_posities.empty() ? 1 : m_posities.front();
        if (!m_posities.empty())
            m_posities.pop_front();
        return (p - 0.5) / core::QuizRadPosities;
    }

private:
    std::deque<int> m_posities;
};

bool bewaar(const QImage &beeld, const QString &pad)
{
    if (beeld.save(pad))
        return true;
    std::fprintf(stderr, "Kan %s niet schrijven\n", qPrintable(pad));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    schermafdruk::zonderScherm();
    QApplication app(argc, argv);
    schermafdruk::zetLettertypen();

    const QDir docs(schermafdruk::argument(argc, argv, 1, schermafdruk::bronPad("docs")));
    const QString bron = schermafdruk::argument(argc, argv, 2, schermafdruk::bronPad("assets/Data"));

    TestOmgeving t;
    const QDir data(t.omgeving.dataMap());
    for (const QString &naam : QDir(bron).entryList({QStringLiteral("*.lst")}, QDir::Files))
        QFile::copy(QDir(bron).filePath(naam), data.filePath(naam));

    GekozenLetters letters("KATQUIZEROSN");
    ui::Omgeving omgeving{t.algemeen, t.klok, letters, t.dialogen, t.wachter, t.spraak, t.map.path()};
    ui::Main main(omgeving, QSize(1280, 800));
    schermafdruk::kiesQuiz(main, t.algemeen);
    main.scoreLijst().VoegScoreToe(57, "Marieke");
    main.scoreLijst().VoegScoreToe(23, "Joost");
    main.scoreLijst().VoegScoreToe(41, "Fatima");
    main.show();
    QApplication::processEvents();

    bool gelukt = true;
    ui::QuizScherm &quiz = *main.pic2();
    quiz.setToonScoreLijst([&] {
        ui::ScoreForm form(main);
        form.list1()->setCurrentRow(1);
        form.show();
        QApplication::processEvents();
        gelukt = bewaar(form.grab().toImage(), docs.filePath(QStringLiteral("scoreform.png"))) && gelukt;
    });

    t.algemeen.QuizSeconden = 150;
    t.dialogen.invoerAntwoorden.push_back(QStringLiteral("Anna"));
    emit quiz.startSpelKnop()->Click();
    for (const char *woord : {"kat", "QUIZ", "rozen", "Toren", "kras", "snor", "ratok", "zaken"}) {
        quiz.text1()->setText(QString::fromLatin1(woord));
        emit quiz.text1()->enterGedrukt();
    }
    while (quiz.spel().fase() == ui::QuizSpel::Fase::Aftellen)
        quiz.spel().tik();
    QApplication::processEvents();

    gelukt = bewaar(main.grab().toImage(), docs.filePath(QStringLiteral("quiz.png"))) && gelukt;
    t.dialogen.antwoorden = {ui::Antwoord::Ja};
    main.close();
    return gelukt ? 0 : 1;
}
