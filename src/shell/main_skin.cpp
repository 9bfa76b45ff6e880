#include "shell/main_skin.h"

#include "core/error_line.h"
#include "core/file_exists.h"
#include "platform/pictures.h"

namespace {

const int kInvalidPicture = 481;
const int kIndexOutOfBounds = 35600;

struct SkinError {
    int number;
    QString description;
};

QPixmap LoadSkinPicture(const QString& path)
{
    const QImage image = ReadPicture(path);
    if (image.isNull())
        throw SkinError{kInvalidPicture, "Invalid picture"};
    return QPixmap::fromImage(image);
}

// Adds to the list, in order, every file of the names that exists in the folder.
void Fill(PictureList& list, const QString& folder, const QStringList& names)
{
    list.Clear();
    for (const QString& name : names) {
        const QString path = folder + "/" + name;
        if (FileExists(path))
            list.Add(LoadSkinPicture(path));
    }
}

QStringList Numbered(const QString& prefix, int last, const QString& suffix = ".gif")
{
    QStringList names;
    for (int i = 1; i <= last; ++i)
        names.append(prefix + QString("%1").arg(i, 2, 10, QChar('0')) + suffix);
    return names;
}

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
        Fill(lists.ImgBtn, skinPath, Numbered("btnC", 2));
        step = 2;
        Fill(lists.ImgTbl, skinPath, Numbered("QA00", 12));
        step = 3;
        Fill(lists.ImgIcon, skinPath, Numbered("05", 9));
        Fill(lists.imgGlobal, skinPath, {"check_0.gif", "check_1.gif", "check_2.gif", "check_3.gif"});
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
