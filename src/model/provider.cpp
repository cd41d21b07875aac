#include "provider.h"
