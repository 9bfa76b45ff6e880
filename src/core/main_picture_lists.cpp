#include "core/main_picture_lists.h"

#include "platform/window_registry.h"

MainPictureLists* MainPictures()
{
    return dynamic_cast<MainPictureLists*>(FindForm(QStringLiteral("frmMainMDI")));
}
