// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A memory game card. Its state is its text colour: the card colour hides the text (face
// down), any other colour shows it. The text wraps inside the card, centred, and shrinks a
// little before it is cut short. Only a readable text is told to screen readers and tooltips.
class memorycard : public QLabel
{
    Q_OBJECT
public:
    explicit memorycard(QWidget *parent = nullptr);

    void setcaption(const QString &caption);
    QString caption() const { return text(); }

    qint32 forecolor() const { return fore; }
    void setforecolor(qint32 color);
    qint32 backcolor() const { return back; }
    void setbackcolor(qint32 color);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void describe();

    qint32 fore = 0, back = 0;
};
