#include "core/grid_helpers.h"

#include "core/log.h"
#include "platform/grid_model.h"
#include "platform/picture_list.h"

namespace {

const PictureList* gImgGlobal = nullptr;

void SetKind(GridModel& grid, int kind)
{
    if (kind == 14) {
        grid.SetCellType(GridCellType::CheckBox);
        grid.SetTypeCheckType(0);
        grid.SetTypeCheckCenter(true);
        for (int state = 0; state <= 3; ++state)
            grid.SetTypeCheckPicture(state, gImgGlobal ? gImgGlobal->Item(state + 1) : QPixmap());
        return;
    }
    if (kind < 0 || kind > 8)
        return;
    static const int kTypes[] = {GridCellType::Edit, GridCellType::StaticText, GridCellType::Number};
    static const int kAligns[] = {GridAlign::Left, GridAlign::Center, GridAlign::Right};
    grid.SetCellType(kTypes[kind / 3]);
    if (kind / 3 == 1)
        grid.SetTypeTextWordWrap(true);
    if (kind / 3 == 2) {
        grid.SetTypeNumberShowSep(false);
        grid.SetTypeNumberDecPlaces(0);
    }
    grid.SetTypeVAlign(GridAlign::Center);
    grid.SetTypeHAlign(kAligns[kind % 3]);
}

// The settings of a scheme, from the top; only the selection colours differ between the two.
void ApplyScheme(GridModel* grid, const QString& procedure, OleColor selBack, OleColor selFore)
{
    if (!grid) {
        WriteLog("e)Spread->" + procedure + "(SPR:=)[1](91)Object variable or With block variable not set", "1");
        return;
    }
    const bool reDraw = grid->ReDraw();
    if (reDraw)
        grid->SetReDraw(false);
    grid->SetOddEvenRowColor(VbRGB(255, 255, 255), VbRGB(0, 0, 0), VbRGB(251, 253, 255), VbRGB(0, 0, 0));
    grid->SetGrayAreaBackColor(VbRGB(255, 255, 255));
    grid->SetGrayAreaForeColor(VbRGB(255, 255, 255));
    grid->SetLockBackColor(kNoColor);
    grid->SetLockForeColor(kNoColor);
    grid->SetSelBackColor(selBack);
    grid->SetSelForeColor(selFore);
    grid->SetShadowColor(VbRGB(251, 253, 255));
    grid->SetShadowText(VbRGB(112, 112, 112));
    grid->SetShadowDark(kNoColor);
    grid->SetReDraw(reDraw);
}

} // namespace

void BindImgGlobal(const PictureList* imgGlobal)
{
    gImgGlobal = imgGlobal;
}

const PictureList* BoundImgGlobal()
{
    return gImgGlobal;
}

void SpreadSetCellType(GridModel* grid, int column, int kind, const QString&)
{
    if (!grid)
        return;
    const int row = grid->Row();
    grid->SetRow(-1);
    grid->SetCol(column);
    SetKind(*grid, kind);
    grid->SetRow(row);
}

void 스프레드_색상초기화7(GridModel* grid)
{
    ApplyScheme(grid, "스프레드_색상초기화7", VbRGB(251, 255, 236), kNoColor);
}

void 스프레드_색상초기화7A(GridModel* grid)
{
    ApplyScheme(grid, "스프레드_색상초기화7A", VbRGB(183, 218, 242), VbRGB(0, 0, 0));
}

void SetHeaderRowOwnerDrawn(GridModel& grid, int lastCol)
{
    const int col = grid.Col();
    const int row = grid.Row();
    grid.SetRow(0);
    for (int c = 0; c <= lastCol; ++c) {
        grid.SetCol(c);
        grid.SetCellType(GridCellType::OwnerDrawn);
    }
    grid.SetCol(col);
    grid.SetRow(row);
}
