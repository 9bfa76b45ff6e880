#include "support/standin_fixture.h"

#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString output;
};

// Runs "vmr-standin guest-request" against the fixture's stand-in, which answers meanwhile.
Outcome guestRequest(const StandinFixture& backend, const QStringList& arguments)
{
    QProcess command;
    command.start(VMR_STANDIN_EXECUTABLE,
                  QStringList{"guest-request", "--port", QString::number(backend.port())} + arguments);
    // The answer comes from this process's event loop, so the wait must run it.
    if (!QTest::qWaitFor([&] { return command.state() == QProcess::NotRunning; }, 10000))
        return {};
    return {command.exitCode(), QString::fromUtf8(command.readAllStandardOutput()).trimmed()};
}

} // namespace

TEST(StandinGuestRequestCommand, PostsTheRequestAndPrintsTheAnswer)
{
    StandinFixture backend;
    const Outcome made = guestRequest(backend, {"A2", "물 & 수저+", "3"});
    EXPECT_EQ(made.exitCode, 0);
    EXPECT_EQ(made.output, "성공 5006");
    const StandinRecord& request = backend.shop().tableRequests.last();
    EXPECT_EQ(request.value("memotext"), "물 & 수저+");
    EXPECT_EQ(request.value("ordercount"), "3");
    EXPECT_EQ(request.value("table"), "102");

    const Outcome unknown = guestRequest(backend, {"Z9", "물"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_FALSE(unknown.output.contains("성공"));
    EXPECT_EQ(backend.shop().tableRequests.size(), 6);
}
