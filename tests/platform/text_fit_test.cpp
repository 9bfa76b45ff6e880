#include "platform/fitted_controls.h"
#include "platform/grid_model.h"
#include "platform/grid_painter.h"
#include "platform/panel_button.h"
#include "platform/placeholder_box.h"
#include "platform/spread_grid.h"
#include "platform/text_fit.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTextLayout>
#include <gtest/gtest.h>

// One rule fits every text into its box: the same face at a smaller size down to a floor, then
// an ellipsis with the whole text in the tip.

namespace {

QFont Face(const QString& family, qreal points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

int Width(const QString& text, const QFont& font)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

// The lines the text takes in the box when wrapped as a cell or label wraps it.
int WrappedLines(const QString& text, const QFont& font, int width)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

} // namespace

TEST(TextFit, ATextKeepsItsFontShrinksWithinItsFaceOrIsCutAtTheFloor)
{
    struct Case {
        const char* what;
        QString text;
        QFont font;
        int widthPercent; // of the text's own width
        bool shrinks;
        bool cut;
    };
    const QList<Case> cases{
        {"fits", QStringLiteral("예약"), Face("굴림", 9), 100, false, false},
        {"morning header", QStringLiteral("11일 오전 - AM"), Face("굴림", 10, true), 90, true, false},
        {"staff button", QStringLiteral("정하늘 & 팀장"), Face("맑은 고딕", 9), 85, true, false},
        {"no-show", QStringLiteral("NO-SHOW"), Face("굴림", 9, true), 80, true, false},
        {"far too long", QStringLiteral("서울특별시 강남구 테헤란로 123 한마당빌딩 5층"), Face("굴림", 9), 40, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QSize box(Width(c.text, c.font) * c.widthPercent / 100, 30);
        const FittedText fitted = FitText(c.text, c.font, box, Qt::AlignCenter);
        EXPECT_EQ(fitted.font.family(), c.font.family());
        EXPECT_EQ(fitted.font.bold(), c.font.bold());
        EXPECT_EQ(fitted.font.pointSizeF() < c.font.pointSizeF(), c.shrinks);
        EXPECT_GE(fitted.font.pointSizeF(), FloorSize(c.font));
        EXPECT_EQ(fitted.elided, c.cut);
        EXPECT_EQ(fitted.text == c.text, !c.cut);
        if (c.cut) {
            EXPECT_EQ(fitted.font.pointSizeF(), FloorSize(c.font));
            EXPECT_TRUE(fitted.text.endsWith(QChar(0x2026)));
        }
        EXPECT_LE(Width(fitted.text, fitted.font), box.width());
    }
}

TEST(TextFit, TheFloorIsThreeQuartersOfTheSizeButStaysReadable)
{
    EXPECT_EQ(FloorSize(Face("굴림", 12)), 9.0);
    EXPECT_EQ(FloorSize(Face("굴림", 9)), 7.0);
    EXPECT_EQ(FloorSize(Face("굴림", 6)), 6.0);
    QFont pixels("굴림");
    pixels.setPixelSize(20);
    EXPECT_EQ(FloorSize(pixels), 15.0);
    const FittedText fitted = FitText(QStringLiteral("2024년 12월 11일"), pixels, QSize(Width("2024년 12월 11일", pixels) - 8, 30), 0);
    EXPECT_LT(fitted.font.pixelSize(), 20);
    EXPECT_GE(fitted.font.pixelSize(), 15);
}

// A wrapping cell or button (the month calendar's counts, "NO-SHOW"): the word shrinks onto its
// line instead of breaking at the hyphen, which loses its first digit or splits the word.
TEST(TextFit, AWrappingTextFitsItsLinesAcrossAndDown)
{
    const QFont font = Face("굴림", 9);
    for (const QString& word : {QStringLiteral("11-1038"), QStringLiteral("NO-SHOW")}) {
        const QSize twoLines(Width(word, font) - 4, QFontMetrics(font).lineSpacing() * 2 + 4);
        const FittedText fitted = FitText(word, font, twoLines, Qt::AlignCenter | Qt::TextWordWrap);
        EXPECT_EQ(fitted.text, word);
        EXPECT_LT(fitted.font.pointSizeF(), 9);
        EXPECT_EQ(WrappedLines(fitted.text, fitted.font, twoLines.width()), 1) << word.toStdString();
        EXPECT_TRUE(TextFits(fitted.text, fitted.font, twoLines, Qt::TextWordWrap));
    }

    const QString note = QStringLiteral("창가 자리로 부탁드립니다 아이 의자 두 개와 생일 케이크를 준비해 주세요");
    const QSize twoLines(120, QFontMetrics(font).lineSpacing() * 2 + 4);
    const FittedText cut = FitText(note, font, twoLines, Qt::TextWordWrap);
    EXPECT_TRUE(cut.elided);
    EXPECT_TRUE(cut.text.endsWith(QChar(0x2026)));
    EXPECT_TRUE(TextFits(cut.text, cut.font, twoLines, Qt::TextWordWrap)) << cut.text.toStdString();
}

TEST(FittedControls, ALabelDrawsItsTextFittedKeepsItAndTipsTheWholeTextWhenCut)
{
    QLabel label;
    label.setFont(Face("굴림", 9));
    const QString version = QStringLiteral("VmrZLM v3.1.0.160 #25 (새 버전이 있습니다)");
    label.setText(version);
    label.resize(Width(version, label.font()) / 2, 20);
    label.grab();
    const std::optional<LabelText> drawn = DrawnLabelText(label);
    ASSERT_TRUE(drawn);
    EXPECT_TRUE(drawn->shown.elided);
    EXPECT_LE(Width(drawn->shown.text, drawn->shown.font), drawn->box.width());
    EXPECT_EQ(label.text(), version);
    EXPECT_EQ(label.toolTip(), version);

    label.setText(QStringLiteral("v3"));
    label.grab();
    EXPECT_TRUE(label.toolTip().isEmpty());

    label.setToolTip(QStringLiteral("버전"));
    label.setText(version);
    label.grab();
    EXPECT_EQ(label.toolTip(), QStringLiteral("버전"));
}

TEST(FittedControls, AButtonCaptionFitsInsideItsFrameLine)
{
    PanelButton button;
    button.setFont(Face("맑은 고딕", 10, true));
    button.setCaption(QStringLiteral("정하늘 & 팀장"));
    button.resize(Width(button.caption(), button.font()), 30);
    const FittedText shown = button.shownCaption();
    EXPECT_FALSE(shown.elided);
    EXPECT_LT(shown.font.pointSizeF(), 10);
    EXPECT_LE(Width(shown.text, shown.font), button.captionBox().width());
    EXPECT_LE(button.captionBox().width(), button.width() - 2 * button.frameLine());
}

TEST(FittedControls, ATextBoxShrinksForALongValueAndGrowsBackToTheWindowsFont)
{
    PlaceholderBox box;
    box.setFont(Face("굴림", 10));
    box.resize(110, 22);
    box.showPlaceholder(QStringLiteral("차량번호1 (필요시)"));
    box.grab();
    EXPECT_LT(box.font().pointSizeF(), 10);
    EXPECT_LE(Width(box.text(), box.font()), OwnTextOf(box)->room.width());
    EXPECT_EQ(box.text(), QStringLiteral("차량번호1 (필요시)"));

    box.setText(QStringLiteral("12가3456"));
    box.grab();
    EXPECT_EQ(box.font().pointSizeF(), 10);

    box.setFont(Face("굴림", 12));
    box.grab();
    EXPECT_EQ(box.font().pointSizeF(), 12);
}

TEST(FittedControls, ACheckBoxCaptionShrinksAndAtTheFloorTipsItsWholeText)
{
    QCheckBox box(QStringLiteral("문자 자동 전송"));
    box.setFont(Face("굴림", 10));
    box.resize(box.sizeHint().width() - 6, box.sizeHint().height());
    box.grab();
    EXPECT_LT(box.font().pointSizeF(), 10);
    EXPECT_LE(Width(box.text(), box.font()), OwnTextOf(box)->room.width());
    EXPECT_TRUE(box.toolTip().isEmpty());

    box.setText(QStringLiteral("예약 확정 시 고객에게 안내 문자를 자동으로 전송합니다"));
    box.grab();
    EXPECT_EQ(box.font().pointSizeF(), FloorSize(Face("굴림", 10)));
    EXPECT_EQ(box.toolTip(), box.text());
    EXPECT_EQ(box.text(), QStringLiteral("예약 확정 시 고객에게 안내 문자를 자동으로 전송합니다"));
}

TEST(FittedControls, AGridCellShowsItsTextFittedAndTipsItWhenCut)
{
    SpreadGrid grid;
    grid.SetMaxCols(2);
    grid.SetMaxRows(1);
    grid.SetColWidth(1, PixelsToTwips(40));
    grid.SetColWidth(2, PixelsToTwips(300));
    grid.SetText(1, 1, QStringLiteral("서울특별시 강남구 테헤란로 123"));
    grid.SetText(2, 1, QStringLiteral("인원 12명"));
    grid.resize(400, 100);
    const std::vector<GridPainter::CellText> texts = GridPainter::ShownTexts(grid, grid.viewport()->size());
    int cells = 0;
    for (const GridPainter::CellText& text : texts) {
        if (text.row != 1 || text.col == 0)
            continue;
        ++cells;
        EXPECT_TRUE(TextFits(text.shown.text, text.shown.font, text.box.size(), text.flags));
        EXPECT_EQ(text.shown.elided, text.col == 1);
    }
    EXPECT_EQ(cells, 2);

    grid.SetTextTipDelay(1);
    grid.show();
    int x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(grid.GetCellPos(1, 1, &x, &y, &w, &h));
    QTest::mouseMove(grid.viewport(), QPoint(TwipsToPixels(x) + 5, TwipsToPixels(y) + 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid.ShownTip() != nullptr; }, 2000));
    EXPECT_EQ(grid.ShownTip()->text(), QStringLiteral("서울특별시 강남구 테헤란로 123"));
}
