#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each case of a parameterised test by its `name`, so that gtest and ctest show the same
// readable name in every build (rather than a number or a dump of the case's bytes).
struct CaseName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};
