#include "customer/list_columns.h"

#include "core/grid_helpers.h"
#include "platform/grid_model.h"

namespace {

constexpr int kCentred = 4;
constexpr int kLeft = 3;

} // namespace

void LayOutListColumns(GridModel& grid, const QList<ListColumn>& columns, int twipsX)
{
    for (int c = 0; c < columns.size(); ++c) {
        grid.SetCol(c);
        grid.SetRow(-1);
        grid.SetColHidden(!columns[c].shown);
    }
    for (int c = 0; c < columns.size(); ++c)
        grid.SetText(c, 0, columns[c].header);
    for (int c = 0; c < columns.size(); ++c)
        grid.SetColWidth(c, double(columns[c].width) * twipsX);
    for (int c = 1; c < columns.size(); ++c) {
        if (columns[c].kind >= 0)
            SpreadSetCellType(&grid, c, columns[c].kind, QString());
    }
}

const QList<ListColumn>& MemberHistoryColumns()
{
    static const QList<ListColumn> columns{
        {QString(), 35, true, -1},                  {QString(), 35, false, -1},
        {QStringLiteral("예약일시"), 80, true, kCentred}, {QStringLiteral("예약자"), 65, false, kCentred},
        {QStringLiteral("모임명"), 120, true, kCentred},  {QStringLiteral("좌석"), 65, true, kCentred},
        {QStringLiteral("인원"), 53, true, kCentred},    {QStringLiteral("접수"), 35, false, kCentred},
        {QStringLiteral("담당자"), 55, false, kCentred},  {QStringLiteral("요청사항"), 120, false, kCentred},
        {QStringLiteral("예약상품"), 65, false, kCentred}, {QStringLiteral("상태"), 35, false, kCentred},
        {QStringLiteral("예약일시2"), 100, false, kCentred}, {QStringLiteral("좌석2"), 30, false, kCentred},
    };
    return columns;
}

const QList<ListColumn>& MemberSearchColumns()
{
    static const QList<ListColumn> columns{
        {QStringLiteral("NO"), 35, true, -1},         {QStringLiteral("AN"), 35, false, kCentred},
        {QStringLiteral("휴대폰"), 200, true, kCentred}, {QStringLiteral("이름"), 120, true, kCentred},
        {QStringLiteral("생일"), 80, false, kCentred},  {QStringLiteral("성별"), 40, false, kCentred},
        {QStringLiteral("메모"), 107, false, kLeft},
    };
    return columns;
}
