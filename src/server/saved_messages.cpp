#include "server/saved_messages.h"

#include "core/settings.h"
#include "core/text_escapes.h"

namespace {

const QString kSection = QStringLiteral("즉시문자");

bool isSavedNumber(int number)
{
    return number >= 1 && number <= 4;
}

QString keyOf(int number)
{
    return QStringLiteral("문자") + QString::number(number);
}

} // namespace

QString ReadSavedMessage(int number)
{
    if (!isSavedNumber(number))
        return QString();
    return VmrDecodeAA(gIniFrshop.ReadValue(kSection, keyOf(number), QString()).toString());
}

SavedMessages ReadSavedMessages()
{
    SavedMessages texts;
    for (int number = 1; number <= 4; ++number)
        texts[number - 1] = ReadSavedMessage(number);
    return texts;
}

bool WriteSavedMessage(int number, const QString& text)
{
    return isSavedNumber(number) && gIniFrshop.WriteValue(kSection, keyOf(number), VmrEncodeAA(text));
}

void WriteSavedMessages(const SavedMessages& texts)
{
    for (int number = 1; number <= 4; ++number)
        WriteSavedMessage(number, texts[number - 1]);
}
