#pragma once

#include <QList>
#include <QPixmap>

// A picture list whose places count from 1, as the windows number them. A place that holds no
// picture reads as a null picture; asking for it never fails.
class PictureList
{
public:
    void Clear() { m_pictures.clear(); }
    void Add(const QPixmap& picture) { m_pictures.append(picture); }
    // Puts a picture at a place, leaving empty places before it when the list is shorter.
    void Set(int place, const QPixmap& picture);
    int Count() const { return int(m_pictures.size()); }
    bool Has(int place) const;
    QPixmap Item(int place) const;

private:
    QList<QPixmap> m_pictures;
};
