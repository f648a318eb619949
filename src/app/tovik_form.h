#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <filesystem>

#include "input/part_dimensions.h"
#include "params/parameter_checks.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace plessard::platform {
class Error;
}

namespace plessard::app {

class PictureBox;
class UserInterface;

inline constexpr const char* window_caption = "Plessard Macro File IO Example";

// The program's one window. It holds the part dimensions, moves texts between its controls and
// the core, and shows what the core reports; reading, checking and writing are the core's.
class Tovik_form final : public QWidget {
    Q_OBJECT

  public:
    // folder: where vb_input.txt is read and vb_output.txt written. The window keeps a
    // reference to ui, which must outlive it.
    Tovik_form(std::filesystem::path folder, UserInterface& ui, QWidget* parent = nullptr);

    [[nodiscard]] const input::PartDimensions& part_dimensions() const noexcept {
        return PartDimensions_;
    }

  public slots:
    // "Read Input File"
    void Command1_Click();
    // "Create Output File and Exit"
    void Command2_Click();

  private:
    void create_controls();
    void Form_Load();

    void vb_msg(const QString& prompt);
    void show_file_error(const platform::Error& error);
    template <typename Body>
    void run_handler(Body&& body) noexcept;

    [[nodiscard]] QLineEdit* text_box(params::ParameterField field) const;

    std::filesystem::path folder_;
    UserInterface& ui_;
    input::PartDimensions PartDimensions_;

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    PictureBox* Picture1 = nullptr;
    // Label1 to Label6, the values of L1, L2, H1, H2, R1, R2.
    std::array<QLabel*, 6> value_labels_{};
    // Text1 to Text4: DX, DY, NX, NY.
    std::array<QLineEdit*, 4> text_boxes_{};
};

}  // namespace plessard::app
