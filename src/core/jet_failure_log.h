#pragma once

#include <QString>

// The lines a user of the local databases writes to the main log when it cannot go on:
//   "E)" module "->" procedure " DB OPEN Error: '" path "'"
//   "E)" module "->" procedure " RS OPEN Error: " CR LF statement (or table name)
//   "E)" module "->" procedure " SQL EXEC Error: " CR LF statement
void LogDbOpenError(const QString& module, const QString& procedure, const QString& path);
void LogRsOpenError(const QString& module, const QString& procedure, const QString& statement);
void LogSqlExecError(const QString& module, const QString& procedure, const QString& statement);
