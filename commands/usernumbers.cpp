#include "usernumbers.h"
