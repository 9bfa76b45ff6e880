#include "core/skin_pictures.h"

#include "core/file_exists.h"
#include "platform/pictures.h"

namespace {

const int kInvalidPicture = 481;

} // namespace

QPixmap LoadSkinPicture(const QString& path)
{
    const QImage image = ReadPicture(path);
    if (image.isNull())
        throw SkinError{kInvalidPicture, "Invalid picture"};
    return QPixmap::fromImage(image);
}

void FillSkinList(PictureList& list, const QString& folder, const QStringList& names)
{
    list.Clear();
    for (const QString& name : names) {
        const QString path = folder + "/" + name;
        if (FileExists(path))
            list.Add(LoadSkinPicture(path));
    }
}

QStringList NumberedSkinNames(const QString& prefix, int last, const QString& suffix)
{
    QStringList names;
    for (int i = 1; i <= last; ++i)
        names.append(prefix + QString("%1").arg(i, 2, 10, QChar('0')) + suffix);
    return names;
}
