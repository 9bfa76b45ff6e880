#include "platform/picture_list.h"

void PictureList::Set(int place, const QPixmap& picture)
{
    if (place < 1)
        return;
    while (m_pictures.size() < place)
        m_pictures.append(QPixmap());
    m_pictures[place - 1] = picture;
}

bool PictureList::Has(int place) const
{
    return place >= 1 && place <= m_pictures.size() && !m_pictures[place - 1].isNull();
}

QPixmap PictureList::Item(int place) const
{
    return Has(place) ? m_pictures[place - 1] : QPixmap();
}
