#include "grammar.h"

#include "detectornames.h"
#include "detectors.h"
#include "remotecontrols.h"
#include "smscentre.h"
#include "systemparameters.h"
#include "testmessages.h"
#include "usernames.h"
#include "usernumbers.h"

#include <algorithm>
#include <array>

namespace velmora {
namespace {

template <std::size_t... Sizes> constexpr auto joined(const std::array<const CommandForm*, Sizes>&... lists)
{
    std::array<const CommandForm*, (Sizes + ...)> all{};
    auto next = all.begin();
    ((next = std::copy(lists.begin(), lists.end(), next)), ...);
    return all;
}

// Each page's module lists its commands beside its composers; a new page's list joins here. The first start-up
// page has none of its own: it composes the SMS centre, user numbers and keypad code commands of other pages.
constexpr auto kComposedCommands =
    joined(kSmsCentreCommands, kUserNumbersCommands, kDetectorsCommands, kDetectorNamesCommands,
           kRemoteControlsCommands, kUserNamesCommands, kTestMessagesCommands, kSystemParametersCommands);

} // namespace

std::span<const CommandForm* const> composedCommands()
{
    return kComposedCommands;
}

std::optional<std::string_view> wipeOf(std::string_view command)
{
    const std::size_t hash = command.find('#');
    if (hash == std::string_view::npos) {
        return std::nullopt;
    }
    command.remove_prefix(hash);
    for (const CommandForm* known : kComposedCommands) {
        if (known->wipe().when != Wipes::Never && known->fits(command) && known->wipes(command)) {
            return known->wipe().loss;
        }
    }
    return std::nullopt;
}

} // namespace velmora
