// The front-view picture of the main window: paints the engine's scene and,
// over it, the result captions in their colours (the gain-basis line at the
// top, the static and moved roll-centre pairs, each side's camber gain and
// the layout-problem status). Setters store and call update(); paintEvent
// only reads.
#pragma once

#include "core/geometry/scene.h"

#include <QString>
#include <QWidget>
#include <array>

namespace tarvik::gui {

struct FrontViewCaptions
{
    QString gainBasis;
    std::array<QString, 2> rollCenter; // static pass: height, side
    std::array<QString, 2> movedRollCenter; // moved pass: height, side
    std::array<QString, 2> camberGain; // right, left
    QString status;
    int rollCenterColor = 0;
    int movedRollCenterColor = 0;
    int camberGainColor = 0;
};

class FrontView : public QWidget
{
    Q_OBJECT
public:
    explicit FrontView(QWidget *parent = nullptr);

    void setScene(const Scene &scene);
    void setCaptions(const FrontViewCaptions &captions);
    void setGainBasis(const QString &text);
    // The enlarged drawing zooms to the car and sets the captions on one line
    // above it and one below.
    void setBig(bool big);
    bool isBig() const { return m_big; }
    const Scene &scene() const { return m_scene; }
    const FrontViewCaptions &captions() const { return m_captions; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Paints picture and captions into target on any painter (screen, image, printer).
    static void paint(QPainter &painter, const QRectF &target, const Scene &scene,
        const FrontViewCaptions &captions, bool big = false);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Scene m_scene;
    FrontViewCaptions m_captions;
    bool m_big = false;
};

} // namespace tarvik::gui
