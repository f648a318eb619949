#pragma once

#include <QLabel>
#include <QString>

namespace plessard::app {

// A label that shows a value the program sets. A value too wide for the label is shown cut,
// with "…" to say so, and whole in the label's tool tip; the label's text stays the whole value.
class ValueLabel final : public QLabel {
  public:
    explicit ValueLabel(QWidget* parent = nullptr);

    // Sets the text and, when it does not fit, the tool tip that shows it whole.
    void set_value(const QString& value);
    // What the label shows: the text, or its start and "…" when it does not fit.
    [[nodiscard]] QString shown_text() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    [[nodiscard]] QRect text_area() const;
    void update_tool_tip();
};

}  // namespace plessard::app
