#pragma once

#include "platform/picture_list.h"

#include <QPixmap>
#include <QString>
#include <QStringList>

// Skin pictures of the windows' one-time set-up. A file that exists but cannot be read as a
// picture raises SkinError, which the caller's error handler logs.
struct SkinError {
    int number;
    QString description;
};

QPixmap LoadSkinPicture(const QString& path);

// Adds to the list, after emptying it, every file of the names that exists in the folder, in
// order: a missing file moves the later ones up.
void FillSkinList(PictureList& list, const QString& folder, const QStringList& names);

// prefix + "01" ... prefix + last (two digits) + suffix.
QStringList NumberedSkinNames(const QString& prefix, int last, const QString& suffix = QStringLiteral(".gif"));
