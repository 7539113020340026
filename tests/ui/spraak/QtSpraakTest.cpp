// The real engine (Qt's speech-dispatcher plugin) on its thread of its own, against a speech
// service that is not there and one that takes calls but never answers them.
#include "ui/spraak/QtSpraak.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextToSpeech>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Points the engine at a socket in a folder of the test's own.
struct Spraakdienst : ::testing::Test {
    QTemporaryDir map;
    QString adres = map.filePath(QStringLiteral("speechd.sock"));

    void SetUp() override
    {
        if (!QTextToSpeech::availableEngines().contains(QStringLiteral("speechd")))
            GTEST_SKIP() << "Qt's speech-dispatcher plugin is not installed";
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + QFile::encodeName(adres));
    }
    void TearDown() override { qunsetenv("SPEECHD_ADDRESS"); }
};

} // namespace

TEST_F(Spraakdienst, WithoutAServiceTheVoiceStaysSilentAndSaysWhy)
{
    ui::QtSpraak spraak;
    QSignalSpy gewijzigd(&spraak, &ui::Spraak::toestandGewijzigd);
    spraak.zeg(QStringLiteral("A van Antonn"));
    ASSERT_TRUE(gewijzigd.wait(10000));
    EXPECT_TRUE(spraak.waaromStil().contains(QStringLiteral("speech-dispatcher"))) << spraak.waaromStil().toStdString();
    EXPECT_TRUE(spraak.stemmen().isEmpty());
}

// Every call returns while the engine's thread hangs in the service; after a while the reason
// is told to whoever watches the voice, and the voice can be closed with its thread still hanging.
TEST_F(Spraakdienst, AServiceThatNeverAnswersHoldsNothingUpAndIsTold)
{
    QLocalServer dienst;
    ASSERT_TRUE(dienst.listen(adres));
    QList<QLocalSocket *> verbindingen; // kept open, never answered
    QObject::connect(&dienst, &QLocalServer::newConnection, [&] { verbindingen << dienst.nextPendingConnection(); });
    auto spraak = std::make_unique<ui::QtSpraak>();
    for (const char letter : {'A', 'B', 'C'})
        spraak->zeg(QStringLiteral("%1 van ...").arg(QLatin1Char(letter)));
    spraak->stelIn({QStringLiteral("Dutch"), 2, 50});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !verbindingen.isEmpty(); }, 10000)) << "the engine never called";
    EXPECT_TRUE(spraak->waaromStil().isEmpty()) << "not told before the service has had its time";
    QSignalSpy gewijzigd(spraak.get(), &ui::Spraak::toestandGewijzigd);
    ASSERT_TRUE(gewijzigd.wait(10000)) << "a watcher is told";
    EXPECT_TRUE(spraak->waaromStil().contains(QStringLiteral("antwoordt niet")));
    spraak.reset();
}
