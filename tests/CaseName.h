#pragma once

#include "tests/QtPrinters.h"

#include <gtest/gtest.h>

#include <string>

namespace quillane {

// Names each row of a table-driven test after its `name` field.
struct CaseName {
    template <typename Case> std::string operator()(const testing::TestParamInfo<Case>& row) const {
        return row.param.name;
    }
};

} // namespace quillane
