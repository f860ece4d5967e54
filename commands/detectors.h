#pragma once

#include "message.h"

namespace velmora {} // namespace velmora
