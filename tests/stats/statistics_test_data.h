#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class SpreadGrid;
class frmz통계B;

// One confirmed reservation as the statistics window reads it from the cache.
struct CachedVisit {
    QString phone;
    QString day;
    QString name;
    QString firstVisit;
    int totalVisits;
};

// Adds the visits to the cache at the path in one transaction: customer number "c" and the
// phone's last four digits, level "단골", memo "예약메모".
void CacheVisits(const QString& path, const QList<CachedVisit>& visits);

// The texts of a column's data rows, top to bottom.
QStringList GridColumn(SpreadGrid& grid, int col);
// The six figure labels above the list.
QStringList FigureTexts(const frmz통계B& window);
