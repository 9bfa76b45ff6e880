#pragma once

#include "platform/ole_color.h"

#include <QPixmap>
#include <QString>

#include <array>
#include <memory>

// Cell kinds of the grid (CellType).
namespace GridCellType {
enum : int { Edit = 1, CheckBox = 10, OwnerDrawn = 11, StaticText = 5, Number = 13 };
}

// Alignments (TypeHAlign, TypeVAlign).
namespace GridAlign {
enum : int { Left = 0, Right = 1, Center = 2, Top = 0, Bottom = 1 };
}

// One edge line of a cell. Style 0 is no line; any other style is drawn as a solid line.
struct GridEdge {
    OleColor color = kNoColor;
    int style = 0;
};

// The four pictures of a check-box cell: unchecked, checked, and the two pressed states.
using CheckPictures = std::array<QPixmap, 4>;

// Everything a cell holds. Colours of -1 take the grid's colour scheme.
struct GridCell {
    QString text;
    QString note;
    int type = GridCellType::Edit;
    int hAlign = GridAlign::Left;
    int vAlign = GridAlign::Center;
    bool wordWrap = false;
    bool numberShowSep = false;
    int numberDecPlaces = 0;
    int checkType = 0;
    bool checkCenter = false;
    std::shared_ptr<const CheckPictures> checkPictures;
    QString fontName = QStringLiteral("나눔고딕");
    double fontSize = 9;
    bool fontBold = false;
    bool fontItalic = false;
    OleColor foreColor = kNoColor;
    OleColor backColor = kNoColor;

    // The look without the content: what a new cell of the same column or row starts with.
    GridCell style() const
    {
        GridCell copy = *this;
        copy.text.clear();
        copy.note.clear();
        return copy;
    }
};
