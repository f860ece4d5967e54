#include "remotecontrols.h"
