// A label that reports mouse clicks: the row captions, column headings and
// result values of the main window react to a click.
#pragma once

#include <QLabel>

namespace tarvik::gui {

class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text = {}, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace tarvik::gui
