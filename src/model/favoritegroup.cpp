#include "model/favoritegroup.h"
