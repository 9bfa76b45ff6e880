#pragma once

#include "config/table_order_window.h"
#include "config/tables_window.h"
#include "support/program_dir.h"
#include "support/qt_printers.h"
#include "support/standin_fixture.h"

#include <QStringList>
#include <gtest/gtest.h>

// The tables window against the stand-in in a temporary program folder, the order window
// reachable by name; a shop without links unless a test sets gPosKind or gQRCheckYN.
class TablesTest : public ::testing::Test
{
protected:
    TablesTest();
    ~TablesTest() override;

    // Opens the tables window as the main window does; its first activation loads the list.
    frmB좌석설정& openTables();
    // The order window if it is loaded (nullptr otherwise).
    static frmB좌석설정_순서변경* orderWindow();

    // The shop's tables: (record number, name, active flag), the rest filled in.
    void setTables(const QList<std::tuple<QString, QString, QString>>& tables);

    // The labels of the request lines in the request log, in order ("Load_설정(1)", "Read_좌석()").
    static QStringList requestLabels(const QString& suffix = QStringLiteral("_WinHttp"));
    // The body of the only request to the path ("<none>" or "<several>" otherwise).
    QString onlyBody(const QString& path);

    TempProgramDir program;
    StandinFixture backend;
};

// A click in the middle of a cell of the grid (row 0 for the header row, column 0 for the row
// headers).
void ClickCell(SpreadGrid& grid, int col, int row);
// A double click as the platform delivers it: a click, then the second press as a double click.
void DoubleClick(QWidget* widget);
// The data rows of a grid column, top to bottom.
QStringList ColumnTexts(const GridModel& grid, int col);
