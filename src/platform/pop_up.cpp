#include "platform/pop_up.h"

#include "platform/picture_label.h"
#include "platform/window_registry.h"

void CenterOnMainWindow(QWidget& window, int down)
{
    const QWidget* main = FindForm(QStringLiteral("frmMainMDI"));
    if (!main)
        return;
    const QRect frame = main->geometry();
    window.move(frame.left() + (frame.width() - window.width()) / 2,
                frame.top() + (frame.height() - window.height()) / 2 + down);
}

QLabel* NewTitleLabel(QWidget* window, const QRect& place)
{
    auto* label = new QLabel(window);
    label->setGeometry(place);
    label->setStyleSheet(QStringLiteral("color: white; font-size: 14pt; font-weight: bold;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

PictureLabel* NewCloseLabel(QWidget* window, const QRect& place, const QColor& colour)
{
    auto* label = new PictureLabel(window);
    label->setGeometry(place);
    label->setText(QStringLiteral("✕"));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: %1; font-size: 16pt;").arg(colour.name()));
    return label;
}
