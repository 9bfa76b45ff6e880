#include "shell/main_skin.h"

#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/skin_pictures.h"

namespace {

const int kIndexOutOfBounds = 35600;

void FillPlaces(PictureList& list, const QString& folder, int firstPlace, const QStringList& names)
{
    list.Clear();
    for (int i = 0; i < names.size(); ++i) {
        const QString path = folder + "/" + names[i];
        if (FileExists(path))
            list.Set(firstPlace + i, LoadSkinPicture(path));
    }
}

QPixmap Place(const PictureList& list, int place)
{
    if (!list.Has(place))
        throw SkinError{kIndexOutOfBounds, "Index out of bounds"};
    return list.Item(place);
}

} // namespace

bool ReadMainWindowSkin(MainPictureLists& lists, const MainSkinControls& controls, const QString& skinPath)
{
    int step = 1;
    try {
        FillSkinList(lists.ImgBtn, skinPath, NumberedSkinNames("btnC", 2));
        step = 2;
        FillSkinList(lists.ImgTbl, skinPath, NumberedSkinNames("QA00", 12));
        step = 3;
        FillSkinList(lists.ImgIcon, skinPath, NumberedSkinNames("05", 9));
        FillSkinList(lists.imgGlobal, skinPath, {"check_0.gif", "check_1.gif", "check_2.gif", "check_3.gif"});
        FillPlaces(lists.ImgBtn3, skinPath, 13, {"alarm.gif", "refresh_on.gif", "refresh_off.gif"});
        step = 4;
        controls.BG0->setPixmap(Place(lists.ImgIcon, 1));
        controls.CMD0->setPicture(Place(lists.ImgIcon, 4));
        controls.CMD1->setPicture(Place(lists.ImgIcon, 8));
        step = 5;
        controls.CMD0->hide();
        controls.CMD1->hide();
    } catch (const SkinError& e) {
        LogError("frmMainMDI", "Func_ReadSkin", step, e.number, e.description);
        return false;
    }
    return true;
}
