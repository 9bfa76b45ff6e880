#include "platform/text_fit.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <QStringList>
#include <QTextLayout>

#include <cmath>

namespace {

// Three quarters of the design size, and never below what stays readable.
constexpr qreal kFloorRatio = 0.75;
constexpr qreal kFloorPoints = 7.0;
constexpr int kFloorPixels = 9;
constexpr qreal kStep = 0.5;
constexpr int kRememberedFits = 4096;

bool IsMultiLine(const QString& text, int flags)
{
    return !(flags & Qt::TextSingleLine) && ((flags & Qt::TextWordWrap) || text.contains(QLatin1Char('\n')));
}

qreal SizeOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

QFont Resized(const QFont& font, qreal size)
{
    QFont resized(font);
    if (font.pointSizeF() > 0)
        resized.setPointSizeF(size);
    else
        resized.setPixelSize(int(std::lround(size)));
    return resized;
}

// The wrapped lines of the text as a box of that width breaks them.
QStringList Lines(const QString& text, const QFont& font, int width, int flags)
{
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (!(flags & Qt::TextWordWrap)) {
            lines.append(paragraph);
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
    }
    return lines;
}

// The first lines, the last of them cut with an ellipsis so that it stands for the rest.
QString FirstLines(const QStringList& lines, int count, const QFontMetrics& metrics, int width)
{
    QStringList shown = lines.mid(0, count - 1);
    shown.append(lines.mid(count - 1).join(QLatin1Char(' ')));
    for (QString& line : shown)
        line = metrics.elidedText(line, Qt::ElideRight, width);
    return shown.join(QLatin1Char('\n'));
}

// As many lines as fit the box, the last one cut.
QString Elided(const QString& text, const QFont& font, const QSize& box, int flags)
{
    const QFontMetrics metrics(font);
    if (!IsMultiLine(text, flags))
        return metrics.elidedText(text, Qt::ElideRight, box.width());
    const QStringList lines = Lines(text, font, box.width(), flags);
    for (int count = std::max(1, box.height() / std::max(1, metrics.lineSpacing()));; --count) {
        const QString shown = FirstLines(lines, std::min(count, int(lines.size())), metrics, box.width());
        if (count <= 1 || TextFits(shown, font, box, flags))
            return shown;
    }
}

FittedText Fitted(const QString& text, const QFont& font, const QSize& box, int flags)
{
    const qreal floor = FloorSize(font);
    for (qreal size = SizeOf(font) - kStep; size >= floor - 0.01; size -= kStep) {
        const QFont smaller = Resized(font, size);
        if (TextFits(text, smaller, box, flags))
            return {smaller, text, false};
    }
    const QFont smallest = Resized(font, floor);
    return {smallest, Elided(text, smallest, box, flags), true};
}

struct FitKey {
    QString text;
    QString font;
    QSize box;
    int flags;
    bool operator==(const FitKey&) const = default;
};

size_t qHash(const FitKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, key.font, key.box.width(), key.box.height(), key.flags);
}

} // namespace

qreal FloorSize(const QFont& font)
{
    const qreal size = SizeOf(font);
    const qreal least = font.pointSizeF() > 0 ? kFloorPoints : kFloorPixels;
    return std::min(size, std::max(least, std::round(size * kFloorRatio / kStep) * kStep));
}

bool TextFits(const QString& text, const QFont& font, const QSize& box, int flags)
{
    const QFontMetrics metrics(font);
    if (!IsMultiLine(text, flags))
        return metrics.horizontalAdvance(text) <= box.width();
    // Lines break between words only: "NO-SHOW" or "11-1038" is not broken at its hyphen.
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& word : text.split(blanks, Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(word) > box.width())
            return false;
    const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20), flags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

FittedText FitText(const QString& text, const QFont& font, const QSize& box, int flags)
{
    static QHash<FitKey, FittedText> remembered;
    const FitKey key{text, font.key(), box, flags & (Qt::TextWordWrap | Qt::TextSingleLine)};
    if (auto found = remembered.constFind(key); found != remembered.cend())
        return *found;
    const FittedText fitted = TextFits(text, font, box, flags) ? FittedText{font, text, false}
                                                               : Fitted(text, font, box, flags);
    if (remembered.size() >= kRememberedFits)
        remembered.clear();
    remembered.insert(key, fitted);
    return fitted;
}

void DrawFittedText(QPainter& painter, const QRect& rect, int flags, const QString& text)
{
    const FittedText fitted = FitText(text, painter.font(), rect.size(), flags);
    painter.save();
    painter.setFont(fitted.font);
    painter.drawText(rect, flags, fitted.text);
    painter.restore();
}
