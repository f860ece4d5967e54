#include "firststart.h"
