#include "callerid/service_controls.h"

#include "callerid/connection_events.h"
#include "core/install_values.h"
#include "platform/outside_events.h"

#include <QCoreApplication>

#include <array>
#include <memory>

namespace {

std::unique_ptr<KtCidControl> gKt;
std::array<std::unique_ptr<LgCidLine>, 4> gLg;

// At the first control: the controls' connections end with the application, not after it, and
// the events dropped because too many waited are logged.
void prepareFirstControl()
{
    static bool prepared = false;
    if (prepared)
        return;
    qAddPostRoutine(ResetCallerIdControls);
    OnOutsideEventsDropped(OutsideEventsDropped);
    prepared = true;
}

} // namespace

KtCidControl& KTOpenAPIX()
{
    if (!gKt) {
        prepareFirstControl();
        gKt = std::make_unique<KtCidControl>(CidKtHost());
        gKt->ConnectEvent = KTOpenAPIX_ConnectEvent;
        gKt->LoginEvent = KTOpenAPIX_LoginEvent;
        gKt->ConnectionLostEvent = KTOpenAPIX_ConnectionLost;
        gKt->LineDroppedEvent = KTOpenAPIX_LineDropped;
    }
    return *gKt;
}

LgCidLine& LGUBaseOpenApiX(int index)
{
    std::unique_ptr<LgCidLine>& line = gLg.at(index);
    if (!line) {
        prepareFirstControl();
        line = std::make_unique<LgCidLine>(CidLgHost());
        line->StatusEvent = [index](const QString& data) { LGUBaseOpenApiX_StatusEvent(index, data); };
        line->SendNetworkErrorEvent = [index] { LGUBaseOpenApiX_SendNetworkErrorEvent(index); };
        line->ConnectResultEvent = [index](const QString& first, const QString& second) {
            LGUBaseOpenApiX_ConnectResultEvent(index, first, second);
        };
        line->SendCommandResultEvent = [index](const QString& data) {
            LGUBaseOpenApiX_SendCommandResultEvent(index, data);
        };
        line->ConnectionLostEvent = [index] { LGUBaseOpenApiX_ConnectionLost(index); };
        line->LineDroppedEvent = [index] { LGUBaseOpenApiX_LineDropped(index); };
    }
    return *line;
}

void ResetCallerIdControls()
{
    gKt.reset();
    for (std::unique_ptr<LgCidLine>& line : gLg)
        line.reset();
}
