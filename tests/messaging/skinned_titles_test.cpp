#include "window_support/window_fixture.h"

#include "core/screen_values.h"
#include "messaging/canned_phrases_window.h"
#include "messaging/instant_sms_window.h"
#include "messaging/message_history_window.h"

#include <QImage>

namespace {

// The colours the skin picture shows under the rectangle: one, when nothing is drawn there.
QSet<QRgb> coloursUnder(const QString& picture, const QRect& place)
{
    const QImage image(gSkinPath + "/" + picture);
    QSet<QRgb> colours;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace

using SkinnedTitles = WindowTest;

// The pop-up windows write their title in their own label over the skin's title band: a title
// drawn into the picture as well would show two texts on top of each other.
TEST_F(SkinnedTitles, EachTitleIsWrittenOnceOverItsBand)
{
    frmz문자내역 history;
    frmz즉시문자 instant;
    frmzComment phrases;
    const struct {
        QString picture;
        QLabel* title;
    } windows[] = {{"0416a.gif", history.lblTitle}, {"0414a.gif", instant.lblTitle}, {"0401a.gif", phrases.lblTitle}};
    for (const auto& w : windows)
        EXPECT_EQ(coloursUnder(w.picture, w.title->geometry()).size(), 1) << w.picture.toStdString();
}
