#include "app/tovik_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>
#include <limits>
#include <string>
#include <utility>
#include <variant>

#include "app/picture_box.h"
#include "app/twips.h"
#include "app/user_interface.h"
#include "assets/dimension_drawing.h"
#include "input/input_file.h"
#include "macro/writing_run.h"
#include "platform/error.h"
#include "platform/number_text.h"

namespace plessard::app {
namespace {

struct Place {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

[[nodiscard]] QRect pixels(const Place& place) {
    return twips_rect(place.left, place.top, place.width, place.height);
}

constexpr Place command1_place{"Command1", 3840, 360, 3735, 375};
constexpr Place command2_place{"Command2", 3840, 3000, 3735, 375};
constexpr Place picture1_place{"Picture1", 480, 360, 3015, 3015};

constexpr std::array<Place, 6> value_label_places{{
    {"Label1", 4320, 960, 1215, 315},
    {"Label2", 6360, 960, 1215, 315},
    {"Label3", 4320, 1320, 1215, 315},
    {"Label4", 6360, 1320, 1215, 315},
    {"Label5", 4320, 1680, 1215, 315},
    {"Label6", 6360, 1680, 1215, 315},
}};

struct CaptionLabel {
    Place place;
    const char* caption;
};

constexpr std::array<CaptionLabel, 10> caption_labels{{
    {{"Label7", 3840, 960, 375, 315}, "L1"},
    {{"Label8", 5880, 960, 375, 315}, "L2"},
    {{"Label9", 3840, 1320, 375, 315}, "H1"},
    {{"Label10", 5880, 1320, 375, 315}, "H2"},
    {{"Label11", 3840, 1680, 375, 315}, "R1"},
    {{"Label12", 5880, 1680, 375, 315}, "R2"},
    {{"Label13", 3840, 2160, 375, 315}, "DX"},
    {{"Label14", 5880, 2160, 375, 315}, "DY"},
    {{"Label15", 3840, 2520, 375, 315}, "NX"},
    {{"Label16", 5880, 2520, 375, 315}, "NY"},
}};

struct TextBox {
    Place place;
    const char* tool_tip;
};

constexpr std::array<TextBox, 4> text_box_places{{
    {{"Text1", 4320, 2160, 1215, 315}, "Gap between parts along X, 0 to 100"},
    {{"Text2", 6360, 2160, 1215, 315}, "Gap between parts along Y, 0 to 100"},
    {{"Text3", 4320, 2520, 1215, 315}, "Number of parts along X, 1 to 10"},
    {{"Text4", 6360, 2520, 1215, 315}, "Number of parts along Y, 1 to 10"},
}};

constexpr int client_width = 7848;
constexpr int client_height = 3720;

constexpr const char* message_title = "Macro Example";
constexpr const char* file_error_title = "File Error";

template <typename Widget>
Widget* placed(Widget* widget, const Place& place) {
    widget->setObjectName(QString::fromLatin1(place.name));
    widget->setGeometry(pixels(place));
    return widget;
}

QPushButton* make_button(const Place& place, const char* caption, QWidget* parent) {
    auto* button = placed(new QPushButton(QString::fromLatin1(caption), parent), place);
    // Enter and Esc press nothing: neither button is a default one.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

Tovik_form::Tovik_form(std::filesystem::path folder, UserInterface& ui, QWidget* parent)
    : QWidget(parent), folder_(std::move(folder)), ui_(ui) {
    create_controls();
    Form_Load();
}

void Tovik_form::create_controls() {
    setObjectName(QStringLiteral("Tovik_form"));
    setWindowTitle(QString::fromLatin1(window_caption));
    setFixedSize(twips_size(client_width, client_height));

    // Created in tab order, so the focus chain is right from the start; setTabOrder below
    // only states it.
    Command1 = make_button(command1_place, "Read Input File", this);
    for (std::size_t i = 0; i < value_labels_.size(); ++i) {
        auto* label = placed(new QLabel(this), value_label_places[i]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        value_labels_[i] = label;
    }
    Command2 = make_button(command2_place, "Create Output File and Exit", this);
    Picture1 = placed(new PictureBox(assets::dimension_drawing(), this), picture1_place);
    for (const CaptionLabel& caption : caption_labels) {
        auto* label = placed(new QLabel(QString::fromLatin1(caption.caption), this), caption.place);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
    }
    for (std::size_t i = 0; i < text_boxes_.size(); ++i) {
        auto* box = placed(new QLineEdit(this), text_box_places[i].place);
        box->setToolTip(QString::fromLatin1(text_box_places[i].tool_tip));
        box->setMaxLength(std::numeric_limits<int>::max());
        text_boxes_[i] = box;
    }

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Picture1);
    setTabOrder(Picture1, text_boxes_[0]);
    for (std::size_t i = 1; i < text_boxes_.size(); ++i) {
        setTabOrder(text_boxes_[i - 1], text_boxes_[i]);
    }
    Command1->setFocus(Qt::OtherFocusReason);

    connect(Command1, &QPushButton::clicked, this, &Tovik_form::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Tovik_form::Command2_Click);
}

void Tovik_form::Form_Load() {
    PartDimensions_ = input::PartDimensions{};
    text_boxes_[0]->setText(QStringLiteral("1"));
    text_boxes_[1]->setText(QStringLiteral("0.8"));
    text_boxes_[2]->setText(QStringLiteral("4"));
    text_boxes_[3]->setText(QStringLiteral("3"));
    Command2->setEnabled(false);
}

void Tovik_form::Command1_Click() {
    run_handler([this] {
        const auto path = input::input_file_path(folder_);
        try {
            // The core hands back a complete record or raises, so a failed read leaves the
            // window exactly as it was.
            PartDimensions_ = input::read_part_dimensions_file(path);
        } catch (const platform::Error& error) {
            show_file_error(error);
            return;
        }
        const std::array<float, 6> values{PartDimensions_.L1, PartDimensions_.L2,
                                          PartDimensions_.H1, PartDimensions_.H2,
                                          PartDimensions_.R1, PartDimensions_.R2};
        for (std::size_t i = 0; i < values.size(); ++i) {
            value_labels_[i]->setText(QString::fromStdString(platform::number_text(values[i])));
        }
        Command2->setEnabled(true);
    });
}

void Tovik_form::Command2_Click() {
    run_handler([this] {
        const std::string dx = text_boxes_[0]->text().toStdString();
        const std::string dy = text_boxes_[1]->text().toStdString();
        const std::string nx = text_boxes_[2]->text().toStdString();
        const std::string ny = text_boxes_[3]->text().toStdString();
        const auto check = params::check_array_parameters({dx, dy, nx, ny});
        if (const auto* rejection = std::get_if<params::ParameterRejection>(&check)) {
            vb_msg(QString::fromStdString(rejection->message));
            text_box(rejection->field)->setFocus(Qt::OtherFocusReason);
            return;
        }
        try {
            macro::write_output_file(folder_, PartDimensions_,
                                     std::get<params::ArrayParameters>(check));
        } catch (const platform::Error& error) {
            show_file_error(error);
            return;
        }
        Command2->setEnabled(false);
        ui_.end_program(0);
    });
}

void Tovik_form::vb_msg(const QString& prompt) {
    ui_.message_box(prompt, MessageStyle::ok_only, QString::fromLatin1(message_title));
}

void Tovik_form::show_file_error(const platform::Error& error) {
    ui_.message_box(QString::fromStdString(platform::error_description(error)),
                    MessageStyle::exclamation, QString::fromLatin1(file_error_title));
}

// Every error the core raises is handled inside the handlers. Anything else would be a fault
// of the program: it is still shown, and the program ends with a failure status rather than
// carrying on in a state nobody planned for. Nothing may leave a slot by an exception, since
// the event loop cannot pass one on.
template <typename Body>
void Tovik_form::run_handler(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
        return;
    } catch (const std::exception& error) {
        ui_.message_box(QString::fromStdString(error.what()), MessageStyle::critical,
                        QString::fromLatin1(window_caption));
    } catch (...) {
        ui_.message_box(QStringLiteral("Unexpected error"), MessageStyle::critical,
                        QString::fromLatin1(window_caption));
    }
    ui_.end_program(1);
}

QLineEdit* Tovik_form::text_box(params::ParameterField field) const {
    return text_boxes_[static_cast<std::size_t>(field)];
}

}  // namespace plessard::app
