#include "server/table_loader.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "server/server_globals.h"

bool Read_좌석()
{
    gSeat.clear();
    gSeatCount = 0;
    const QString answer = BackendRequest("Read_좌석() ... ", "/program/qrtableloading.php").send();
    // Built apart and put in place at once: another load may have run during the wait.
    QList<SeatRecord> seats;
    for (const AnswerRecord& table : AnswerRecords::FirstField(answer, "nums[")) {
        if (table.field("tableYN[", "]tableYN") != QLatin1String("Y"))
            continue;
        seats.append({table.field("nums[", "]nums"), table.field("tablenum[", "]tablenum"),
                      table.field("tableinfo[", "]tableinfo")});
    }
    gSeat = seats;
    gSeatCount = static_cast<int>(seats.size());
    return true;
}
