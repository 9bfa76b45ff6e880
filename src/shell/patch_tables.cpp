#include "shell/patch_tables.h"

#include "core/byte_text.h"
#include "core/converters.h"
#include "core/date_time.h"
#include "core/error_line.h"
#include "core/log.h"
#include "core/login_values.h"
#include "core/number_format.h"
#include "core/patch_db.h"
#include "core/settings.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "shell/shell_globals.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString kModule = QStringLiteral("StartUp");

void serverLine(const QString& text)
{
    MsgFileMS("[Svr1] " + text);
}

QString elapsedSince(int startTick)
{
    return FormatNumber(GetTickCountMS() - startTick, QStringLiteral("#,###"));
}

// Opens the connection with its two log lines; the failure also shows the box.
bool connectPatchServer(PatchConnection& connection, const QString& procedure)
{
    serverLine(kModule + "→" + procedure);
    ODBC_MySQL_ConnString();
    const int start = GetTickCountMS();
    if (ODBC_MySQL_CONN_OPEN(connection.db())) {
        serverLine(elapsedSince(start) + "ms 경과. 서버와 연결됨.");
        return true;
    }
    serverLine(elapsedSince(start) + "ms 경과. 서버와 연결 실패!");
    MsgBox(QStringLiteral("서버에 연결할 수 없습니다!"), MsgStyle::Critical, QStringLiteral("패치 확인"));
    return false;
}

// A text without value is bound as empty text: the driver would store a null QString as NULL,
// which the "E" look-up by shop and MAC address could never match again.
QVariant boundValue(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        return QStringLiteral("");
    return value;
}

bool run(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(boundValue(value));
    return query.exec();
}

void logQueryError(IniUtil& errorLog, const QString& procedure, int step, const QSqlQuery& query,
                   const QString& prefix)
{
    const QSqlError error = query.lastError();
    errorLog.WriteErrorLog(ErrorLine(kModule, procedure, step, error.nativeErrorCode().toInt(),
                                     error.text(), prefix),
                           3, 2);
}

QString branchName()
{
    return ByteLeft(gStoreName, 40);
}

QString macAddress()
{
    return ByteLeft(gMAC, 50);
}

bool markNewestRow(QSqlQuery& query, const QString& result)
{
    return run(query,
               "UPDATE VMR_ZLM_PatchItemTB SET P_DOWN_OK = ?"
               " WHERE P_TYPE = ?   AND P_VERSION = ?   AND P_BRANCH = ?   AND P_MAC = ?"
               " ORDER BY P_AUTO Desc LIMIT 1",
               {result, gPatchType, gPatchVersion, branchName(), macAddress()});
}

bool addRow(QSqlQuery& query, const QString& downloadProgram, const QString& result)
{
    return run(query,
               "INSERT INTO VMR_ZLM_PatchItemTB (P_TYPE, P_VERSION, P_BRANCH, P_COMP_NAME, P_MAC, P_OS,"
               " P_KIND, P_APP_PATH, P_DOWN_PROG, P_DOWN_OK) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
               {gPatchType, gPatchVersion, branchName(), ByteLeft(gStoreName, 100), macAddress(),
                ByteLeft(gOS, 50), QStringLiteral("unknown"), AppPath(), downloadProgram, result});
}

} // namespace

bool VMR_GetPatchVersion()
{
    const QString procedure = QStringLiteral("VMR_GetPatchVersion");
    PatchConnection connection;
    if (!connectPatchServer(connection, procedure))
        return false;
    const int start = GetTickCountMS();
    QSqlQuery query(connection.db());
    const QString published = gDeveloperMode ? "   And P_USE_DEV = 'T'" : "   And P_USE = 'T'";
    if (!run(query, "Select * From VMR_ZLM_PatchTB Where P_TYPE=?" + published
                        + " Order By P_AUTO Desc LIMIT 1",
             {gPatchType})) {
        logQueryError(gIniWork, procedure, 2, query, QStringLiteral("e)"));
        return false;
    }
    if (query.next()) {
        gPatchVersion = query.value("P_VERSION").toString();
        gPatchSize = ToLong(query.value("P_SIZE"));
    }
    serverLine(elapsedSince(start) + "ms 경과. 데이터 처리 완료.");
    return true;
}

bool VMR_PutPatchHistory(const QString& downloadProgram, const QString& result)
{
    const QString procedure = QStringLiteral("VMR_PutPatchHistory");
    PatchConnection connection;
    if (!connectPatchServer(connection, procedure))
        return false;
    const int start = GetTickCountMS();
    QSqlQuery query(connection.db());
    const bool marking = result == "E";
    if (!(marking ? markNewestRow(query, result) : addRow(query, downloadProgram, result))) {
        logQueryError(gIniFrshop, procedure, marking ? 1 : 2, query, QStringLiteral("<e>"));
        return false;
    }
    serverLine(elapsedSince(start) + "ms 경과. 데이터 처리 완료.");
    return true;
}
