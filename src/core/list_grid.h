#pragma once

class GridModel;

// The first set-up of a list grid: no rows, the number of columns, the operation mode and scroll
// bars, the heights of the data rows and the header row (pixels), and the font sizes of the cells,
// the row-header column and the header row.
struct ListGridLayout
{
    int cols = 1;
    int operationMode = 0;
    int scrollBars = 3;
    int rowHeight = 30;
    int headerHeight = 25;
    double cellFont = 10;
    double headerFont = 10;
};

void LayOutListGrid(GridModel& grid, const ListGridLayout& layout);
