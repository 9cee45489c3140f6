// The front-view picture of the main window: a view of the layout
// document's solves. Each solve's scene and captions are kept and painted
// (through the shared front-view painter); paintEvent only reads them.
#pragma once

#include "core/geometry/engine.h"

#include <QWidget>

namespace tarvik::gui {

class FrontView : public QWidget
{
    Q_OBJECT
public:
    explicit FrontView(QWidget *parent = nullptr);

    void display(const EngineOutput &output);
    // The enlarged drawing zooms to the car and sets the captions on one line
    // above it and one below.
    void setBig(bool big);
    bool isBig() const { return m_big; }
    const Scene &scene() const { return m_scene; }
    const Captions &captions() const { return m_captions; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Scene m_scene;
    Captions m_captions;
    bool m_big = false;
};

} // namespace tarvik::gui
