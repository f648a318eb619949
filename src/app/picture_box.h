#pragma once

#include <QImage>
#include <QWidget>

namespace plessard::app {

// A fixed picture shown unscaled from the top-left corner. It takes the focus like any control
// in the tab order but ignores every key.
class PictureBox final : public QWidget {
  public:
    explicit PictureBox(QImage picture, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace plessard::app
