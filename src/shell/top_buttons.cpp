#include "shell/main_window.h"

#include "board/board_window.h"
#include "config/reservation_settings_window.h"
#include "config/tables_window.h"
#include "core/button_guard.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "messaging/instant_sms_window.h"
#include "platform/message_box.h"
#include "platform/raised_error.h"
#include "platform/vb_color.h"
#include "requests/table_requests_window.h"
#include "shell/backdrop_window.h"
#include "shell/shell_globals.h"
#include "shell/top_windows.h"
#include "stats/statistics_window.h"

#include <QPointer>

namespace {

const QColor kHighlightFace(0, 141, 238);
const char* const kPressedProperty = "pressedDown";

// Sets the window's first-activation request, shows it modeless and brings it to the front.
template <class W>
void OpenWorkWindow()
{
    W& window = Form<W>();
    window.m_FirstActivated = true;
    ShowFormModeless(window);
}

} // namespace

void frmMainMDI::connectTopButtons()
{
    for (PanelButton* button : TopCMD) {
        const int index = button->index();
        QObject::connect(button, &PanelButton::clicked, this, [this, index] { TopCMD_Click(index); });
        QObject::connect(button, &PanelButton::mouseDown, this, [this, index] { TopCMD_MouseDown(index); });
        QObject::connect(button, &PanelButton::mouseUp, this, [this, index] { TopCMD_MouseUp(index); });
    }
}

// A click that arrives while the same button's previous click still runs is dropped by the guard;
// the highlight is recomputed and the button enabled again whatever happened in between.
void frmMainMDI::TopCMD_Click(int index)
{
    if (index < 0 || index >= int(TopCMD.size()))
        return;
    ButtonGuard guard(TopCMD[index], QStringLiteral("TopCMD"), index);
    if (!guard.passed())
        return;
    QPointer<frmMainMDI> self(this);
    try {
        openTopWindow(index);
    } catch (const RaisedError& error) {
        LogError(FormName(), QStringLiteral("TopCMD_Click"), 4, error.number, error.description);
    }
    if (self)
        Highlight_TopCMD();
}

void frmMainMDI::openTopWindow(int index)
{
    const QString title = TopWindows()[index].title;
    if (index == 1) {
        showOverHalfTransparent(title, [this] {
            Highlight_TopCMD();
            frmz즉시문자& sms = Form<frmz즉시문자>();
            sms.m_FirstActivated = true;
            ShowFormModal(sms);
        });
        return;
    }
    lbl현재작업->setText(title);
    if (index == 4 && !gStartLoaded) {
        MsgBox(QStringLiteral("아직 준비되지 않았습니다!"), MsgStyle::OkOnly + MsgStyle::Exclamation);
        return;
    }
    Highlight_TopCMD();
    QPointer<frmMainMDI> self(this);
    if (index != 0)
        ShowFormModeless(Form<z01>());
    if (!self)
        return;
    switch (index) {
    case 0:
        OpenWorkWindow<frmB예약관리>();
        break;
    case 2:
        OpenWorkWindow<frmB좌석설정>();
        break;
    case 3:
        OpenWorkWindow<frmB설정>();
        break;
    case 4: {
        frmz통계B::m_Kind = QStringLiteral("예약");
        frmz통계B& stats = Form<frmz통계B>();
        stats.m_FirstActivated = true;
        ShowFormModeless(stats);
        break;
    }
    case 5:
        OpenWorkWindow<frmz승인_고객요청>();
        break;
    }
}

// The button of the window named by the title label is drawn highlighted; a title that names none
// highlights the board's button.
void frmMainMDI::Highlight_TopCMD()
{
    const int current = qMax(0, TopIndexOfTitle(lbl현재작업->text()));
    for (PanelButton* button : TopCMD) {
        const bool highlighted = button->index() == current;
        button->setFaceColor(highlighted ? kHighlightFace : QColor(Qt::white));
        button->setTextColor(highlighted ? QColor(Qt::white) : FromVbColor(quint32(ToLong(button->tag()))));
    }
}

void frmMainMDI::TopCMD_MouseDown(int index)
{
    PanelButton* button = TopCMD[index];
    if (!button->isEnabled() || button->property(kPressedProperty).toBool())
        return;
    button->setProperty(kPressedProperty, true);
    button->move(button->x(), button->y() + 1);
}

void frmMainMDI::TopCMD_MouseUp(int index)
{
    PanelButton* button = TopCMD[index];
    if (!button->isEnabled() || !button->property(kPressedProperty).toBool())
        return;
    button->setProperty(kPressedProperty, false);
    button->move(button->x(), button->y() - 1);
}
