// Pictures of both screens with the hall's screen switched on: the operator's laptop (the main
// window with the operator's panel over it) and the hall's beamer, during a bingo round and at
// the end of a quiz game. Qt's offscreen platform is given the two screens; the games run on a
// manual clock.
//
//   schermafdruk_zaal [<docs folder>]
//     default: docs/ of the source tree; writes zaal-{bingo,quiz}-{laptop,beamer}.png
#include "Schermafdruk.h"

#include "support/TestOmgeving.h"

#include "ui/bingo/BingoBord.h"
#include "ui/bingo/LetterRadPaneel.h"
#include "ui/hoofdvenster/Bedieningspaneel.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/hoofdvenster/Podium.h"
#include "ui/hoofdvenster/Weergave.h"
#include "ui/hoofdvenster/Zaalscherm.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/quiz/QuizSpel.h"
#include "ui/quiz/WoordInvoerVak.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>

namespace {

// Both screens as they are now: the laptop with the operator's panel where it stands on it.
bool bewaarSchermen(ui::Weergave &weergave, const QDir &docs, const QString &wat)
{
    QApplication::processEvents();
    QImage laptop = weergave.podium()->grab().toImage();
    QPainter schilder(&laptop);
    ui::Bedieningspaneel *paneel = weergave.bedieningspaneel();
    schilder.drawPixmap(paneel->pos() - weergave.podium()->pos(), paneel->grab());
    schilder.end();
    return laptop.save(docs.filePath(QStringLiteral("zaal-%1-laptop.png").arg(wat)))
        && weergave.zaalscherm()->grab().save(docs.filePath(QStringLiteral("zaal-%1-beamer.png").arg(wat)));
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryFile schermen;
    if (!schermafdruk::tweeSchermen(schermen, QSize(1366, 768), QSize(1920, 1080)))
        return 1;
    QApplication app(argc, argv);
    schermafdruk::zetLettertypen();
    const QDir docs(schermafdruk::argument(argc, argv, 1, schermafdruk::bronPad("docs")));
    const QDir bron(schermafdruk::bronPad("assets/Data"));

    TestOmgeving t(5);
    for (const QString &naam : bron.entryList({QStringLiteral("*.lst")}, QDir::Files))
        QFile::copy(bron.filePath(naam), QDir(t.omgeving.dataMap()).filePath(naam));
    ui::Main main(t.omgeving, ui::Main::ontwerpMaat());
    ui::Weergave weergave(main);
    QObject::connect(&main, &ui::Main::voorkeurenGewijzigd, &weergave, &ui::Weergave::toon);
    ui::Voorkeuren voorkeuren;
    voorkeuren.beeldscherm = QStringLiteral("Laptop");
    voorkeuren.zaalschermAan = true;
    voorkeuren.spraakAan = false;
    main.zetVoorkeuren(voorkeuren);
    weergave.toon(voorkeuren);
    QApplication::processEvents();
    if (!weergave.zaalscherm())
        return 1;

    for (int beurt = 0; beurt < 11; ++beurt)
        emit main.pic()->startKnop()->Click();
    bool gelukt = bewaarSchermen(weergave, docs, QStringLiteral("bingo"));

    schermafdruk::kiesQuiz(main, t.algemeen);
    ui::QuizScherm &quiz = *main.pic2();
    quiz.setToonScoreLijst([] {});
    t.algemeen.QuizSeconden = 150;
    t.dialogen.invoerAntwoorden.push_back(QStringLiteral("Anna"));
    emit quiz.startSpelKnop()->Click();
    for (const auto &woord : t.algemeen.QuizLetters)
        if (!woord.empty())
            quiz.text1()->setText(quiz.text1()->text() + QString::fromStdString(woord).toLower());
    quiz.text1()->setText(quiz.text1()->text().left(3));
    emit quiz.text1()->enterGedrukt();
    for (int tik = 0; tik < 40; ++tik)
        quiz.spel().tik();
    gelukt = bewaarSchermen(weergave, docs, QStringLiteral("quiz-aftellen")) && gelukt;
    while (quiz.spel().fase() == ui::QuizSpel::Fase::Aftellen)
        quiz.spel().tik();
    gelukt = bewaarSchermen(weergave, docs, QStringLiteral("quiz")) && gelukt;
    t.dialogen.antwoorden = {ui::Antwoord::Ja};
    main.close();
    return gelukt ? 0 : 1;
}
