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
    for (const AnswerRecord& staff : AnswerRecords::Parallel(answer, "num[")) {
        gStaff.append(VmrDecodeAA(staff.field("managername[", "]managername")));
        ++gStaffCount;
    }
    return true;
}
