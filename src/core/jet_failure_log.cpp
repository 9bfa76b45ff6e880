#include "core/jet_failure_log.h"

#include "core/log.h"

namespace {

QString head(const QString& module, const QString& procedure)
{
    return "E)" + module + "->" + procedure;
}

} // namespace

void LogDbOpenError(const QString& module, const QString& procedure, const QString& path)
{
    WriteLog(head(module, procedure) + " DB OPEN Error: '" + path + "'");
}

void LogRsOpenError(const QString& module, const QString& procedure, const QString& statement)
{
    WriteLog(head(module, procedure) + " RS OPEN Error: " + "\r\n" + statement);
}

void LogSqlExecError(const QString& module, const QString& procedure, const QString& statement)
{
    WriteLog(head(module, procedure) + " SQL EXEC Error: " + "\r\n" + statement);
}
