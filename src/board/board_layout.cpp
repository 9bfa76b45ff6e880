#include "board/board_window.h"

#include "core/error_line.h"
#include "core/screen_values.h"

#include <QCoreApplication>
#include <QPointer>
#include <QResizeEvent>

#include <cmath>

// The layout pass: the left area grows with the board, the right column keeps 350 pixels.

namespace {

const QString kWindow = QStringLiteral("frmB예약관리");
const QColor kBarColor(238, 240, 244);

// A size below zero that a control refuses; the pass ends there.
struct SizeRefused {
    int step;
};

class Placer
{
public:
    explicit Placer(int& step) : m_step(step) {}

    void place(QWidget* control, int left, int top, int width, int height) const
    {
        refuseBelowZero(width, height);
        control->setGeometry(left, top, width, height);
    }
    void size(QWidget* control, int width, int height) const
    {
        refuseBelowZero(width, height);
        control->resize(width, height);
    }
    void step(int number) const { m_step = number; }

private:
    void refuseBelowZero(int width, int height) const
    {
        if (width < 0 || height < 0)
            throw SizeRefused{m_step};
    }

    int& m_step;
};

void setBarColor(QWidget* bar)
{
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, kBarColor);
    bar->setPalette(palette);
}

// A grid's frame: its rectangle grown by one pixel on every side.
void frameAround(QWidget* frame, const QWidget* grid)
{
    frame->setGeometry(grid->geometry().adjusted(-1, -1, 1, 1));
    frame->raise();
}

} // namespace

void frmB예약관리::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

bool frmB예약관리::Form_Resize()
{
    try {
        return layoutPass();
    } catch (const SizeRefused& refused) {
        LogError(kWindow, QStringLiteral("Form_Resize"), refused.step, 380, QStringLiteral("Invalid property value"));
        return false;
    }
}

bool frmB예약관리::layoutPass()
{
    int stepNumber = 1;
    const Placer p(stepNumber);
    const int W = width() - 12;
    const int H = height() - 12;
    QPointer<frmB예약관리> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return false;

    p.step(3);
    const int statusWidth = (W - 354) - 2 * CMD[4]->width();
    p.place(picStatus, picStatus->x(), H + 5 - picStatus->height(), statusWidth, picStatus->height());
    CMD[4]->move(picStatus->x() + picStatus->width() + 3, H + 5 - CMD[4]->height());
    CMD[5]->move(CMD[4]->x() + CMD[4]->width() + 3, H + 5 - CMD[5]->height());

    p.step(4);
    p.place(picShadow, picShadow->x(), picShadow->y(), W, H);

    p.step(5);
    p.place(SPR[0], 6, 90, W - 349, H - 125);
    const int t = int(std::nearbyint((SPR[0]->width() - 646) / 9.0));
    static const std::array<int, 9> designWidths{85, 60, 80, 80, 35, 60, 58, 85, 40};
    for (int c = 2; c <= 10; ++c)
        SPR[0]->SetColWidth(c, double(qMax(0, t + designWidths[c - 2])) * gTwipsX);

    p.step(6);
    p.place(cmdLayer[0], 0, 1, 245, 48);
    setBarColor(cmdLayer[0]);

    p.step(7);
    p.place(picLayer[0], 2, 45, W - 345, H - 40);
    const int infoWidth = picLayer[0]->width() - 2 * CMD[11]->width() - 4;
    p.size(frInfo[3], infoWidth, frInfo[3]->height());
    p.place(lbInfoCID[1], 0, lbInfoCID[1]->y(), frInfo[3]->width(), lbInfoCID[1]->height());
    CMD[11]->move(picLayer[0]->width() - CMD[11]->width(), CMD[11]->y());
    p.size(sprGraph[0], picLayer[0]->width() - 2, picLayer[0]->height() - 2);

    p.step(8);
    p.place(picLayer[1], W - 340, 2, 350, 270);
    p.size(sprCAL, sprCAL->width(), picLayer[1]->height() - 45);

    p.step(9);
    p.place(cmdLayer[2], picLayer[1]->x() - picLayer[1]->width(), 1, 335, 48);
    setBarColor(cmdLayer[2]);

    p.step(10);
    p.place(cmdLayer[1], picLayer[1]->x(), picLayer[1]->y() + picLayer[1]->height() + 2, picLayer[1]->width(),
            H - picLayer[1]->height());

    p.step(11);
    for (int i = 0; i < 3; ++i) {
        p.place(picFrame[i], 2, 200, 340, cmdLayer[1]->height() - 200);
        p.place(imgMid[i], 0, 40, 340, picFrame[i]->height() - 40 - 20);
        p.place(imgBot[i], 0, picFrame[i]->height() - 20, 340, 20);
        p.place(SPR[i + 1], 1, 35, 338, picFrame[i]->height() - 38);
    }

    p.step(12);
    frameAround(BD[0], SPR[0]);
    frameAround(BD[1], sprCAL);
    frameAround(BD[2], sprGraph[0]);
    picCalBorder->raise();

    p.step(13);
    picLayer[0]->raise();

    if (m_EventPrevent)
        return true;
    CalcDraw(currDate);
    if (self)
        DrawShedule();
    return true;
}
