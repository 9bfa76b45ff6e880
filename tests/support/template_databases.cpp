#include "support/template_databases.h"

#include <QFile>

QString BuiltTemplate(const QString& name)
{
    return QStringLiteral(VMR_BUILT_PROGRAM_DIR) + "/" + name;
}

bool CopyTemplate(const TempProgramDir& dir, const QString& templateName, const QString& as)
{
    QFile::remove(dir.file(as));
    return QFile::copy(BuiltTemplate(templateName), dir.file(as));
}
