#include "core/Clock.h"
#include "ui/toolkit/TekenPaneel.h"
#include "ui/toolkit/Twips.h"
#include "ui/toolkit/Wachter.h"
#include "widgets/Fonts.h"

#include <QFontMetrics>
#include <QTimer>
#include <gtest/gtest.h>

using namespace ui;

namespace {

QColor pixel(const TekenPaneel &paneel, int x, int y) { return paneel.surface().pixelColor(x, y); }

} // namespace

TEST(Twips, FifteenTwipsMakeOnePixel)
{
    EXPECT_EQ(twips(9000), 600);
    EXPECT_EQ(twips(7215), 481);
    EXPECT_EQ(twips(15), 1);
    EXPECT_EQ(twips(-7500), -500);
    QWidget widget;
    plaats(&widget, 900, 2400, 9000, 9000);
    EXPECT_EQ(widget.geometry(), QRect(60, 160, 600, 600));
}

TEST(TekenPaneel, BoxesIncludeBothCornersAndLinesLeaveOutTheirEndPoint)
{
    TekenPaneel paneel;
    paneel.resize(20, 20);
    paneel.setBackColor(Qt::black);
    paneel.box(2, 2, 5, 5, Qt::red);
    for (int i = 2; i <= 5; ++i) {
        EXPECT_EQ(pixel(paneel, i, 2), QColor(Qt::red)) << i;
        EXPECT_EQ(pixel(paneel, i, 5), QColor(Qt::red)) << i;
        EXPECT_EQ(pixel(paneel, 2, i), QColor(Qt::red)) << i;
        EXPECT_EQ(pixel(paneel, 5, i), QColor(Qt::red)) << i;
    }
    EXPECT_EQ(pixel(paneel, 3, 3), QColor(Qt::black));
    EXPECT_EQ(pixel(paneel, 6, 6), QColor(Qt::black));

    paneel.filledBox(10, 10, 12, 11, Qt::green);
    EXPECT_EQ(pixel(paneel, 10, 10), QColor(Qt::green));
    EXPECT_EQ(pixel(paneel, 12, 11), QColor(Qt::green));
    EXPECT_EQ(pixel(paneel, 13, 11), QColor(Qt::black));
    EXPECT_EQ(pixel(paneel, 12, 12), QColor(Qt::black));

    paneel.line(0, 15, 4, 15, Qt::blue);
    EXPECT_EQ(pixel(paneel, 0, 15), QColor(Qt::blue));
    EXPECT_EQ(pixel(paneel, 3, 15), QColor(Qt::blue));
    EXPECT_EQ(pixel(paneel, 4, 15), QColor(Qt::black));
}

TEST(TekenPaneel, DrawingStaysUntilClearedAndSurvivesResizing)
{
    TekenPaneel paneel;
    paneel.resize(30, 30);
    paneel.setBackColor(QColor(100, 0, 0));
    paneel.filledBox(1, 1, 3, 3, Qt::white);
    paneel.resize(10, 10);
    paneel.resize(40, 40);
    paneel.repaint();
    EXPECT_EQ(pixel(paneel, 2, 2), QColor(Qt::white));
    paneel.wis();
    EXPECT_EQ(pixel(paneel, 2, 2), QColor(100, 0, 0));
}

TEST(TekenPaneel, TextPutsTheTopOfItsLineBoxAtThePosition)
{
    TekenPaneel paneel;
    paneel.resize(200, 120);
    paneel.setBackColor(Qt::black);
    const QFont font = widgets::designFont(QStringLiteral("Comic Sans MS"), 46, true);
    paneel.setDrawFont(font);
    paneel.setCurrentPosition(20, 10);
    paneel.setForeColor(Qt::white);
    paneel.print(QStringLiteral("W"));

    // Ink of a capital starts below the line box's top (internal leading), never above it.
    int eersteRij = -1;
    for (int y = 0; y < 120 && eersteRij < 0; ++y)
        for (int x = 0; x < 200; ++x)
            if (pixel(paneel, x, y) != QColor(Qt::black)) {
                eersteRij = y;
                break;
            }
    const QFontMetrics metrics(font);
    ASSERT_GE(eersteRij, 10);
    EXPECT_LE(eersteRij, 10 + metrics.ascent() - metrics.capHeight() + 3);
}

TEST(TekenPaneel, APictureThatCannotBeLoadedChangesNothing)
{
    TekenPaneel paneel;
    paneel.resize(10, 10);
    paneel.setBackColor(Qt::blue);
    EXPECT_FALSE(paneel.laadPicture(QStringLiteral("/nonexistent/rad-2.jpg")));
    EXPECT_EQ(pixel(paneel, 5, 5), QColor(Qt::blue));
}

TEST(Wacht, UnderTheTestClockItReturnsAtOnceAndMovesTheClock)
{
    core::ManualClock klok;
    DirecteWachter wachter(klok);
    const double voor = klok.monotonicSeconds();
    wachter.Wacht(5.0f);
    EXPECT_DOUBLE_EQ(klok.monotonicSeconds() - voor, 5.0);
}

TEST(Wacht, OnTheRealClockEventsRunWhileItWaits)
{
    core::SystemClock klok;
    KlokWachter wachter(klok);
    int tikken = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++tikken; });
    timer.start(10);
    const double voor = klok.monotonicSeconds();
    wachter.Wacht(0.1f);
    EXPECT_GE(klok.monotonicSeconds() - voor, 0.1);
    EXPECT_GE(tikken, 3);
}

TEST(Wacht, OnASpedUpClockItSleepsOnlyTheRealTimeThatClockNeeds)
{
    // A thousand times faster: a minute of animation time is 60 ms of real time. Sleeping
    // the clock's seconds as real ones would take the whole minute.
    core::VersneldeKlok klok(1000.0);
    core::SystemClock echt;
    KlokWachter wachter(klok);
    const double voor = klok.monotonicSeconds();
    const double echtVoor = echt.monotonicSeconds();
    wachter.Wacht(60.0f);
    EXPECT_GE(klok.monotonicSeconds() - voor, 60.0);
    EXPECT_LT(echt.monotonicSeconds() - echtVoor, 30.0);
}

TEST(Wacht, AfterStopAllesEveryWaitReturnsAtOnce)
{
    core::SystemClock klok;
    KlokWachter wachter(klok);
    wachter.stopAlles();
    const double voor = klok.monotonicSeconds();
    wachter.Wacht(30.0f);
    EXPECT_LT(klok.monotonicSeconds() - voor, 1.0);
}
