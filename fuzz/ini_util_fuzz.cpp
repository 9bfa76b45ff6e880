// The settings component over any file: what it writes it reads back.
#include "fuzz_input.h"

#include "platform/ini_util.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = QDir::tempPath() + "/vmr_ini_fuzz_" + QString::number(getpid()) + ".ini";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(FuzzBytes(data, size));
    file.close();

    IniUtil ini;
    ini.setFileName(path);
    ini.ReadValue(QStringLiteral("SET"), QStringLiteral("W"), 0);
    ini.ReadValue(QStringLiteral("즉시문자"), QStringLiteral("문자1"), QString());
    ini.WriteValue(QStringLiteral("SET"), QStringLiteral("H"), 768);
    if (ini.ReadValue(QStringLiteral("set"), QStringLiteral("h"), 0).toString() != QStringLiteral("768"))
        std::abort();
    QFile::remove(path);
    return 0;
}
