#pragma once

#include <QString>

class GridModel;
class PictureList;

// Column kinds and colour schemes of the grids, as every window lays out its lists.

// The main window's picture list imgGlobal, whose places 1 to 4 are the pictures of check-box
// cells. The main window binds it when it loads (nullptr unbinds); until then check cells show
// the grid's own check box.
void BindImgGlobal(const PictureList* imgGlobal);
// The list bound now (nullptr when none is).
const PictureList* BoundImgGlobal();

// Gives every row of a column one cell kind and keeps the grid's current row (Col stays on the
// column). Kinds 0-2 text entry, 3-5 static text with word wrap, 6-8 whole numbers without
// separator, each three aligned left, centred and right; 14 a centred check box with the
// pictures of imgGlobal. Other kinds change nothing. The list text serves no kind here.
void SpreadSetCellType(GridModel* grid, int column, int kind, const QString& listText);

// The two colour schemes: alternating white and pale rows, white beyond the cells, grey header
// text; selected cells pale cream (7) or light blue with black text (7A). Repainting is off
// while they work and as it was afterwards.
void 스프레드_색상초기화7(GridModel* grid);
void 스프레드_색상초기화7A(GridModel* grid);

// The owner-drawn header row of the lists: hands the header cells of columns 0 to lastCol to the
// grid's DrawItem event, which paints them with DrawHeaderCell (platform/header_cell.h).
void SetHeaderRowOwnerDrawn(GridModel& grid, int lastCol);
