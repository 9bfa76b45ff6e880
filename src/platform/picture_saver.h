#pragma once

#include <QPixmap>
#include <QString>

// Writes pictures to files as JPEG (format 1, with a quality of 1 to 100) or PNG (format 2); the
// format decides the encoding, not the file name. Format 0 (GIF) has no encoder here: it fails as
// an encoder failure (0x80044858, status 6, "not implemented") after the file was emptied.
// Every failure is raised as a RaisedError:
//   5                 missing picture, format outside 0..2 or quality outside 1..100 (no file made)
//   0x80044800 picSave "GDI+ failed to start"          (no application to draw with)
//   0x80044848 picSave "GdipCreateBitmapFromHBITMAP error " + status
//   0x80044850 picSave "SHCreateStreamOnFile error " + result code (signed decimal)
//   0x80044858 picSave "GdipSaveImageToStream error " + status   (the file is left empty)
class picSave
{
public:
    picSave();
    void SavePicture(const QPixmap& picture, const QString& file, int format, int quality);

private:
    bool m_started = false;
};
