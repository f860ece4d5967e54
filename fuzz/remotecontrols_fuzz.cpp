// The remote controls page: a slot of either row, their removal, the group and door module commands.
#include "check.h"
#include "input.h"
#include "remotecontrols.h"
#include "ticks.h"

using namespace velmora;
using namespace velmora::fuzz;

namespace {

constexpr std::size_t kSlots = 10;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    const std::string iku = input.ikuCode();
    const Ticks remotes = input.ticks(kSlots);
    const Ticks keypads = input.ticks(kSlots);

    checkSelection(composeRemote(iku, remotes), iku, remotes, listHashes(remotes));
    checkSelection(composeRemoteRemoval(iku, remotes), iku, remotes, listOrAllHashes(remotes));
    checkSelection(composeKeypadCode(iku, keypads), iku, keypads, listHashes(keypads));
    checkSelection(composeKeypadCodeRemoval(iku, keypads), iku, keypads, listOrAllHashes(keypads));
    checkComposes({composeGroupRemotes(iku), composeGroupKeypadCodes(iku), composeDoorModuleAdd(iku),
                   composeDoorModuleRemoval(iku)},
                  iku, 2, "a command without input always composes");
    return 0;
}
