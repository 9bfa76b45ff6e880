#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The call log: table cid of "VmrCID.mdb" in the program folder, one row per incoming call.
// Each call opens its own database handle, so a call handled inside another's wait is safe.

QString CallLogPath();

// Adds the row of one call: time_modified (now, "yyyy-MM-dd HH:mm:ss"), rDate (the day the
// handling started), rTime (now, "HH:mm:ss"), ch, Tel, S_ID 0, SeqNO, cid_kind. Each text is cut to
// the size its field declares (side table vmr_fields: Tel 20, SeqNO 30). The new row's cid_id, or nothing when the file or the row cannot be written (a missing
// file is reported to the user by the database opening).
std::optional<qint64> AddCallRow(const QDate& day, qint32 ch, const QString& tel, const QString& seqNo, qint32 kind);

// Sets the status word of the call with that identifier (cut as the row's was) while it has none;
// of several rows with the identifier the newest counts. NotOpened when the file or the query
// cannot be opened, Failed (with the engine's error) when the change cannot be written, else Done
// (whether or not a row changed; changedRow names the row that changed, 0 for none).
struct CallStatusResult {
    enum Outcome { Done, NotOpened, Failed } outcome = Done;
    int number = 0;
    QString description;
    qint64 changedRow = 0;
};
CallStatusResult SetCallStatus(const QString& seqNo, const QString& word);
