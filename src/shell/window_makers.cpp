#include "shell/window_makers.h"

#include "board/board_window.h"
#include "booking/entry_window.h"
#include "callerid/call_history_window.h"
#include "callerid/settings_window.h"
#include "config/reservation_settings_window.h"
#include "config/staff_window.h"
#include "config/table_order_window.h"
#include "config/tables_window.h"
#include "messaging/canned_phrases_window.h"
#include "messaging/instant_sms_window.h"
#include "messaging/message_history_window.h"
#include "platform/window_registry.h"
#include "requests/request_confirm_window.h"
#include "requests/table_requests_window.h"
#include "stats/statistics_window.h"

namespace {

template <class W>
void registerMaker()
{
    RegisterFormFactory(W::FormName(), [] { return new W(); });
}

} // namespace

void RegisterWindowMakers()
{
    registerMaker<frmB예약관리>();
    registerMaker<frmB예약_등록B>();
    registerMaker<frmz즉시문자>();
    registerMaker<frmz문자내역>();
    registerMaker<frmzComment>();
    registerMaker<frmB좌석설정>();
    registerMaker<frmB좌석설정_순서변경>();
    registerMaker<frmB설정>();
    registerMaker<frmB직원등록>();
    registerMaker<frmz통계B>();
    registerMaker<frmz승인_고객요청>();
    registerMaker<frmz승인_고객요청_승인>();
    registerMaker<frmzCID_설정>();
    registerMaker<frmB전화수신이력B>();
}
