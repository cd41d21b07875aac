#include "model/provider.h"
