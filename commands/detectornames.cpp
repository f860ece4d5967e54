#include "detectornames.h"
