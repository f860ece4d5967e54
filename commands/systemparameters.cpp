#include "systemparameters.h"
