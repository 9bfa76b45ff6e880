#include "core/log.h"

#include "core/error_line.h"
#include "core/sorting.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

QString stamp(const QDateTime& at)
{
    return "[" + at.toString("HH:mm:ss.zzz") + "]";
}

QString pathFor(const QDateTime& at, const QString& suffix)
{
    return AppFile(at.toString("yyMMdd") + suffix + ".log");
}

QString crlf(QString text)
{
    text.replace("\r\n", "\n");
    text.replace("\n", "\r\n");
    return text;
}

void reportWriteFailure(const QString& writer, const QString& description)
{
    MsgBox("e)" + writer + "[1](" + QString::number(75) + ")" + description + "\r\n"
               + "이 메시지는 시스템에 심각한 영향을 미칠 수 있는 상황을" + "\r\n" + "검출했을 때 출력됩니다.",
           MsgStyle::OkOnly + MsgStyle::Critical);
}

// Appends one entry; on failure shows the writer's box and returns false.
bool appendEntry(const QString& path, const QString& entry, const QString& writer)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        reportWriteFailure(writer, file.errorString());
        return false;
    }
    const QByteArray bytes = crlf(entry + "\r\n").toUtf8();
    const bool written = file.write(bytes) == bytes.size();
    if (!written)
        reportWriteFailure(writer, file.errorString());
    file.close();
    return written;
}

} // namespace

QString LogFilePath(const QString& suffix)
{
    return pathFor(CurrentClock().now(), suffix);
}

void MsgDebug2(const QString& message, const QString& suffix, bool)
{
    const QDateTime at = CurrentClock().now();
    appendEntry(pathFor(at, suffix), stamp(at) + message, "MsgDebug2");
}

void WriteLog(const QString& message, const QString& suffix, bool withMemory)
{
    try {
        MsgDebug2(message, suffix, withMemory);
    } catch (...) {
    }
}

bool MsgFileMS(const QString& message, const QString&)
{
    const QDateTime at = CurrentClock().now();
    return appendEntry(pathFor(at, QString()), stamp(at) + " " + message, "MsgFileMS");
}

QString LoggedAnswer(const QString& answer)
{
    constexpr qsizetype kMostLogged = 256 * 1024;
    if (answer.size() * 3 <= kMostLogged)   // no character takes more than 3 UTF-8 bytes
        return answer;
    const QByteArray bytes = answer.toUtf8();
    if (bytes.size() <= kMostLogged)
        return answer;
    qsizetype cut = kMostLogged;
    while (cut > 0 && (uchar(bytes.at(cut)) & 0xC0) == 0x80)   // not inside a character
        --cut;
    return QString::fromUtf8(bytes.left(cut)) + " … (" + QString::number(bytes.size()) + " bytes)";
}

bool 로그_파일_삭제(const QString& pattern)
{
    const QDir folder(AppPath());
    QStringList names = folder.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    if (names.size() <= 21)
        return true;
    QuickSort(names);
    const qsizetype surplus = names.size() - 21;
    for (qsizetype i = 0; i < surplus; ++i) {
        QFile file(folder.filePath(names.at(i)));
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
        if (!file.remove()) {
            LogError("lib_misc", "로그_파일_삭제", 3, 70, file.errorString());
            return false;
        }
    }
    return true;
}
