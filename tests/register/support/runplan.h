#pragma once

#include "plan.h"

#include <vector>

// The units and the plan of the tests of a plan's run to many units.
namespace velmora::test {

struct SampleUnit {
    const char* name;
    const char* number;
    const char* code;
};

// Units A, B and C, each with its IKU code.
constexpr SampleUnit kUnits[] = {
    {"Dom", "48601000001", "7395"}, {"Sklep", "48601000002", "8264"}, {"Magazyn", "48601000003", "5120"}};

const std::vector<Plan::Item> kPlan = {{QStringLiteral("Definiowanie Centrum SMS"), QStringLiteral("#0#48601000310#")},
                                       {QStringLiteral("Test"), QStringLiteral("#S#")},
                                       {QStringLiteral("Czas testu"), QStringLiteral("#L#10#")}};

} // namespace velmora::test
