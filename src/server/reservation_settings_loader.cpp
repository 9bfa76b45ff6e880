#include "server/reservation_settings_loader.h"

#include "core/backend_request.h"
#include "core/converters.h"
#include "server/answer_fields.h"
#include "server/server_globals.h"

#include <limits>

namespace {

void readScheduleHour(const QString& answer, const QString& name, int& hour)
{
    if (const auto value = BracketField(answer, name))
        hour = ToLong(*value);
}

// Hours × 60 + minutes; the value stays unchanged when the sum leaves the 32-bit range.
void readRequireTime(const QString& answer)
{
    const qint64 minutes = qint64(ToLong(BracketText(answer, "ZZimRequireTimeA"))) * 60
                           + ToLong(BracketText(answer, "ZZimRequireTimeB"));
    if (minutes >= std::numeric_limits<int>::min() && minutes <= std::numeric_limits<int>::max())
        gRequireTime = static_cast<int>(minutes);
}

} // namespace

bool Read_설정()
{
    const QString answer = BackendRequest("Read_설정() ... ", "/program/zzimloading.php").send();
    if (const auto scheme = BracketField(answer, "persontype"))
        gPersonType = *scheme;
    if (gPersonType.isEmpty())
        gPersonType = "0";
    readScheduleHour(answer, "ZZimScheduleScaleA1", gSchHour[0]);
    readScheduleHour(answer, "ZZimScheduleScaleB1", gSchHour[1]);
    readRequireTime(answer);
    if (gSchHour[0] == 0 && gSchHour[1] == 0)
        gSchHour = {9, 22};
    if (gRequireTime == 0)
        gRequireTime = 60;
    return true;
}
