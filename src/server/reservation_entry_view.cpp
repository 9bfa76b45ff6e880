#include "server/reservation_entry_view.h"

#include "platform/window_registry.h"

const ReservationEntryView* OpenReservationEntry()
{
    return dynamic_cast<const ReservationEntryView*>(FindForm(kReservationEntryForm));
}
