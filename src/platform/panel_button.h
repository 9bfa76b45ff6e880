#pragma once

#include "platform/click_sequence.h"
#include "platform/text_fit.h"

#include <QColor>
#include <QFrame>
#include <QPixmap>

// The panel the windows use as a button: a face colour, a caption in the text colour, an optional
// picture, a frame line (3 pixels by default) and an optional rounded outline. While enabled it
// looks pressed as long as the mouse button is held on it. A double click raises clicked() and then
// doubleClicked(), never two clicked().
class PanelButton : public QFrame
{
    Q_OBJECT

public:
    explicit PanelButton(QWidget* parent = nullptr, int index = 0);

    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    QColor faceColor() const { return m_face; }
    void setFaceColor(const QColor& color);
    QColor textColor() const { return m_text; }
    void setTextColor(const QColor& color);
    QColor frameColor() const { return m_frame; }
    void setFrameColor(const QColor& color);
    int frameLine() const { return m_frameLine; }
    void setFrameLine(int pixels);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

    // Rounds the outline to quarters of a corner × corner ellipse (0 for square corners); the
    // outline follows later size changes.
    void setCorner(int corner);
    int corner() const { return m_corner; }

    bool isPressedLook() const { return m_pressed; }

    // The caption's box (inside the frame line) and the caption as drawn there, fitted.
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;
    QRect captionBox() const;
    FittedText shownCaption() const;

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyCorner();
    void setPressedLook(bool pressed);

    int m_index = 0;
    QString m_caption;
    QString m_tag;
    QColor m_face = QColor(238, 240, 244);
    QColor m_text = Qt::black;
    QColor m_frame = QColor(238, 240, 244);
    int m_frameLine = 3;
    QPixmap m_picture;
    int m_corner = 0;
    bool m_pressed = false;
    ClickSequence m_clicks;
};
