#pragma once

#include "platform/click_sequence.h"
#include "platform/picture_list.h"

#include <QLabel>

// A clickable picture (image control or picture box) with a tag. It shows pictures by place from a
// picture list; a place the list does not hold leaves the picture as it was.
class PictureLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PictureLabel(QWidget* parent = nullptr, int index = 0);

    int index() const { return m_index; }
    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    // True when the place held a picture and it is shown now.
    bool showPicture(const PictureList& list, int place);

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_index = 0;
    QString m_tag;
    ClickSequence m_clicks;
};
