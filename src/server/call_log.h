#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The call log: table cid of "VmrCID.mdb" in the program folder, one row per incoming call.
// Each call opens its own database handle, so a call handled inside another's wait is safe.

QString CallLogPath();

// Adds the row of one call: time_modified (now, "yyyy-MM-dd HH:mm:ss"), rDate (the day the
// handling started), rTime (now, "HH:mm:ss"), ch, Tel, S_ID 0, SeqNO (whole, whatever its length),
// cid_kind. The new row's cid_id, or nothing when the file or the row cannot be written (a missing
// file is reported to the user by the database opening).
std::optional<qint64> AddCallRow(const QDate& day, qint32 ch, const QString& tel, const QString& seqNo, qint32 kind);

// Sets the status word of the call with that identifier while it has none; of several rows with
// the identifier the newest counts. NotOpened when the file or the query cannot be opened, Failed
// (with the engine's error) when the change cannot be written, else Done (whether or not a row
// changed).
struct CallStatusResult {
    enum Outcome { Done, NotOpened, Failed } outcome = Done;
    int number = 0;
    QString description;
};
CallStatusResult SetCallStatus(const QString& seqNo, const QString& word);
