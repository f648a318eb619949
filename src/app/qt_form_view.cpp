#include "app/qt_form_view.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include <limits>

#include "app/picture_box.h"
#include "app/plain_button.h"
#include "app/program_icon.h"
#include "app/value_label.h"
#include "form/accessible_names.h"
#include "form/form_layout.h"
#include "form/tovik_form.h"

namespace plessard::app {
namespace {

QString from_utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Qt lays out in logical pixels, which it scales for the screen itself.
QRect pixels(const form::Control& control) {
    return {form::twips_to_pixels(control.left), form::twips_to_pixels(control.top),
            form::twips_to_pixels(control.width), form::twips_to_pixels(control.height)};
}

QWidget* create_control(const form::Control& control, QWidget* parent) {
    const QString caption = from_utf8(control.caption);
    QWidget* widget = nullptr;
    switch (control.kind) {
        case form::ControlKind::command_button: {
            widget = new PlainButton(caption, parent);
            break;
        }
        case form::ControlKind::value_label: {
            auto* label = new ValueLabel(parent);
            label->set_value(caption);
            widget = label;
            break;
        }
        case form::ControlKind::caption_label: {
            auto* label = new QLabel(caption, parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            break;
        }
        case form::ControlKind::picture_box:
            widget = new PictureBox(parent);
            break;
        case form::ControlKind::text_box: {
            auto* box = new QLineEdit(caption, parent);
            box->setMaxLength(std::numeric_limits<int>::max());
            widget = box;
            break;
        }
    }
    widget->setObjectName(from_utf8(control.name));
    widget->setGeometry(pixels(control));
    if (!control.tool_tip.empty()) {
        widget->setToolTip(from_utf8(control.tool_tip));
    }
    return widget;
}

QMessageBox::Icon icon_of(form::MessageStyle style) {
    switch (style) {
        case form::MessageStyle::critical:
            return QMessageBox::Critical;
        case form::MessageStyle::exclamation:
            return QMessageBox::Warning;
        case form::MessageStyle::ok_only:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtFormView::QtFormView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tovik_form"));
    setWindowTitle(from_utf8(form::window_caption));
    setWindowIcon(program_icon());
    setFixedSize(form::twips_to_pixels(form::client_width),
                 form::twips_to_pixels(form::client_height));

    // Created in tab order, so the focus chain follows the table; labels take no focus.
    std::array<QWidget*, form::controls.size()> widgets{};
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        widgets[i] = create_control(form::controls[i], this);
        widgets[i]->setAccessibleName(from_utf8(form::accessible_name(i)));
    }
    // Screen readers call a text box or a value label by the caption beside it.
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        if (const std::size_t named = form::named_by(i); named < widgets.size()) {
            static_cast<QLabel*>(widgets[i])->setBuddy(widgets[named]);
        }
    }
    widgets[form::picture1_index]->setAccessibleDescription(from_utf8(form::picture_description));
    command1_ = static_cast<QPushButton*>(widgets[form::command1_index]);
    command2_ = static_cast<QPushButton*>(widgets[form::command2_index]);
    for (std::size_t i = 0; i < value_labels_.size(); ++i) {
        value_labels_[i] = static_cast<ValueLabel*>(widgets[form::value_label_indices[i]]);
    }
    for (std::size_t i = 0; i < text_boxes_.size(); ++i) {
        text_boxes_[i] = static_cast<QLineEdit*>(widgets[form::text_box_indices[i]]);
    }
    command1_->setFocus(Qt::OtherFocusReason);
}

QLineEdit* QtFormView::text_box(form::TextBox box) const {
    return text_boxes_[static_cast<std::size_t>(box)];
}

ValueLabel* QtFormView::value_label(form::ValueLabel label) const {
    return value_labels_[static_cast<std::size_t>(label)];
}

void QtFormView::connect_clicks(form::Tovik_form& form) {
    connect(command1_, &QPushButton::clicked, this, [&form] { form.Command1_Click(); });
    connect(command2_, &QPushButton::clicked, this, [&form] { form.Command2_Click(); });
}

std::string QtFormView::text(form::TextBox box) const {
    return text_box(box)->text().toStdString();
}

void QtFormView::set_text(form::TextBox box, std::string_view text) {
    text_box(box)->setText(from_utf8(text));
}

void QtFormView::set_caption(form::ValueLabel label, std::string_view caption) {
    value_label(label)->set_value(from_utf8(caption));
    value_label(label)->setAccessibleName(
        from_utf8(form::value_label_name(form::index_of(label), caption)));
}

void QtFormView::set_command2_enabled(bool enabled) {
    command2_->setEnabled(enabled);
}

void QtFormView::set_focus(form::TextBox box) {
    text_box(box)->setFocus(Qt::OtherFocusReason);
}

void QtFormView::message_box(std::string_view prompt, form::MessageStyle style,
                             std::string_view title) {
    QMessageBox box(icon_of(style), from_utf8(title), from_utf8(prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    // Error descriptions carry file names and quoted field texts: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtFormView::end_program(int status) {
    // The event loop returns as soon as the running handler does, and the window goes with it.
    // Closing the windows here instead would let the last-window-closed quit overwrite the
    // status with 0.
    QApplication::exit(status);
}

}  // namespace plessard::app
