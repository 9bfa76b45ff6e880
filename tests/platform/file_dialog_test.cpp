#include "platform/file_dialog.h"

#include <QList>

#include <gtest/gtest.h>

TEST(FileDialog, FiltersReadAsTheDesktopDialogReadsThem)
{
    const QList<std::pair<QString, QString>> cases{
        {"로고파일|*.png;*.jpg; ", "로고파일 (*.png *.jpg)"},
        {"Excel|*.xls|All files|*.*", "Excel (*.xls);;All files (*.*)"},
        {"", ""},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(DialogFilter(filter).toStdString(), expected.toStdString()) << filter.toStdString();
}
