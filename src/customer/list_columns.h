#pragma once

#include <QList>
#include <QString>

class GridModel;

// The columns of a list grid, from column 0 (the row-header column) to the last: header text,
// width in pixels, shown or hidden, and the cell kind of SpreadSetCellType (-1: none set).
struct ListColumn {
    QString header;
    int width;
    bool shown;
    int kind;
};

// Hides the hidden columns, writes the header texts into row 0, sets the widths (pixels × twipsX)
// and the cell kinds. The grid has its columns already.
void LayOutListColumns(GridModel& grid, const QList<ListColumn>& columns, int twipsX);

// A member's reservation history (13 columns) and the member search results (6 columns), as the
// board's member panel and the reservation entry window list them.
const QList<ListColumn>& MemberHistoryColumns();
const QList<ListColumn>& MemberSearchColumns();
