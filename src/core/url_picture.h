#pragma once

#include <QLabel>
#include <QString>

// Fetches the address with a GET that goes out once (core/send_once.h), waited for in a nested
// event loop at most timeoutMs; writes the answer's bytes, whatever its status, as the whole file,
// and shows the file stretched in the image control. False after any failure, which is logged to the main log as
// "e)lib_misc->LoadURLPicture2[Erl:=step, Eno:=number]" with its description; when no answer
// arrived the file is left as it was.
bool LoadURLPicture2(const QString& url, const QString& file, QLabel& image, int timeoutMs = 30000);
