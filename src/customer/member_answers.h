#pragma once

#include "platform/ole_color.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// Readers of the backend's member answers, shared by the entry window's member side and the
// board's member panel.

// One member of the member search ("/program/SearchMember1.php"): each record follows
// "<menubrrs>". A field missing from a record reads as empty text.
struct MemberListRecord {
    QString num;
    QString name;
    QString name2;
    QString phone;
    QString birthday;
    QString sex;
    QString memo;
};
QList<MemberListRecord> ReadMemberList(const QString& answer);

// The phone as the member list shows it: with hyphens, never masked; empty for a text that is no
// phone number.
QString MemberListPhone(const QString& phone);

// The member detail ("/program/SearchMember1Detail2.php"). A field missing from the answer keeps
// its cleared value: "N" for the switches, empty text for the rest.
struct MemberDetail {
    QString name;            // the trimmed name; the trimmed second name when the name is "임시"
    QString phoneDigits;     // the phone without "-"
    QString memo;            // "!줄바꿈!" turned into CR LF; the other escapes remain
    QString level;
    QString levelFrozen;
    QString levelNum;        // the number of the level whose name equals `level`
    QString deny = QStringLiteral("N");
    QString pointCheck = QStringLiteral("N");
    QString snsI = QStringLiteral("N");
    QString snsF = QStringLiteral("N");
    QString snsB = QStringLiteral("N");
    QString snsE = QStringLiteral("N");
    QString name2;           // as received
    QString lastZzimNames;
    QString addPhone1;
    QString addPhone2;
    QString addPhone3;
    QString careful = QStringLiteral("N");
};
// Nothing when the answer names nobody: its name is empty or missing.
std::optional<MemberDetail> ReadMemberDetail(const QString& answer);

// The member's cars ("/vbPHP/MemberCarLoad.php"), in the answer's order; nothing when the answer
// lacks "완료".
struct MemberCar {
    QString number;      // the car's record number ("numb"); may be empty
    QString carNumber;
};
std::optional<QList<MemberCar>> ReadMemberCars(const QString& answer);

// The member's reservation history ("/program/SearchZZimLoading.php").
struct MemberHistoryRow {
    // The texts of the history grid's columns 1 to 13 (index 0 unused).
    std::array<QString, 14> cells;
    // The row's look, for every column.
    OleColor foreColor = 0;
    bool italic = false;
    // The mapped state word ("대기", "확정", "거절", "취소", "노쇼", "완료" or the word received).
    QString state;
};
struct MemberHistory {
    // The counter labels' texts: "#,###" counts and "직전예약 - yy.MM.dd".
    QString totalCount;
    QString totalPersons;
    QString recent;
    QString noShows;
    QList<MemberHistoryRow> rows;
    int cancelled = 0;
};
MemberHistory ReadMemberHistory(const QString& answer);

// The pieces of a history row, also for other readers of the same lists.
QString HistoryStateWord(const QString& backendWord);
QString HistoryChannelWord(const QString& backendWord);
// The names at the even positions of a ";" list, blanks removed, joined by one blank.
QString HistoryTableNames(const QString& tableList);
// The party text of a party-size block: "3명"; "남: 2명" CR LF "여: 3명"; "대인: 2명" ...
QString HistoryPartyText(const QString& block);
