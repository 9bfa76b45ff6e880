#include "core/date_time.h"
#include "core/login_values.h"
#include "core/win_http.h"
#include "platform/caller_id_controls.h"
#include "standin/telephony_admin.h"
#include "support/program_dir.h"
#include "support/qt_printers.h"
#include "support/standin_fixture.h"
#include "support/telephony_fixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString post(const QString& path, const QString& body)
{
    return GetWinHttp(gServerURL + path, body);
}

struct Call {
    QString number;
    QString account;
    QString code;
    QString id;
};

void listen(KtCidControl& kt, QList<Call>& calls)
{
    kt.CIDEvent = [&calls](const QString& number, const QString& account, const QString& code, const QString& id,
                           const QString&) { calls.append({number, account, code, id}); };
}

TEST(TelephonyAdmin, PathsActAsTheOutsideWorldAndAreNotRecorded)
{
    TempProgramDir dir;
    StandinFixture backend;
    TelephonyFixture services;
    AddTelephonyAdminPaths(backend.standin(), services.telephony());
    const CidAccounts& accounts = services.accounts();

    EXPECT_EQ(post("/standin/cid/ring", "carrier=KT&number=01078411465"), "no KT connection is logged in");
    KtCidControl kt(services->ktHost());
    QList<Call> calls;
    listen(kt, calls);
    ASSERT_EQ(kt.Login(1, accounts.ktKey, accounts.kt[0].id, accounts.kt[0].pw), 200);

    const QString id = post("/standin/cid/ring", "carrier=KT&number=01078411465");
    EXPECT_EQ(id.size(), 20);
    EXPECT_EQ(post("/standin/cid/status", "carrier=KT&id=" + id + "&code=407"), "OK");
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls.size() == 2; }, 5000));
    EXPECT_EQ(calls[0].number, "01078411465");
    EXPECT_EQ(calls[0].account, accounts.kt[0].id);
    EXPECT_EQ(calls[0].code, "201");
    EXPECT_EQ(calls[1].code, "407");
    EXPECT_EQ(calls[1].id, id);
    EXPECT_EQ(calls[1].number, "01078411465");

    EXPECT_EQ(post("/standin/cid/script", "command=login&code=1503"), "OK");
    EXPECT_EQ(kt.Login(1, accounts.ktKey, accounts.kt[0].id, accounts.kt[0].pw), 1503);
    EXPECT_EQ(post("/standin/cid/script", "command=logout&code=1"), "command must be login or kickout, code a number");

    LgCidLine line(services->lgHost());
    QStringList lgEvents;
    line.SendRingEvent = [&](const QString& data) { lgEvents << "ring " + data; };
    line.SendChannelOutEvent = [&](const QString& data) { lgEvents << "out " + data; };
    line.SendNetworkErrorEvent = [&] { lgEvents << "network error"; };
    EXPECT_EQ(post("/standin/cid/ring", "carrier=LG&number=0212345678"), "no LG line is logged in");
    line.LoginServer(accounts.lg[2].id, accounts.lg[2].pw, "");
    ASSERT_TRUE(QTest::qWaitFor([&] { return services->lgLinesLoggedIn() == QList<int>{2}; }, 5000));
    const QString first = post("/standin/cid/ring", "carrier=LG&number=0212345678");
    const QString second = post("/standin/cid/ring", "carrier=LG&number=0212345678&line=2");
    EXPECT_GT(first.size(), 17);
    EXPECT_NE(first.left(17), second.left(17));
    EXPECT_EQ(post("/standin/cid/status", "carrier=LG&id=" + first + "&result=missed"), "OK");
    EXPECT_EQ(post("/standin/cid/event", "carrier=LG&line=2&name=SendNetworkError"), "OK");
    ASSERT_TRUE(QTest::qWaitFor([&] { return lgEvents.size() == 4; }, 5000));
    EXPECT_EQ(lgEvents, (QStringList{"ring CALLERID:0212345678|UNIQUEID:" + first + "|",
                                     "ring CALLERID:0212345678|UNIQUEID:" + second + "|",
                                     "out UNIQUEID:" + first + "|", "network error"}));

    const QString log = GetWinHttp(gServerURL + "/standin/cid/log", QString());
    EXPECT_TRUE(log.startsWith("KT\tLOGIN\t1\t" + accounts.ktKey + "\t" + accounts.kt[0].id + "\t"));
    EXPECT_TRUE(log.contains("\nLG\tLOGIN\t" + accounts.lg[2].id + "\t"));
    EXPECT_TRUE(backend->requests().isEmpty());
}

class StandinProcess
{
public:
    StandinProcess()
    {
        m_process.start(VMR_STANDIN_EXECUTABLE, {"--port", "0", "--kt-port", "0", "--lg-port", "0"});
        QString output;
        const QRegularExpression ports(
            "http://127\\.0\\.0\\.1:(\\d+), caller ID on (127\\.0\\.0\\.1:\\d+) \\(KT\\) and (127\\.0\\.0\\.1:\\d+)");
        const bool started = QTest::qWaitFor([&] {
            output += QString::fromUtf8(m_process.readAllStandardOutput());
            return ports.match(output).hasMatch();
        }, 5000);
        if (!started)
            return;
        const QRegularExpressionMatch match = ports.match(output);
        port = match.captured(1);
        ktHost = match.captured(2);
    }
    ~StandinProcess()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    // Runs a command against this stand-in: exit code and what it printed.
    std::pair<int, QString> run(const QStringList& words) const { return command(port, words); }

    static std::pair<int, QString> command(const QString& port, const QStringList& words)
    {
        QProcess process;
        process.start(VMR_STANDIN_EXECUTABLE, QStringList{"--port", port} + words);
        process.waitForFinished(10000);
        return {process.exitCode(),
                QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()).trimmed()};
    }

    QString port;
    QString ktHost;

private:
    QProcess m_process;
};

TEST(TelephonyAdmin, CommandsActOnARunningStandin)
{
    StandinProcess standin;
    ASSERT_FALSE(standin.port.isEmpty());
    const CidAccounts accounts = SampleCidAccounts();

    EXPECT_EQ(standin.run({"ring", "KT", "01012345678"}),
              std::make_pair(1, QString("vmr-standin: no KT connection is logged in")));
    EXPECT_EQ(standin.run({"script", "KT", "login", "405"}), std::make_pair(0, QString("OK")));
    KtCidControl kt(standin.ktHost);
    EXPECT_EQ(kt.Login(1, accounts.ktKey, accounts.kt[0].id, accounts.kt[0].pw), 405);
    EXPECT_EQ(kt.Login(1, accounts.ktKey, accounts.kt[0].id, accounts.kt[0].pw), 200);

    QList<Call> calls;
    listen(kt, calls);
    const auto [code, id] = standin.run({"ring", "KT", "01012345678", "--id", "KT-CALL-1"});
    EXPECT_EQ(code, 0);
    EXPECT_EQ(id, "KT-CALL-1");
    EXPECT_EQ(standin.run({"status", "KT", "KT-CALL-1", "200"}).first, 0);
    EXPECT_EQ(standin.run({"event", "KT", "CID", "0299998888", "x", "300", "KT-CALL-2"}).first, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls.size() == 3; }, 5000));
    EXPECT_EQ(calls[1].code, "200");
    EXPECT_EQ(calls[2].number, "0299998888");
    EXPECT_EQ(calls[2].code, "300");
    EXPECT_EQ(standin.run({"event", "LG", "--line", "2", "SendNetworkError"}).first, 1);
    EXPECT_EQ(standin.run({"dial", "KT"}).first, 1);

    bool lost = false;
    kt.ConnectionLostEvent = [&] { lost = true; };
    EXPECT_EQ(standin.run({"drop", "KT"}), std::make_pair(0, QString("OK")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return lost; }, 5000));
    EXPECT_EQ(standin.run({"drop", "LG", "--line", "2"}).first, 1);

    EXPECT_EQ(StandinProcess::command("1", {"ring", "KT", "01012345678"}).first, 1);
}

} // namespace
