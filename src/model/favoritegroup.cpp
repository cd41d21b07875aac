#include "favoritegroup.h"
