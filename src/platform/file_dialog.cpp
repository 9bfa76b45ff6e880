#include "platform/file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace {

class RealFileDialog : public FileDialogService
{
public:
    QString openFile(const QString& title, const QString& fileName, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, fileName, DialogFilter(filter));
    }
};

FileDialogService* g_service = nullptr;

FileDialogService& service()
{
    static RealFileDialog real;
    return g_service ? *g_service : real;
}

} // namespace

QString ShowOpenDialog(const QString& title, const QString& fileName, const QString& filter)
{
    return service().openFile(title, fileName, filter);
}

QString DialogFilter(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';'))
            if (!pattern.trimmed().isEmpty())
                patterns.append(pattern.trimmed());
        entries.append(parts[i].trimmed() + " (" + patterns.join(' ') + ")");
    }
    return entries.join(QStringLiteral(";;"));
}

void SetFileDialogService(FileDialogService* service)
{
    g_service = service;
}
