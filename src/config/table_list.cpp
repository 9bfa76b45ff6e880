#include "config/table_list.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "platform/grid_model.h"
#include "platform/wait_picture.h"

#include <QPointer>

QList<TableRecord> RequestTableList()
{
    return ReadTableList(BackendRequest(QStringLiteral("Load_설정(1) ... "), QStringLiteral("/program/qrtableloading.php")).send());
}

std::optional<QList<TableRecord>> RequestTableListFor(QWidget& window, GridModel& grid, WaitPicture& wait)
{
    QPointer<QWidget> alive(&window);
    grid.SetReDraw(false);
    grid.SetMaxRows(0);
    wait.showBeforeRequest();
    if (!alive)
        return std::nullopt;
    const QList<TableRecord> tables = RequestTableList();
    if (!alive)
        return std::nullopt;
    wait.hide();
    return tables;
}

QList<TableRecord> ReadTableList(const QString& answer)
{
    QList<TableRecord> tables;
    for (const AnswerRecord& record : AnswerRecords::FirstField(answer, QStringLiteral("nums["))) {
        tables.append({record.field("nums[", "]nums"), record.field("tableqr[", "]tableqr"),
                       record.field("tableqroup[", "]tableqroup"), record.field("tablenum[", "]tablenum"),
                       record.field("tableinfo[", "]tableinfo"), record.field("tableregdate[", "]tableregdate"),
                       record.field("tableYN[", "]tableYN")});
    }
    return tables;
}
