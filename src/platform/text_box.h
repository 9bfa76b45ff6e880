#pragma once

#include <QLineEdit>

// A one-line text box with the tag its window keeps a value in.
class TextBox : public QLineEdit
{
public:
    explicit TextBox(QWidget* parent = nullptr) : QLineEdit(parent) {}

    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

private:
    QString m_tag;
};
