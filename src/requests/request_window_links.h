#pragma once

#include <QString>

// What the table-request window and its confirmation window set on each other. Each reaches the
// other by name and finds these members through a cast.

// The table-request window's member that the confirmation window sets after a completion.
struct RequestListLink {
    virtual ~RequestListLink() = default;
    bool m_Confirmed = false;
};

// The confirmation window's inputs, set by the tile click before the modal show.
struct RequestConfirmLink {
    virtual ~RequestConfirmLink() = default;
    QString m_NumT;     // memonum: the request to complete
    QString m_이름;     // memophonet
    QString m_시간;     // the request's time
    QString m_테이블;   // the table label
    QString m_메모;     // the request text
};
