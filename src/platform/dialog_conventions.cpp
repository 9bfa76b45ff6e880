#include "platform/dialog_conventions.h"

#include "platform/pic_box_glass.h"
#include "platform/window_effects.h"
#include "platform/window_registry.h"

#include <QCoreApplication>
#include <QPointer>

void ShowModalOverTranslucent(QWidget& behind, QWidget& dialog)
{
    QPointer<QWidget> guard(&behind);
    SetTranslucent(behind, 50);
    ShowFormModal(dialog);
    if (guard)
        SetTranslucent(*guard, 0);
}

void ShowModalOverShadow(QLabel& shadow, QWidget& dialog, quint32 colour)
{
    QPointer<QLabel> guard(&shadow);
    shadow.show();
    shadow.raise();
    QCoreApplication::processEvents();
    if (guard)
        PicBoxGlass(*guard, colour, 0, 0);
    ShowFormModal(dialog);
    if (guard)
        guard->hide();
}
