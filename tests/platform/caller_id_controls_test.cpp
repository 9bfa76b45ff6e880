#include "core/date_time.h"
#include "platform/caller_id_controls.h"
#include "platform/cid_line_codec.h"
#include "platform/outside_events.h"
#include "platform/raised_error.h"
#include "support/loopback_port.h"
#include "support/telephony_fixture.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <numeric>

namespace {

QString host(int port)
{
    return "127.0.0.1:" + QString::number(port);
}

// A service that accepts connections and does only what the test tells it.
class RawService
{
public:
    RawService()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                m_sockets.append(socket);
                if (onConnection)
                    onConnection(socket);
            }
        });
    }
    // Told of each connection as it is accepted.
    std::function<void(QTcpSocket*)> onConnection;
    QString host() const { return ::host(m_server.serverPort()); }
    QTcpSocket* waitForConnection()
    {
        return QTest::qWaitFor([this] { return !m_sockets.isEmpty(); }, 5000) ? m_sockets[0] : nullptr;
    }

private:
    QTcpServer m_server;
    QList<QTcpSocket*> m_sockets;
};

TEST(CidLineCodec, FieldsSurviveTheLineAndTheWire)
{
    const QStringList fields{"LOGIN", "a%b\tc", "줄\r\n바꿈", "%09 stays text", "", "끝%"};
    const QByteArray line = EncodeCidLine(fields);
    EXPECT_EQ(line.count('\n'), 1);
    EXPECT_TRUE(line.endsWith('\n'));
    EXPECT_EQ(line.count('\t'), fields.size() - 1);
    EXPECT_EQ(DecodeCidLine(line.chopped(1)), fields);

    CidLineReader reader;
    const QList<QStringList> taken = reader.take(line + line.left(5)).lines;
    ASSERT_EQ(taken.size(), 1);
    EXPECT_EQ(reader.pending(), 5);
    EXPECT_EQ(reader.take(line.mid(5)).lines, QList<QStringList>{fields});

    TelephonyFixture services;
    KtCidControl kt(services->ktHost());
    EXPECT_EQ(kt.Login(1, services.accounts().ktKey, fields[1], fields[2]), 401);
    ASSERT_EQ(services->received().size(), 1);
    EXPECT_EQ(services->received()[0].fields,
              (QStringList{"LOGIN", "1", services.accounts().ktKey, fields[1], fields[2]}));
}

// A line longer than 64 KiB is dropped whole, however it is cut into pieces, and nothing of it is
// kept meanwhile; the lines around it are read.
TEST(CidLineCodec, AnOverlongLineIsDroppedWithoutBeingKept)
{
    const QByteArray good = EncodeCidLine({"EVENT", "Login", "200"});
    const QByteArray longest = QByteArray(CidLineReader::kLineLimit, 'x') + '\n';
    const QByteArray tooLong = QByteArray(CidLineReader::kLineLimit + 1, 'y') + '\n';
    struct Case {
        const char* name;
        QList<QByteArray> pieces;
        int lines;
        int dropped;
    };
    const QList<Case> cases{
        {"at the limit", {longest, good}, 2, 0},
        {"one byte over", {tooLong, good}, 1, 1},
        {"in small pieces", {tooLong.left(1000), tooLong.mid(1000, 70000), tooLong.mid(71000), good}, 1, 1},
        {"after a good line", {good + tooLong.left(100), tooLong.mid(100) + good}, 2, 1},
    };
    for (const Case& c : cases) {
        CidLineReader reader;
        int lines = 0;
        int dropped = 0;
        for (const QByteArray& piece : c.pieces) {
            const CidLineReader::Taken taken = reader.take(piece);
            lines += taken.lines.size();
            dropped += taken.dropped;
            EXPECT_LE(reader.pending(), CidLineReader::kLineLimit) << c.name;
        }
        EXPECT_EQ(lines, c.lines) << c.name;
        EXPECT_EQ(dropped, c.dropped) << c.name;
        EXPECT_EQ(reader.pending(), 0) << c.name;
    }

    CidLineReader endless;
    int dropped = 0;
    for (int i = 0; i < 100; ++i)
        dropped += endless.take(QByteArray(1024 * 1024, 'z')).dropped;
    EXPECT_EQ(dropped, 1);
    EXPECT_EQ(endless.pending(), 0);
    EXPECT_EQ(endless.take("rest\n" + good).lines, (QList<QStringList>{QStringList{"EVENT", "Login", "200"}}));
}

TEST(CallerIdControls, KtEventsFollowTheCallFromTheEventLoop)
{
    TelephonyFixture services;
    KtCidControl kt(services->ktHost());
    QStringList events;
    kt.ConnectEvent = [&](int state) { events << "Connect " + QString::number(state); };
    kt.LoginEvent = [&](int code) { events << "Login " + QString::number(code); };
    const CidAccounts::Account account = services.accounts().kt[0];

    EXPECT_EQ(kt.Login(1, services.accounts().ktKey, account.id, account.pw), 200);
    EXPECT_TRUE(events.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return events == (QStringList{"Connect 1", "Login 200"}); }, 5000))
        << events.join(" | ").toStdString();

    EXPECT_EQ(kt.Login(1, services.accounts().ktKey, account.id, account.pw), 1000);
    kt.Logout();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !events.isEmpty() && events.last() == QStringLiteral("Login 300"); },
                                5000))
        << events.join(" | ").toStdString();
}

TEST(CallerIdControls, CallsArriveInsideADelayAndAModalBox)
{
    TelephonyFixture services;
    KtCidControl kt(services->ktHost());
    QStringList calls;
    kt.CIDEvent = [&](const QString& number, const QString& second, const QString& code, const QString& id,
                      const QString&) { calls << number + "," + second + "," + code + "," + id; };
    const CidAccounts::Account account = services.accounts().kt[0];
    ASSERT_EQ(kt.Login(1, services.accounts().ktKey, account.id, account.pw), 200);

    const std::optional<QString> first = services->ring("KT", "01078411465", QString(), -1);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->size(), 20);
    Delay(300);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0], "01078411465," + account.id + ",201," + *first);

    QDialog box;
    QTimer::singleShot(0, &box, [&] { services->ring("KT", "0212345678", "KT-IN-THE-BOX", -1); });
    kt.CIDEvent = [&](const QString& number, const QString&, const QString&, const QString&, const QString&) {
        calls << number + (box.isVisible() ? " in the box" : "");
        box.accept();
    };
    QTimer::singleShot(5000, &box, &QDialog::reject);
    EXPECT_EQ(box.exec(), QDialog::Accepted);
    EXPECT_EQ(calls.last(), "0212345678 in the box");
}

TEST(CallerIdControls, UnreachableServices)
{
    const QString nowhere = host(FreeLoopbackPort());
    KtCidControl kt(nowhere);
    try {
        kt.Login(1, "key", "id", "pw");
        ADD_FAILURE() << "no error raised";
    } catch (const RaisedError& error) {
        EXPECT_EQ(error.number, 429);
    }
    EXPECT_THROW(kt.Logout(), RaisedError);

    LgCidLine line(nowhere);
    QStringList results;
    line.ConnectResultEvent = [&](const QString& first, const QString& second) { results << first + ", " + second; };
    line.DisconnectServer();
    line.LoginServer("id", "pw", "");
    EXPECT_TRUE(results.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return results == QStringList{"Login, OamServer Connect Err"}; }, 5000))
        << results.join(" | ").toStdString();
}

TEST(CallerIdControls, SilentKtServiceRaisesAfterItsWait)
{
    RawService silent;
    KtCidControl kt(silent.host());
    QElapsedTimer clock;
    clock.start();
    try {
        kt.KickOut();
        ADD_FAILURE() << "no error raised";
    } catch (const RaisedError& error) {
        EXPECT_EQ(error.number, 440);
    }
    EXPECT_GE(clock.elapsed(), 4900);
    EXPECT_LT(clock.elapsed(), 8000);
}

TEST(CallerIdControls, LgLineLogsInAndOutAndReportsADrop)
{
    TelephonyFixture services;
    LgCidLine line(services->lgHost());
    QStringList events;
    line.StatusEvent = [&](const QString& data) { events << "Status " + data; };
    line.SendNetworkErrorEvent = [&] { events << "SendNetworkError"; };
    line.ConnectResultEvent = [&](const QString& first, const QString& second) {
        events << "ConnectResult " + first + ", " + second;
    };
    const CidAccounts::Account account = services.accounts().lg[1];

    line.LoginServer(account.id, "wrong", "10.0.0.1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return events == QStringList{"ConnectResult Connect, Network Connect Err"}; },
                                5000))
        << events.join(" | ").toStdString();
    line.LoginServer(account.id, account.pw, "10.0.0.1");
    const QString loggedIn = "Status STATUS:1|CALLERID:" + account.number + "|";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !events.isEmpty() && events.last() == loggedIn; }, 5000))
        << events.join(" | ").toStdString();
    EXPECT_EQ(services->lgLinesLoggedIn(), QList<int>{1});

    events.clear();
    line.DisconnectServer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return events == (QStringList{"SendNetworkError", "Status STATUS:0|"}); },
                                5000))
        << events.join(" | ").toStdString();
    Delay(100);
    EXPECT_EQ(events.size(), 2);

    RawService service;
    LgCidLine dropped(service.host());
    dropped.SendNetworkErrorEvent = [&] { events << "dropped"; };
    dropped.LoginServer("id", "pw", "");
    QTcpSocket* connection = service.waitForConnection();
    ASSERT_NE(connection, nullptr);
    dropped.ConnectionLostEvent = [&] { events << "lost"; };
    connection->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !events.isEmpty() && events.last() == QStringLiteral("lost"); },
                                5000))
        << events.join(" | ").toStdString();
    EXPECT_EQ(events.mid(events.size() - 2), (QStringList{"dropped", "lost"}));
}

// A service that sends megabytes without a line end: the line is dropped once and told, the
// connection stays usable, and a drop of the connection is told as a loss.
TEST(CallerIdControls, KtToldOfAnOverlongLineAndOfALoss)
{
    RawService service;
    KtCidControl kt(service.host());
    QStringList events;
    kt.LineDroppedEvent = [&] { events << "line dropped"; };
    kt.ConnectionLostEvent = [&] { events << "lost"; };
    kt.LoginEvent = [&](int code) { events << "Login " + QString::number(code); };
    kt.Logout();
    QTcpSocket* connection = service.waitForConnection();
    ASSERT_NE(connection, nullptr);
    const QByteArray megabyte(1024 * 1024, 'x');
    for (int i = 0; i < 8; ++i)
        connection->write(megabyte);
    connection->write("\n" + EncodeCidLine({"EVENT", "Login", "200"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.contains("Login 200"); }, 5000)) << events.join(" | ").toStdString();
    EXPECT_EQ(events, (QStringList{"line dropped", "Login 200"}));

    connection->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.contains("lost"); }, 5000)) << events.join(" | ").toStdString();
    EXPECT_EQ(events.size(), 3);
}

// Three calls among more status events than may wait, as the service's lines.
constexpr int kStatuses = int(OutsideEventBuffer::kLimit) + 1000;

QByteArray flood(const std::function<QStringList(const QString& id)>& call, const QStringList& status)
{
    QByteArray bytes;
    for (int i = 0; i < kStatuses; ++i) {
        if (i % (kStatuses / 2) == 0)
            bytes += EncodeCidLine(call(QString::number(i)));
        bytes += EncodeCidLine(status);
    }
    return bytes + EncodeCidLine(call(QStringLiteral("last")));
}

class FloodedService : public ::testing::Test
{
protected:
    FloodedService() { OnOutsideEventsDropped([this](int count) { reports << count; }); }
    ~FloodedService() override { OnOutsideEventsDropped({}); }

    // Answers the first line it receives with these bytes.
    void answerFirstLine(const QByteArray& bytes)
    {
        service.onConnection = [bytes](QTcpSocket* socket) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, bytes] {
                socket->readAll();
                socket->write(bytes);
            });
        };
    }

    // Runs the event loop without pauses (one event is handled per turn) until every event is
    // handled or dropped, 5 seconds at most.
    bool allHandled() const
    {
        QElapsedTimer clock;
        clock.start();
        const auto done = [this] { return calls == 3 && statuses + dropped() == kStatuses; };
        while (!done() && clock.elapsed() < 5000)
            QCoreApplication::processEvents();
        return done();
    }
    int dropped() const { return std::accumulate(reports.begin(), reports.end(), 0); }
    std::string counts() const
    {
        return QString("%1 calls, %2 statuses, %3 dropped").arg(calls).arg(statuses).arg(dropped()).toStdString();
    }

    RawService service;
    QList<int> reports;
    int calls = 0;
    int statuses = 0;
};

// Short lines without end: what waits is bounded, every call among them is handled, and what was
// dropped is told with its count, not line by line.
TEST_F(FloodedService, TheQueueKeepsTheRingsAndCountsWhatItDropped)
{
    answerFirstLine(flood([](const QString& id) { return QStringList{"EVENT", "SendRing", "UNIQUEID:" + id + "|"}; },
                          {"EVENT", "Status", "STATUS:0|"}));
    LgCidLine line(service.host());
    line.SendRingEvent = [&](const QString&) { ++calls; };
    line.StatusEvent = [&](const QString&) { ++statuses; };
    line.LoginServer("id", "pw", "");
    ASSERT_TRUE(allHandled()) << counts();
    EXPECT_GT(dropped(), 0);
    EXPECT_LT(reports.size(), dropped());
}

// The events that come while a call of the control waits are held as boundedly, and their drops
// told once, when the queue has emptied.
TEST_F(FloodedService, EventsHeldDuringACallAreBoundedToo)
{
    answerFirstLine(flood([](const QString& id) { return QStringList{"EVENT", "CID", "0212345678", "x", "201", id, "y"}; },
                          {"EVENT", "Login", "300"})
                    + EncodeCidLine({"RESULT", "200"}));
    KtCidControl kt(service.host());
    kt.CIDEvent = [&](const QString&, const QString&, const QString&, const QString&, const QString&) { ++calls; };
    kt.LoginEvent = [&](int) { ++statuses; };
    EXPECT_EQ(kt.Login(1, "key", "id", "pw"), 200);
    ASSERT_TRUE(allHandled()) << counts();
    EXPECT_EQ(statuses, OutsideEventBuffer::kLimit - 3);
    EXPECT_EQ(reports, QList<int>{kStatuses + 3 - int(OutsideEventBuffer::kLimit)});
}

} // namespace
