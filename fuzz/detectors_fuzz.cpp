// The detectors and sirens page: programming, removal and the masks, for any ticks of the rows.
#include "check.h"
#include "detectors.h"
#include "input.h"
#include "ticks.h"

using namespace velmora;
using namespace velmora::fuzz;

namespace {

constexpr std::size_t kDetectors = 8;
constexpr std::size_t kSirens = 2;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    const std::string iku = input.ikuCode();
    const Ticks detectors = input.ticks(kDetectors);
    const Ticks sirens = input.ticks(kSirens);

    checkSelection(composeDetectorProgramming(iku, detectors), iku, detectors, listHashes(detectors));
    checkSelection(composeDetectorRemoval(iku, detectors), iku, detectors, listOrAllHashes(detectors));
    checkSelection(composeSirenProgramming(iku, sirens), iku, sirens, listHashes(sirens));
    checkSelection(composeSirenRemoval(iku, sirens), iku, sirens, listHashes(sirens));
    checkComposes({composeGlobalMask(iku, detectors), composeDelayedMask(iku, detectors),
                   composeZoneMask(iku, detectors), composeSirenMask(iku, sirens)},
                  iku, 3, "any ticks make a mask");
    return 0;
}
