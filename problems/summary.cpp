#include "summary.h"
