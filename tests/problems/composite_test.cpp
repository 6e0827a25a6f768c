#include "testregistry.h"
