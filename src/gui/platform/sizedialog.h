// The picture-size question: width and height in pixels, with the
// proportions kept while "Keep proportions" is ticked.
#pragma once

#include <QDialog>
#include <QSize>

class QCheckBox;
class QSpinBox;

namespace tarvik::gui {

class SizeDialog : public QDialog
{
    Q_OBJECT
public:
    SizeDialog(QWidget *parent, const QString &title, const QSize &initial, const QSize &minimum,
        const QSize &maximum);

    QSize size() const;

private:
    void follow(bool widthChanged);

    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
    QCheckBox *m_keep = nullptr;
    double m_ratio = 1; // width over height
    bool m_following = false;
};

} // namespace tarvik::gui
