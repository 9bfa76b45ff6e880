#include "server/staff_loader.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/text_escapes.h"
#include "server/server_globals.h"

bool Read_직원()
{
    gStaff.clear();
    gStaffCount = 0;
    const QString answer = BackendRequest("Read_직원() ... ", "/program/shopmanagerloading.php").send();
    // Built apart and put in place at once: another load may have run during the wait.
    QStringList staff;
    for (const AnswerRecord& record : AnswerRecords::Parallel(answer, "num["))
        staff.append(VmrDecodeAA(record.field("managername[", "]managername")));
    gStaff = staff;
    gStaffCount = static_cast<int>(staff.size());
    return true;
}
