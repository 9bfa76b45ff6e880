#include "core/list_grid.h"

#include "core/screen_values.h"
#include "platform/grid_model.h"

void LayOutListGrid(GridModel& grid, const ListGridLayout& layout)
{
    grid.SetMaxRows(0);
    grid.SetMaxCols(layout.cols);
    grid.SetOperationMode(layout.operationMode);
    grid.SetScrollBars(layout.scrollBars);
    grid.SetRowHeight(-1, layout.rowHeight * gTwipsY);
    grid.SetRowHeight(0, layout.headerHeight * gTwipsY);
    grid.SetRow(-1);
    grid.SetCol(-1);
    grid.SetFontSize(layout.cellFont);
    grid.SetCol(0);
    grid.SetFontSize(layout.headerFont);
    grid.SetRow(0);
    grid.SetCol(-1);
    grid.SetFontSize(layout.headerFont);
}
