#pragma once

#include <QSqlDatabase>
#include <QString>

// The patch server's database (module lib_DbAuthentication): the versions of the published builds
// and the download history live in the database "mgmt" of a MySQL server on the patch host.
// Host, account and password are installation values (core/install_values.h).

// The values ODBC_MySQL_ConnString sets each time it runs. gMySqlConnStr is the connection text of
// the account, kept as it has always read; the connection itself takes its parts and talks utf8mb4
// (Qt reads the server's text as UTF-8, so an EUC-KR session would garble every Korean value).
extern QString gMySqlServer;
extern int gMySqlPort;
extern QString gMySqlDatabase;
extern QString gMySqlUser;
extern QString gMySqlPassword;
extern int gMySqlOption;
extern QString gMySqlStmt;
extern QString gMySqlConnStr;

// Sets the values above from the installation values and builds gMySqlConnStr from them.
void ODBC_MySQL_ConnString();

// Opens the connection with the values of the last ODBC_MySQL_ConnString. On failure it writes
// the error line of lib_DbAuthentication to the main log and returns false; the connection stays
// closed.
bool ODBC_MySQL_CONN_OPEN(QSqlDatabase& connection);

// A connection of its own for one piece of work, under a name no other connection uses; closed
// and removed when the object goes. Queries on it must be gone before it is.
class PatchConnection
{
public:
    PatchConnection();
    ~PatchConnection();
    PatchConnection(const PatchConnection&) = delete;
    PatchConnection& operator=(const PatchConnection&) = delete;

    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};
