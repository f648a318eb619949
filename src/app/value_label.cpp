#include "app/value_label.h"

#include <QPainter>
#include <QStyle>

#include "form/form_layout.h"

namespace plessard::app {

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
}

void ValueLabel::set_value(const QString& value) {
    setText(value);
    update_tool_tip();
}

QRect ValueLabel::text_area() const {
    // As a framed label indents its text: half an "x" in from the frame.
    const int indent = this->indent() >= 0 ? this->indent()
                                           : fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    return contentsRect().adjusted(margin() + indent, margin(), -margin() - indent, -margin());
}

QString ValueLabel::shown_text() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, text_area().width());
}

void ValueLabel::update_tool_tip() {
    setToolTip(form::value_label_tip(text(), shown_text() == text()));
}

void ValueLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, text_area(), static_cast<int>(alignment()), palette(),
                          isEnabled(), shown_text(), foregroundRole());
}

void ValueLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    update_tool_tip();
}

}  // namespace plessard::app
