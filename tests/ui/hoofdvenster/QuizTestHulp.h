#pragma once

// What the quiz tests share: a random source that stops the wheel where the test says,
// a main window with the quiz screen, small word lists and a played game.

#include "support/TestOmgeving.h"

#include "core/quiz/QuizRad.h"
#include "core/RandomSource.h"
#include "ui/hoofdvenster/MainWindow.h"
#include "ui/quiz/QuizScherm.h"
#include "ui/quiz/QuizSpel.h"
#include "ui/quiz/QuizWoordenLijst.h"
#include "ui/quiz/WoordInvoerVak.h"
#include "widgets/VistaButton.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>

namespace quiztest {

// Stops the wheel on the planned sectors, in order; after the plan, on sector 1 (A).
class GeplandToeval : public core::RandomSource
{
public:
    void reseed() override {}
    double next() override
    {
        int positie = 1;
        if (!posities.empty()) {
            positie = posities.front();
            posities.pop_front();
        }
        return (positie - 0.5) / core::QuizRadPosities;
    }
    std::deque<int> posities;
};

// The first sector of the wheel that carries the letter.
inline int sectorVan(char letter)
{
    for (int p = 1; p <= core::QuizRadPosities; ++p)
        if (core::QuizRadTabel[std::size_t(p - 1)].letter == letter)
            return p;
    ADD_FAILURE() << "no sector for " << letter;
    return 1;
}

inline QByteArray leesBestand(const QString &pad)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    return bestand.readAll();
}

struct QuizFixture : ::testing::Test {
    TestOmgeving test;
    GeplandToeval toeval;
    ui::Omgeving omgeving{test.algemeen, test.klok, toeval, test.dialogen, test.wachter, test.map.path()};
    std::unique_ptr<ui::Main> main;
    ui::QuizScherm *quiz = nullptr;
    int scoreLijstGetoond = 0;

    void SetUp() override
    {
        main = std::make_unique<ui::Main>(omgeving, QSize(1280, 800));
        quiz = main->pic2();
        // The high-score dialog is modal; the tests count its openings instead.
        quiz->setToonScoreLijst([this] { ++scoreLijstGetoond; });
    }
    void TearDown() override
    {
        test.dialogen.antwoorden = {ui::Antwoord::Ja};
        main->close();
    }

    ui::QuizSpel &spel() const { return quiz->spel(); }
    ui::WoordInvoerVak *vak() const { return quiz->text1(); }
    ui::QuizWoordenLijst *lijst() const { return quiz->listView1(); }

    // Data/Woord-<lengte>.lst with these lines, CR LF after each.
    void schrijfLijst(int lengte, const QStringList &regels)
    {
        QFile bestand(omgeving.dataMap() + QStringLiteral("/Woord-%1.lst").arg(lengte));
        ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
        for (const QString &regel : regels)
            bestand.write(regel.toLatin1() + "\r\n");
    }
    // A list for every length 2..9 holding the given words of that length.
    void schrijfLijsten(const QStringList &woorden)
    {
        for (int lengte = 2; lengte <= 9; ++lengte) {
            QStringList regels;
            for (const QString &woord : woorden)
                if (woord.size() == lengte)
                    regels << woord;
            schrijfLijst(lengte, regels);
        }
    }

    // Presses the start button; the wheel stops on the given letters (12 of them).
    void start(const QString &naam, const std::string &letters)
    {
        for (const char letter : letters)
            toeval.posities.push_back(sectorVan(letter));
        test.dialogen.invoerAntwoorden.push_back(naam);
        emit quiz->startSpelKnop()->Click();
    }
    void typ(const QString &tekst)
    {
        vak()->clear();
        // The test keyboard knows only plain ASCII keys; other characters are pasted.
        const bool ascii = std::all_of(tekst.begin(), tekst.end(), [](QChar c) { return c.unicode() < 128; });
        if (ascii)
            QTest::keyClicks(vak(), tekst);
        else
            vak()->insert(tekst);
        QTest::keyClick(vak(), Qt::Key_Return);
    }
    // Ticks until the time is up.
    void tikTotHetEinde()
    {
        for (int i = 0; i < 100000 && spel().fase() == ui::QuizSpel::Fase::Aftellen; ++i)
            spel().tik();
    }
    QString scorelijstBestand() const { return QString::fromLatin1(leesBestand(main->scorelijstPad())); }
    int aantalMeldingen() const { return int(test.dialogen.meldingen.size()); }
    QString laatsteMelding() const
    {
        return test.dialogen.meldingen.empty() ? QString() : test.dialogen.meldingen.back().tekst;
    }
};

} // namespace quiztest
