#include "core/jet_attempts.h"

#include "core/converters.h"
#include "core/log.h"
#include "platform/message_box.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {

// SQLite result codes.
enum : int {
    SqliteError = 1,
    SqlitePerm = 3,
    SqliteReadOnly = 8,
    SqliteIoErr = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteTooBig = 18,
    SqliteConstraint = 19,
    SqliteMismatch = 20,
    SqliteMisuse = 21,
    SqliteAuth = 23,
    SqliteRange = 25,
    SqliteNotADb = 26,
};

// Failures that another try cannot mend: the file cannot be opened or is no database, it is
// damaged, the disk is full, the statement is wrong, or the data breaks the table's rules.
bool isFinal(int number)
{
    switch (number) {
    case SqliteError:
    case SqlitePerm:
    case SqliteReadOnly:
    case SqliteCorrupt:
    case SqliteFull:
    case SqliteCantOpen:
    case SqliteTooBig:
    case SqliteConstraint:
    case SqliteMismatch:
    case SqliteMisuse:
    case SqliteAuth:
    case SqliteRange:
    case SqliteNotADb:
        return true;
    default:
        return number < 0;
    }
}

} // namespace

JetError JetErrorOf(const QSqlError& error)
{
    bool ok = false;
    int number = error.nativeErrorCode().toInt(&ok);
    if (!ok)
        number = -1;
    // Extended result codes carry the primary code in their low byte.
    if (number > 0)
        number &= 0xff;
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return {number, text};
}

JetAttempts::JetAttempts(const QString& procedure, const QString& target, int maxAttempts)
    : m_procedure(procedure), m_target(target), m_maxAttempts(maxAttempts)
{
}

int JetAttempts::waitMs(int failures)
{
    const double r = QRandomGenerator::global()->generateDouble();
    const double wait = std::floor(r * 20 + 3) * std::pow(2.0, failures);
    return static_cast<int>(std::min(wait, 500.0));
}

void JetAttempts::log(int step, const QString& tail) const
{
    WriteLog("e)" + m_procedure + "[" + QString::number(step) + "]" + m_target + tail);
}

bool JetAttempts::retryAfter(const JetError& error, int step)
{
    ++m_failures;
    const QString what = "(" + QString::number(error.number) + ") " + error.description;
    if (m_askWhenLost && error.number == SqliteIoErr)
        return MsgBox("서버 연결을 재시도 하시겠습니까?", MsgStyle::YesNo) == MsgResult::Yes;
    if (isFinal(error.number)) {
        log(step, ": " + what);
        return false;
    }
    const QString tries = QString::number(m_failures - 1);
    if (m_failures >= m_maxAttempts) {
        log(step, ":" + tries + " Tries DONE.");
        return false;
    }
    const int wait = waitMs(m_failures);
    log(step, ":" + tries + "/" + QString::number(wait) + " Tries/Waits" + "\r\n" + what);
    Delay(wait);
    return true;
}
