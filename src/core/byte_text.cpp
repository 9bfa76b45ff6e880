#include "core/byte_text.h"

#include "platform/ini_util.h"

int ByteLen(const QString& text)
{
    return IniUtil::ByteLength(text);
}

QString ByteLeft(const QString& text, int bytes)
{
    return IniUtil::LeftByBytes(text, bytes);
}
