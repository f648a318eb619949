#include "form/accessible_names.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

namespace plessard::form {
namespace {

TEST(AccessibleName, IsTheCaptionBesideATextBoxOrValueLabel) {
    const std::pair<std::string_view, std::string_view> names[] = {
        {"Command1", "Read Input File"},
        {"Command2", "Create Output File and Exit"},
        {"Picture1", "Dimension drawing"},
        {"Label1", "L1"},
        {"Label2", "L2"},
        {"Label3", "H1"},
        {"Label4", "H2"},
        {"Label5", "R1"},
        {"Label6", "R2"},
        {"Text1", "DX"},
        {"Text2", "DY"},
        {"Text3", "NX"},
        {"Text4", "NY"},
        {"Label16", "NY"}};
    for (const auto& [control, name] : names) {
        std::size_t index = 0;
        while (controls[index].name != control) {
            ++index;
        }
        EXPECT_EQ(accessible_name(index), name) << control;
    }
}

TEST(ValueLabelName, IsTheDimensionAndTheValueShown) {
    const std::pair<std::string_view, std::string_view> names[] = {
        {" 10", "H2 10"}, {"-4", "H2 -4"}, {" 1e+10", "H2 1e+10"}, {"", "H2"}, {"  ", "H2"}};
    for (const auto& [value, name] : names) {
        EXPECT_EQ(value_label_name(index_of(ValueLabel::Label4), value), name) << value;
    }
}

}  // namespace
}  // namespace plessard::form
