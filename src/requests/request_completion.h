#pragma once

#include "platform/wait_picture.h"

#include <QString>

// Marks a table request done on the backend ("numt" = its number, sent as it is), with the wait
// picture shown meanwhile; the request and its answer go to the "_WinHttp_Req" log. True when the
// answer contains "성공". The wait picture's window may be gone on return.
bool CompleteTableRequest(WaitPicture& wait, const QString& number);

// The message of a failed completion.
inline const QString kCompletionFailed = QStringLiteral("완료 처리 실패했습니다!");
