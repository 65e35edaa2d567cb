#include "ui/SingleInstance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <future>

namespace {

// Runs the second start on its own thread while this one serves the first.
CSingleInstance::Outcome StartAnother(const QString& folder, const QString& message) {
    auto later = std::async(std::launch::async, [&] {
        CSingleInstance second(QStringLiteral("Test"), folder);
        return second.Start(message);
    });
    while (later.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
    return later.get();
}

}  // namespace

TEST(SingleInstanceTest, LaterStartsHandTheirMessageOver) {
    int argc = 1;
    char name[] = "ui_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    QStringList received;
    {
        CSingleInstance first(QStringLiteral("Test"), folder.path());
        // A socket file left by a crashed instance does not count.
        QFile stale(first.SocketPath());
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.close();
        ASSERT_EQ(first.Start({}), CSingleInstance::Outcome::First);
        QObject::connect(&first, &CSingleInstance::messageReceived,
                         [&](const QString& m) { received << m; });

        EXPECT_EQ(StartAnother(folder.path(), QStringLiteral("big city")),
                  CSingleInstance::Outcome::HandedOver);
        EXPECT_EQ(StartAnother(folder.path(), QString()), CSingleInstance::Outcome::HandedOver);
        EXPECT_EQ(received, (QStringList{QStringLiteral("big city"), QString()}));
    }
    // The first instance has ended: the next start is first again.
    CSingleInstance next(QStringLiteral("Test"), folder.path());
    EXPECT_EQ(next.Start({}), CSingleInstance::Outcome::First);
}
