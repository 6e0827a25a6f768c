#pragma once
#include "family.h"
