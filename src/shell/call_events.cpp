#include "shell/main_window.h"

#include "callerid/call_event_data.h"
#include "callerid/caller_id_values.h"
#include "callerid/service_controls.h"
#include "callerid/service_log_names.h"
#include "core/log.h"

#include <QPointer>

// The call events of the program's caller-ID controls come to this window while it is loaded.
void frmMainMDI::hookCallEvents()
{
    QPointer<frmMainMDI> self(this);
    KtCidControl& kt = KTOpenAPIX();
    kt.CIDEvent = [self](const QString& number, const QString& second, const QString& code, const QString& id,
                         const QString& fifth) {
        if (self)
            self->KTOpenAPIX_CIDEvent(number, second, code, id, fifth);
    };
    kt.CTCEvent = [self](const QString& a, const QString& b, const QString& c, const QString& d) {
        if (self)
            self->KTOpenAPIX_CTCEvent(a, b, c, d);
    };
    for (int index = 0; index < int(gCIDlgStatus.size()); ++index) {
        LgCidLine& line = LGUBaseOpenApiX(index);
        const auto forward = [self, index](void (frmMainMDI::*handler)(int, const QString&)) {
            return [self, index, handler](const QString& data) {
                if (self)
                    (self.data()->*handler)(index, data);
            };
        };
        line.SendRingEvent = forward(&frmMainMDI::LGUBaseOpenApiX_SendRingEvent);
        line.SendChannelListEvent = forward(&frmMainMDI::LGUBaseOpenApiX_SendChannelListEvent);
        line.SendChannelOutEvent = forward(&frmMainMDI::LGUBaseOpenApiX_SendChannelOutEvent);
    }
}

// "201" is a new call; "200", "404" and "407" set the status of a call handled as new before, and
// are a new call themselves when the identifier was never seen. Other codes are only logged.
void frmMainMDI::KTOpenAPIX_CIDEvent(const QString& number, const QString& second, const QString& code,
                                     const QString& id, const QString& fifth)
{
    WriteLog(KtLogName() + "CID 이벤트 :: " + QStringList{number, second, code, id, fifth}.join(QStringLiteral(", ")));
    const QString word = KtStatusWord(code);
    if (code != QLatin1String("201") && word.isEmpty())
        return;
    if (!word.isEmpty()) {
        if (id.isEmpty())
            return;
        if (gCIDktRecentIDs.contains(id)) {
            OpenAPI_UpdateResult(id, word);
            return;
        }
    }
    gCIDktRecentIDs.append(id);
    CID처리2(1, 1, number, id);
}

void frmMainMDI::KTOpenAPIX_CTCEvent(const QString& a, const QString& b, const QString& c, const QString& d)
{
    WriteLog(KtLogName() + "CTC 이벤트 :: " + QStringList{a, b, c, d}.join(QStringLiteral(", ")));
}

void frmMainMDI::LGUBaseOpenApiX_SendRingEvent(int index, const QString& data)
{
    WriteLog(LgLogName(index) + "[SendRingEvent] " + data);
    const LgRing ring = ReadLgRing(data);
    if (!ring.number.isEmpty() && !ring.id.isEmpty())
        CID처리2(2, 1, ring.number, ring.id);
}

void frmMainMDI::LGUBaseOpenApiX_SendChannelListEvent(int index, const QString& data)
{
    WriteLog(LgLogName(index) + "[SendChannelListEvent] " + data);
    const QString id = ReadLgIdentifier(data, QStringLiteral("UNIQUEID1:"));
    if (!id.isEmpty())
        OpenAPI_UpdateResult(id, QStringLiteral("수신"));
}

void frmMainMDI::LGUBaseOpenApiX_SendChannelOutEvent(int index, const QString& data)
{
    WriteLog(LgLogName(index) + "[SendChannelOutEvent] " + data);
    const QString id = ReadLgIdentifier(data, QStringLiteral("UNIQUEID:"));
    if (!id.isEmpty())
        OpenAPI_UpdateResult(id, QStringLiteral("부재중"));
}
