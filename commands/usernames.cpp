#include "usernames.h"
