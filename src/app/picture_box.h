#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

#include "form/dimension_drawing.h"

namespace plessard::app {

// The dimension drawing, shown unscaled from the top-left corner: its pixels as drawn, its
// lettering set in a serif face over them. It takes the focus like any control in the tab
// order but ignores every key.
class PictureBox final : public QWidget {
  public:
    explicit PictureBox(const form::DimensionDrawing& drawing, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage pixels_;
    QFont font_;
    form::LetteringSet lettering_;
};

}  // namespace plessard::app
