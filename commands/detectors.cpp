#include "detectors.h"
