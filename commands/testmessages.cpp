#include "testmessages.h"
