#pragma once

#include <QImage>
#include <QWidget>

namespace plessard::app {

// The dimension drawing, shown from the top-left corner of the box: drawn by the core for the
// screen's device pixel ratio, its lettering set in a serif face over it, one picture pixel a
// device pixel. It takes the focus like any control in the tab order, shows the style's focus
// frame while it has it, and ignores every key.
class PictureBox final : public QWidget {
  public:
    explicit PictureBox(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Draws the drawing and its lettering anew for a device pixel ratio.
    void render(qreal ratio);

    QImage shown_;
    qreal ratio_ = 0;
};

}  // namespace plessard::app
