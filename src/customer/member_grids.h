#pragma once

#include <QPainter>

class GridModel;

// The two member lists: the members found by a search and a member's reservation history. The
// entry window and the board lay their grids out the same way; the header row is owner-drawn
// (DrawMemberGridHeader from the grid's DrawItem).

// Columns: 0 "NO", 1 "AN" (member number, hidden), 2 "휴대폰", 3 "이름", 4 "생일", 5 "성별",
// 6 "메모" (4 to 6 hidden).
void LayoutMemberListGrid(GridModel& grid);

// Columns 1 to 13: number (hidden), "예약일시", "예약자", "모임명", "좌석", "인원", "접수",
// "담당자", "요청사항", "예약상품", "상태", "예약일시2", "좌석2"; shown are 2, 4, 5 and 6.
void LayoutHistoryGrid(GridModel& grid);

struct MemberListRecord;
struct MemberHistory;

// The rows of a member search, one per member in the answer's order: number, phone with hyphens,
// name, birthday, sex, memo.
void FillMemberListGrid(GridModel& grid, const QList<MemberListRecord>& members);

// The rows of a member's history with their looks and heights (drawing left as it is).
void FillHistoryGrid(GridModel& grid, const MemberHistory& history);

// Paints a header cell (row 0): light blue, its text black on one line, centred and clipped.
// Other rows are left alone. The rectangle comes in twips.
void DrawMemberGridHeader(const GridModel& grid, int col, int row, QPainter& dc, int x, int y, int x2, int y2);
