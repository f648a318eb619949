#pragma once

#include <gtest/gtest.h>

#include <string>

namespace plessard::testing {

// Names each case of a parameterised table after its `name` field, so a failure says which row.
struct CaseName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& row) const {
        return row.param.name;
    }
};

}  // namespace plessard::testing
