#include "config/tables_fixture.h"

#include "core/screen_values.h"
#include "platform/twips.h"
#include "server/server_globals.h"
#include "support/log_entries.h"

#include <QCoreApplication>
#include <QTest>

TablesTest::TablesTest()
{
    gSkinPath = program.file("skin");
    gPosKind = -1;
    gQRCheckYN = false;
    RegisterFormFactory(frmB좌석설정_순서변경::FormName(), [] { return new frmB좌석설정_순서변경(); });
}

TablesTest::~TablesTest()
{
    const QStringList names = LoadedFormNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        UnloadForm(*it);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    gPosKind = -1;
    gQRCheckYN = false;
    gSeat.clear();
    gSeatCount = 0;
}

frmB좌석설정& TablesTest::openTables()
{
    frmB좌석설정& window = Form<frmB좌석설정>();
    window.m_FirstActivated = true;
    ShowFormModeless(window);
    return window;
}

frmB좌석설정_순서변경* TablesTest::orderWindow()
{
    return static_cast<frmB좌석설정_순서변경*>(FindForm(frmB좌석설정_순서변경::FormName()));
}

void TablesTest::setTables(const QList<std::tuple<QString, QString, QString>>& tables)
{
    QList<StandinRecord>& list = backend.shop().tables;
    list.clear();
    for (const auto& [number, name, active] : tables)
        list.append({{"nums", number}, {"tableqr", "QR1207T" + number}, {"tableqroup", ""}, {"tablenum", name},
                     {"tableinfo", " tia[" + name + " 자리]tia tib[]tib "}, {"tableregdate", "2024-03-02 10:10:00"},
                     {"tableYN", active}});
}

QStringList TablesTest::requestLabels(const QString& suffix)
{
    QStringList labels;
    for (const QString& entry : LogEntries(suffix)) {
        const qsizetype end = entry.indexOf(" ... http");
        if (end > 0)
            labels.append(entry.left(end));
    }
    return labels;
}

QString TablesTest::onlyBody(const QString& path)
{
    const QList<StandinRequest> requests = backend->requestsTo(path);
    if (requests.size() != 1)
        return requests.isEmpty() ? "<none>" : "<several>";
    return QString::fromUtf8(requests.first().body);
}

void ClickCell(SpreadGrid& grid, int col, int row)
{
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_TRUE(grid.GetCellPos(col, row, &x, &y, &width, &height)) << col << "," << row;
    const QPoint centre(TwipsToPixels(x + width / 2), TwipsToPixels(y + height / 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

void DoubleClick(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

QStringList ColumnTexts(const GridModel& grid, int col)
{
    QStringList texts;
    for (int row = 1; row <= grid.MaxRows(); ++row)
        texts.append(grid.GetText(col, row));
    return texts;
}
