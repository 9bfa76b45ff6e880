#include "platform/file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QStringList>

namespace {

constexpr int kModifiedColumn = 3;

// The file list as Qt's own dialog shows it, but with the modification dates written in the
// program's language rather than the desktop's.
class LocalDates : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || index.column() != kModifiedColumn || !files)
            return QIdentityProxyModel::data(index, role);
        return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
    }
};

class RealFileDialog : public FileDialogService
{
public:
    QString openFile(const QString& title, const QString& fileName, const QString& filter) override
    {
        QFileDialog dialog(QApplication::activeWindow(), title, fileName, DialogFilter(filter));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setProxyModel(new LocalDates(&dialog));
        if (dialog.exec() != QDialog::Accepted)
            return QString();
        return dialog.selectedFiles().value(0);
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
