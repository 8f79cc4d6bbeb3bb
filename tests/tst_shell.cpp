#include "calculatorharness.h"
